<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>горе вляво</translation>
    </message>
    <message>
        <source>top</source>
        <translation>горе</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>горе вдясно</translation>
    </message>
    <message>
        <source>left</source>
        <translation>вляво</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>в центъра</translation>
    </message>
    <message>
        <source>right</source>
        <translation>вдясно</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>долу вляво</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>долу</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>долу вдясно</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Дъска</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>празно</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Няма игра: натисни Старт</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Дъската е пълна: натисни Старт</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Твой ход</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Ход на противника</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Ниво:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Трудно</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Средно</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лесно</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Срещу ПК?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Ти си X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Ти си O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>ПК започва</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Ти започваш</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходове</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Твоят знак</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#ходове=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X печели</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O печели</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Мащаб %1 %</translation>
    </message>
</context>
</TS>
