<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>sus în stânga</translation>
    </message>
    <message>
        <source>top</source>
        <translation>sus</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>sus în dreapta</translation>
    </message>
    <message>
        <source>left</source>
        <translation>în stânga</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>în centru</translation>
    </message>
    <message>
        <source>right</source>
        <translation>în dreapta</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>jos în stânga</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>jos</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>jos în dreapta</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>liber</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Nicio partidă: apasă Începe</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Tabla e plină: apasă Începe</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Rândul tău</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Rândul adversarului</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Greu</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Mediu</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Ușor</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Contra PC-ului?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Joci cu X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Joci cu O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Începe PC-ul</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Începi tu</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Începe</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mutări</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Simbolul tău</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#mutări=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Câștigă X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Câștigă O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1%</translation>
    </message>
</context>
</TS>
