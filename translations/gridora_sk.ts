<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>vľavo hore</translation>
    </message>
    <message>
        <source>top</source>
        <translation>hore</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>vpravo hore</translation>
    </message>
    <message>
        <source>left</source>
        <translation>vľavo</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>v strede</translation>
    </message>
    <message>
        <source>right</source>
        <translation>vpravo</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>vľavo dole</translation>
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
        <translation>Hracia plocha</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdne</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Hra nebeží: stlač Štart</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Hracia plocha je plná: stlač Štart</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Si na ťahu</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Na ťahu je súper</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Obtiažnosť:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Ťažká</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Stredná</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Ľahká</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Proti PC?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Hráš za X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Hráš za O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Začína PC</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Začínaš ty</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Štart</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ťahy</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Tvoj symbol</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#ťahov=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Vyhráva X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Vyhráva O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Priblíženie %1 %</translation>
    </message>
</context>
</TS>
