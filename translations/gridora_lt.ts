<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>viršuje kairėje</translation>
    </message>
    <message>
        <source>top</source>
        <translation>viršuje</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>viršuje dešinėje</translation>
    </message>
    <message>
        <source>left</source>
        <translation>kairėje</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>right</source>
        <translation>dešinėje</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>apačioje kairėje</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>apačioje</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>apačioje dešinėje</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tuščia</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Žaidimo nėra: spausk Pradėti</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Lenta pilna: spausk Pradėti</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Tavo ėjimas</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Varžovo ėjimas</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Lygis:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Sunku</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Įprasta</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lengva</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Prieš PC?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Tu esi X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Tu esi O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Pradeda PC</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Pradedi tu</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Pradėti</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ėjimai</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Tavo ženklas</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#ėjimų=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Laimi X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Laimi O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Mastelis %1 %</translation>
    </message>
</context>
</TS>
