<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>üleval vasakul</translation>
    </message>
    <message>
        <source>top</source>
        <translation>üleval</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>üleval paremal</translation>
    </message>
    <message>
        <source>left</source>
        <translation>vasakul</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>keskel</translation>
    </message>
    <message>
        <source>right</source>
        <translation>paremal</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>all vasakul</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>all</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>all paremal</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Mängulaud</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tühi</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Mäng ei käi: vajuta nuppu Alusta</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Mängulaud on täis: vajuta nuppu Alusta</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Sinu käik</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Vastase käik</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Tase:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Parim</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Parem</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lihtne</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Arvuti vastu?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Sina oled X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Sina oled O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Arvuti alustab</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Sina alustad</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Alusta</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Käigud</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Sinu märk</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#käike=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X võitis</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O võitis</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Suurendus %1%</translation>
    </message>
</context>
</TS>
