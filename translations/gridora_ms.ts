<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>di kiri atas</translation>
    </message>
    <message>
        <source>top</source>
        <translation>di atas</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>di kanan atas</translation>
    </message>
    <message>
        <source>left</source>
        <translation>di kiri</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>di tengah</translation>
    </message>
    <message>
        <source>right</source>
        <translation>di kanan</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>di kiri bawah</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>di bawah</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>di kanan bawah</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Papan</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>kosong</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Tiada permainan sedang berjalan: tekan Mula</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Papan penuh: tekan Mula</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Giliran anda</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Giliran lawan</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Tahap:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Sukar</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Biasa</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Mudah</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Lawan PC?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Anda X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Anda O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>PC mula</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Anda mula</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Mula</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Langkah</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Simbol anda</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#langkah=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X menang</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O menang</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zum %1%</translation>
    </message>
</context>
</TS>
