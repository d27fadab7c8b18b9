<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>ऊपर बाएँ</translation>
    </message>
    <message>
        <source>top</source>
        <translation>ऊपर</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>ऊपर दाएँ</translation>
    </message>
    <message>
        <source>left</source>
        <translation>बाएँ</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>बीच में</translation>
    </message>
    <message>
        <source>right</source>
        <translation>दाएँ</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>नीचे बाएँ</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>नीचे</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>नीचे दाएँ</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>बोर्ड</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>खाली</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>कोई खेल नहीं चल रहा: शुरू दबाएँ</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>बोर्ड भर गया: शुरू दबाएँ</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>आपकी बारी</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>विरोधी की बारी</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>स्तर:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>कठिन</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>आसान</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>कंप्यूटर से खेलें?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>आप X हैं</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>आप O हैं</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>कंप्यूटर पहले</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>आप पहले</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>शुरू</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>चालें</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>आपका चिह्न</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#चालें=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X जीता</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O जीता</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>ज़ूम %1%</translation>
    </message>
</context>
</TS>
