<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>対局なし：スタートを押してください</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>盤面が埋まりました：スタートを押してください</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>あなたの番</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>相手の番</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>強さ：</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>CPU対戦</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>あなたはX</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>あなたはO</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>CPUが先手</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>あなたが先手</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>手数</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>あなたの記号</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#手数=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Xの勝ち</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Oの勝ち</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>ズーム %1%</translation>
    </message>
</context>
</TS>
