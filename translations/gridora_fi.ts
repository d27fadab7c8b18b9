<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>ylhäällä vasemmalla</translation>
    </message>
    <message>
        <source>top</source>
        <translation>ylhäällä</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>ylhäällä oikealla</translation>
    </message>
    <message>
        <source>left</source>
        <translation>vasemmalla</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>keskellä</translation>
    </message>
    <message>
        <source>right</source>
        <translation>oikealla</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>alhaalla vasemmalla</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>alhaalla</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>alhaalla oikealla</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Pelilauta</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tyhjä</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Ei peliä käynnissä: paina Aloita</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Pelilauta on täynnä: paina Aloita</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Sinun vuorosi</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Vastustajan vuoro</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Taso:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Vaikea</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Keski</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Helppo</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Konetta vastaan?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Olet X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Olet O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Kone aloittaa</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Sinä aloitat</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Aloita</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Siirrot</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Merkkisi</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#siirtoja=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X voitti</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O voitti</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoomaus %1 %</translation>
    </message>
</context>
</TS>
