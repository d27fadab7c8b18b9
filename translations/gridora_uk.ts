<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>угорі ліворуч</translation>
    </message>
    <message>
        <source>top</source>
        <translation>угорі</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>угорі праворуч</translation>
    </message>
    <message>
        <source>left</source>
        <translation>ліворуч</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>у центрі</translation>
    </message>
    <message>
        <source>right</source>
        <translation>праворуч</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>унизу ліворуч</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>унизу</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>унизу праворуч</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Гри немає: натисніть Старт</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Поле заповнене: натисніть Старт</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Ваш хід</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Хід суперника</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Рівень:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Важко</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Норма</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Проти ПК?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Граєте за X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Граєте за O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Спершу ПК</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Спершу ви</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходи</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Ваш символ</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#ходів=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Перемога X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Перемога O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Масштаб %1%</translation>
    </message>
</context>
</TS>
