<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>למעלה משמאל</translation>
    </message>
    <message>
        <source>top</source>
        <translation>למעלה</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>למעלה מימין</translation>
    </message>
    <message>
        <source>left</source>
        <translation>משמאל</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>באמצע</translation>
    </message>
    <message>
        <source>right</source>
        <translation>מימין</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>למטה משמאל</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>למטה</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>למטה מימין</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>לוח</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ריקה</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>אין משחק פעיל: לחץ על התחל</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>הלוח מלא: לחץ על התחל</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>תורך</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>תור היריב</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>רמה:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>קשה</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>בינוני</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>קל</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>נגד המחשב?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>אתה X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>אתה O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>המחשב מתחיל</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>אתה מתחיל</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>התחל</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>מהלכים</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>הסימן שלך</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#מהלכים=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>‏X ניצח</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>‏O ניצח</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>הגדלה %1%</translation>
    </message>
</context>
</TS>
