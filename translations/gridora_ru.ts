<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>вверху слева</translation>
    </message>
    <message>
        <source>top</source>
        <translation>вверху</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>вверху справа</translation>
    </message>
    <message>
        <source>left</source>
        <translation>слева</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>в центре</translation>
    </message>
    <message>
        <source>right</source>
        <translation>справа</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>внизу слева</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>внизу</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>внизу справа</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Нет игры: нажмите Старт</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Поле заполнено: нажмите Старт</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Ваш ход</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Ход соперника</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Уровень:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Сложно</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Средне</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Против ПК?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Вы за X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Вы за O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Сначала ПК</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Сначала вы</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Ваш символ</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#ходов=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Победа X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Победа O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Масштаб %1 %</translation>
    </message>
</context>
</TS>
