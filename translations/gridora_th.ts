<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>ซ้ายบน</translation>
    </message>
    <message>
        <source>top</source>
        <translation>ด้านบน</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>ขวาบน</translation>
    </message>
    <message>
        <source>left</source>
        <translation>ด้านซ้าย</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>ตรงกลาง</translation>
    </message>
    <message>
        <source>right</source>
        <translation>ด้านขวา</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>ซ้ายล่าง</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>ด้านล่าง</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>ขวาล่าง</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>กระดาน</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ว่าง</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>ไม่มีเกมที่เล่นอยู่: กดปุ่มเริ่ม</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>กระดานเต็ม: กดปุ่มเริ่ม</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>ตาของคุณ</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>ตาของคู่ต่อสู้</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>ระดับ:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>ยาก</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>กลาง</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>ง่าย</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>เล่นกับคอม?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>คุณเป็น X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>คุณเป็น O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>คอมเริ่มก่อน</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>คุณเริ่มก่อน</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>เริ่ม</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>การเดิน</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>สัญลักษณ์ของคุณ</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#เดิน=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X ชนะ</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O ชนะ</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>ซูม %1%</translation>
    </message>
</context>
</TS>
