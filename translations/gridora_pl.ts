<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>u góry po lewej</translation>
    </message>
    <message>
        <source>top</source>
        <translation>u góry</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>u góry po prawej</translation>
    </message>
    <message>
        <source>left</source>
        <translation>po lewej</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>na środku</translation>
    </message>
    <message>
        <source>right</source>
        <translation>po prawej</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>na dole po lewej</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>na dole</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>na dole po prawej</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Brak gry: naciśnij Start</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Plansza pełna: naciśnij Start</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Twój ruch</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Ruch przeciwnika</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Poziom:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Z komputerem</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Grasz jako X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Grasz jako O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Zaczyna PC</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Ty zaczynasz</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Twój symbol</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#ruchy=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Wygrywa X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Wygrywa O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Powiększenie %1%</translation>
    </message>
</context>
</TS>
