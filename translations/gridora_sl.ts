<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>zgoraj levo</translation>
    </message>
    <message>
        <source>top</source>
        <translation>zgoraj</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>zgoraj desno</translation>
    </message>
    <message>
        <source>left</source>
        <translation>levo</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>na sredini</translation>
    </message>
    <message>
        <source>right</source>
        <translation>desno</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>spodaj levo</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>spodaj</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>spodaj desno</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plošča</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prazno</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Ni igre: pritisni Začni</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Plošča je polna: pritisni Začni</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Na potezi si ti</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Na potezi je nasprotnik</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Težavnost:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Težko</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Srednje</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lahko</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Proti računalniku?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Ti si X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Ti si O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Prvi računalnik</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Prvi si ti</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Začni</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Poteze</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Tvoj znak</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#potez=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Zmaga X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Zmaga O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Povečava %1 %</translation>
    </message>
</context>
</TS>
