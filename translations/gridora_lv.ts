<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>augšā pa kreisi</translation>
    </message>
    <message>
        <source>top</source>
        <translation>augšā</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>augšā pa labi</translation>
    </message>
    <message>
        <source>left</source>
        <translation>pa kreisi</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centrā</translation>
    </message>
    <message>
        <source>right</source>
        <translation>pa labi</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>apakšā pa kreisi</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>apakšā</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>apakšā pa labi</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Laukums</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tukšs</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Nav spēles: spied Sākt</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Laukums pilns: spied Sākt</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Tavs gājiens</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Pretinieka gājiens</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Līmenis:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Grūti</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Vidēji</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Viegli</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Pret datoru?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Tu esi X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Tu esi O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Sāk dators</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Sāc tu</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Sākt</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Gājieni</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Tava zīme</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#gājieni=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Uzvar X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Uzvar O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Tālummaiņa %1%</translation>
    </message>
</context>
</TS>
