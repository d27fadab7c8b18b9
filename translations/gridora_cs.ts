<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>vlevo nahoře</translation>
    </message>
    <message>
        <source>top</source>
        <translation>nahoře</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>vpravo nahoře</translation>
    </message>
    <message>
        <source>left</source>
        <translation>vlevo</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>uprostřed</translation>
    </message>
    <message>
        <source>right</source>
        <translation>vpravo</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>vlevo dole</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>dole</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>vpravo dole</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Hra neběží: stiskni Start</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Hrací plocha je plná: stiskni Start</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Jsi na tahu</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Na tahu je soupeř</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Obtížnost:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Těžká</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lehká</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Proti PC?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Hraješ za X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Hraješ za O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Začíná PC</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Začínáš ty</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Tahy</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Tvůj symbol</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#tahů=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Vyhrává X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Vyhrává O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Přiblížení %1 %</translation>
    </message>
</context>
</TS>
