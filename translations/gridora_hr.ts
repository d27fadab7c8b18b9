<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>gore lijevo</translation>
    </message>
    <message>
        <source>top</source>
        <translation>gore</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>gore desno</translation>
    </message>
    <message>
        <source>left</source>
        <translation>lijevo</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>u sredini</translation>
    </message>
    <message>
        <source>right</source>
        <translation>desno</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>dolje lijevo</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>dolje</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>dolje desno</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Ploča</translation>
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
        <translation>Nema igre: pritisni Započni</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Ploča je puna: pritisni Započni</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Ti si na potezu</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Protivnik je na potezu</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Razina:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Teško</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Srednje</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lako</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Protiv računala?</translation>
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
        <translation>Prvo računalo</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Prvo ti</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Započni</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Potezi</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Tvoj znak</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#poteza=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X pobjeđuje</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O pobjeđuje</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zumiranje %1 %</translation>
    </message>
</context>
</TS>
