<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>linksboven</translation>
    </message>
    <message>
        <source>top</source>
        <translation>boven</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>rechtsboven</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>midden</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>linksonder</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>onder</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>rechtsonder</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Geen spel: druk op Start</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Speelbord vol: druk op Start</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Jij bent aan zet</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>De tegenstander is aan zet</translation>
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
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Tegen de pc?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Jij bent X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Jij bent O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>De pc begint</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Jij begint</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Jouw symbool</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#zetten=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X wint</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O wint</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1%</translation>
    </message>
</context>
</TS>
