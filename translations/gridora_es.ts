<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>top</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <source>left</source>
        <translation>a la izquierda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>en el centro</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Sin partida: pulsa Empezar</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Tablero lleno: pulsa Empezar</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Tu turno</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Turno del rival</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>¿Contra la CPU?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Juegas con X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Juegas con O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Sale la CPU</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Sales tú</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Tu símbolo</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#jugadas=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Gana X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Gana O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1 %</translation>
    </message>
</context>
</TS>
