<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>phía trên bên trái</translation>
    </message>
    <message>
        <source>top</source>
        <translation>phía trên</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>phía trên bên phải</translation>
    </message>
    <message>
        <source>left</source>
        <translation>bên trái</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>ở giữa</translation>
    </message>
    <message>
        <source>right</source>
        <translation>bên phải</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>phía dưới bên trái</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>phía dưới</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>phía dưới bên phải</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bàn cờ</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>trống</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Không có ván nào đang chơi: nhấn Bắt đầu</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Bàn cờ đã đầy: nhấn Bắt đầu</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Lượt của bạn</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Lượt của đối thủ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Mức độ:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Khó</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Vừa</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Dễ</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Chơi với máy?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Bạn là X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Bạn là O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Máy đi trước</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Bạn đi trước</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Nước đi</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Ký hiệu của bạn</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#nước=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X thắng</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O thắng</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Thu phóng %1%</translation>
    </message>
</context>
</TS>
