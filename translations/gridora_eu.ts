<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>goian ezkerrean</translation>
    </message>
    <message>
        <source>top</source>
        <translation>goian</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>goian eskuinean</translation>
    </message>
    <message>
        <source>left</source>
        <translation>ezkerrean</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>erdian</translation>
    </message>
    <message>
        <source>right</source>
        <translation>eskuinean</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>behean ezkerrean</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>behean</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>behean eskuinean</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Taula</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>hutsik</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Ez dago partidarik: sakatu Hasi</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Taula beteta: sakatu Hasi</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Zure txanda</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Aurkariaren txanda</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Maila:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Zaila</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Ertaina</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Erraza</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Makinaren aurka?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>X zara</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>O zara</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Makinak hasi</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Zuk hasi</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Hasi</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jokaldiak</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Zure ikurra</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#jokaldi=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X-k irabazi du</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O-k irabazi du</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zooma %%1</translation>
    </message>
</context>
</TS>
