<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>øverst til venstre</translation>
    </message>
    <message>
        <source>top</source>
        <translation>øverst</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>øverst til højre</translation>
    </message>
    <message>
        <source>left</source>
        <translation>til venstre</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>i midten</translation>
    </message>
    <message>
        <source>right</source>
        <translation>til højre</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>nederst til venstre</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>nederst</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>nederst til højre</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spillebræt</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tomt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Intet spil i gang: tryk på Start</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Spillebrættet er fuldt: tryk på Start</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Din tur</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Modstanderens tur</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Niveau:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Svær</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Mellem</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Let</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Mod PC&apos;en?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Du er X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Du er O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>PC&apos;en starter</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Du starter</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Træk</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Dit symbol</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#træk=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X vinder</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O vinder</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1 %</translation>
    </message>
</context>
</TS>
