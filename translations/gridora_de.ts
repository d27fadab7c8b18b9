<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Kein Spiel: Start drücken</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Spielfeld voll: Start drücken</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Du bist am Zug</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Der Gegner ist am Zug</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Spielstärke:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Gegen den PC?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Du bist X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Du bist O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>PC fängt an</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Du fängst an</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Dein Zeichen</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#Züge=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X gewinnt</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O gewinnt</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1 %</translation>
    </message>
</context>
</TS>
