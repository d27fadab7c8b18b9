<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>في الأعلى يسارًا</translation>
    </message>
    <message>
        <source>top</source>
        <translation>في الأعلى</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>في الأعلى يمينًا</translation>
    </message>
    <message>
        <source>left</source>
        <translation>على اليسار</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>في الوسط</translation>
    </message>
    <message>
        <source>right</source>
        <translation>على اليمين</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>في الأسفل يسارًا</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>في الأسفل</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>في الأسفل يمينًا</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>اللوحة</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغة</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>لا توجد لعبة جارية: اضغط على «ابدأ»</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>اللوحة ممتلئة: اضغط على «ابدأ»</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>دورك</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>دور الخصم</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>المستوى:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>ضد الحاسوب؟</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>أنت X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>أنت O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>الحاسوب أولًا</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>أنت أولًا</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>الحركات</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>رمزك</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#الحركات=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>فاز X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>فاز O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>التكبير %1٪</translation>
    </message>
</context>
</TS>
