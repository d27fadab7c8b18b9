<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上方</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左側</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右側</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>下方</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>棋盤</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>沒有對局：請按「開始」</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>棋盤已滿：請按「開始」</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>輪到你了</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>輪到對手</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>難度：</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>困難</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>簡單</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>與電腦對戰？</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>你是 X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>你是 O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>電腦先下</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>你先下</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>開始</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>步數</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>你的符號</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#步數=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X 獲勝</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O 獲勝</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>縮放 %1%</translation>
    </message>
</context>
</TS>
