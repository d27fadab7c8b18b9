<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>in alto a sinistra</translation>
    </message>
    <message>
        <source>top</source>
        <translation>in alto</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>in alto a destra</translation>
    </message>
    <message>
        <source>left</source>
        <translation>a sinistra</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>al centro</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a destra</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>in basso a sinistra</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>in basso</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>in basso a destra</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Nessuna partita: premi Gioca</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Griglia piena: premi Gioca</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Tocca a te</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Tocca all&apos;avversario</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Contro il PC?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Giochi con X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Giochi con O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Inizia il PC</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Inizi tu</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Il tuo simbolo</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#mosse=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Vince X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Vince O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1%</translation>
    </message>
</context>
</TS>
