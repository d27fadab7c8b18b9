<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>em cima à esquerda</translation>
    </message>
    <message>
        <source>top</source>
        <translation>em cima</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>em cima à direita</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à esquerda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>no centro</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à direita</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>embaixo à esquerda</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>embaixo</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>embaixo à direita</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Sem partida: pressione Iniciar</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Tabuleiro cheio: pressione Iniciar</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Sua vez</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Vez do adversário</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Contra a CPU?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Você é X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Você é O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>A CPU começa</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Você começa</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Seu símbolo</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#jogadas=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X venceu</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O venceu</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1%</translation>
    </message>
</context>
</TS>
