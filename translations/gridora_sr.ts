<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sr">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>горе лево</translation>
    </message>
    <message>
        <source>top</source>
        <translation>горе</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>горе десно</translation>
    </message>
    <message>
        <source>left</source>
        <translation>лево</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>у средини</translation>
    </message>
    <message>
        <source>right</source>
        <translation>десно</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>доле лево</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>доле</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>доле десно</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Табла</translation>
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
        <translation>Нема игре: притисни Почни</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Табла је пуна: притисни Почни</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Ти си на потезу</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Противник је на потезу</translation>
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
        <translation>Најтеже</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Теже</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лако</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Против рачунара?</translation>
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
        <translation>Прво рачунар</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Прво ти</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Почни</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Потези</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Твој знак</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#потеза=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X побеђује</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O побеђује</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Зум %1 %</translation>
    </message>
</context>
</TS>
