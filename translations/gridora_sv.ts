<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>uppe till vänster</translation>
    </message>
    <message>
        <source>top</source>
        <translation>uppe</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>uppe till höger</translation>
    </message>
    <message>
        <source>left</source>
        <translation>till vänster</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>i mitten</translation>
    </message>
    <message>
        <source>right</source>
        <translation>till höger</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>nere till vänster</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>nere</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>nere till höger</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tom</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Inget parti pågår: tryck på Starta</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Spelplanen är full: tryck på Starta</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Din tur</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Motståndarens tur</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Nivå:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Svår</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lätt</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Mot datorn?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Du är X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Du är O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Datorn börjar</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Du börjar</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Drag</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Din symbol</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#drag=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X vinner</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O vinner</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1 %</translation>
    </message>
</context>
</TS>
