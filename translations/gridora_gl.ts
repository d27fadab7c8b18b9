<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>arriba á esquerda</translation>
    </message>
    <message>
        <source>top</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>arriba á dereita</translation>
    </message>
    <message>
        <source>left</source>
        <translation>á esquerda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>no centro</translation>
    </message>
    <message>
        <source>right</source>
        <translation>á dereita</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>abaixo á esquerda</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>abaixo</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>abaixo á dereita</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Taboleiro</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>baleira</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Sen partida: preme Comezar</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Taboleiro cheo: preme Comezar</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>É a túa quenda</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>É a quenda do rival</translation>
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
        <translation>Doado</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Contra a CPU?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Xogas con X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Xogas con O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Comeza a CPU</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Comezas ti</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Comezar</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Xogadas</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>O teu símbolo</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#xogadas=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Gaña X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Gaña O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1 %</translation>
    </message>
</context>
</TS>
