<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>sol üstte</translation>
    </message>
    <message>
        <source>top</source>
        <translation>üstte</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>sağ üstte</translation>
    </message>
    <message>
        <source>left</source>
        <translation>solda</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>ortada</translation>
    </message>
    <message>
        <source>right</source>
        <translation>sağda</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>sol altta</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>altta</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>sağ altta</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tahta</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>boş</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Oyun yok: Başlat&apos;a bas</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Tahta dolu: Başlat&apos;a bas</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Sıra sende</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Sıra rakipte</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Seviye:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>PC&apos;ye karşı?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Sen X&apos;sin</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Sen O&apos;sun</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>PC başlar</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Sen başlarsın</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Hamleler</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>İşaretin</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#hamle=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X kazandı</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O kazandı</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Yakınlaştırma %%1</translation>
    </message>
</context>
</TS>
