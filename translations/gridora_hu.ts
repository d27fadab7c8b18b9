<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>balra fent</translation>
    </message>
    <message>
        <source>top</source>
        <translation>fent</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>jobbra fent</translation>
    </message>
    <message>
        <source>left</source>
        <translation>balra</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>középen</translation>
    </message>
    <message>
        <source>right</source>
        <translation>jobbra</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>balra lent</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>lent</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>jobbra lent</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tábla</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>üres</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Nincs futó játék: nyomd meg a Start gombot</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>A tábla megtelt: nyomd meg a Start gombot</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Te jössz</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Az ellenfél jön</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Szint:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Nehéz</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Normál</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Könnyű</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Gép ellen?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Te vagy X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Te vagy O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>A gép kezd</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Te kezdesz</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Lépések</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Jeled</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#lépés=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X nyert</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O nyert</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Nagyítás %1%</translation>
    </message>
</context>
</TS>
