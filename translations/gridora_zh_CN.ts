<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>左侧</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右侧</translation>
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
        <translation>棋盘</translation>
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
        <translation>当前没有对局：请按“开始”</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>棋盘已满：请按“开始”</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>轮到你了</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>轮到对手</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>难度：</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>与电脑对战？</translation>
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
        <translation>电脑先走</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>你先走</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>步数</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>你的符号</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#步数=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X 获胜</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O 获胜</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>缩放 %1%</translation>
    </message>
</context>
</TS>
