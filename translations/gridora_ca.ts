<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>a dalt a l&apos;esquerra</translation>
    </message>
    <message>
        <source>top</source>
        <translation>a dalt</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>a dalt a la dreta</translation>
    </message>
    <message>
        <source>left</source>
        <translation>a l&apos;esquerra</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>al centre</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a la dreta</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>a baix a l&apos;esquerra</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>a baix</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>a baix a la dreta</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tauler</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>buida</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>No hi ha partida: prem Inicia</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Tauler ple: prem Inicia</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>És el teu torn</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>És el torn del rival</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Nivell:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Mitjà</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fàcil</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Contra el PC?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Tu ets X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Tu ets O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Comença el PC</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Comences tu</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Inicia</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugades</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>El teu símbol</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#jugades=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Guanya X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Guanya O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1 %</translation>
    </message>
</context>
</TS>
