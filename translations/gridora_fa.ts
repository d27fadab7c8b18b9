<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>بالا سمت چپ</translation>
    </message>
    <message>
        <source>top</source>
        <translation>بالا</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>بالا سمت راست</translation>
    </message>
    <message>
        <source>left</source>
        <translation>سمت چپ</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>right</source>
        <translation>سمت راست</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>پایین سمت چپ</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>پایین</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>پایین سمت راست</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>صفحه</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>خالی</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>بازی‌ای در کار نیست: شروع را بزن</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>صفحه پر است: شروع را بزن</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>نوبت توست</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>نوبت حریف</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>سطح:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>سخت</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>آسان</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>بازی با رایانه؟</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>تو X هستی</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>تو O هستی</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>اول رایانه</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>اول تو</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>شروع</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>حرکت‌ها</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>نماد تو</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#حرکت‌ها=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>‏X برنده شد</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>‏O برنده شد</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>بزرگ‌نمایی %1٪</translation>
    </message>
</context>
</TS>
