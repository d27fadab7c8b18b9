<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>πάνω αριστερά</translation>
    </message>
    <message>
        <source>top</source>
        <translation>πάνω</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>πάνω δεξιά</translation>
    </message>
    <message>
        <source>left</source>
        <translation>αριστερά</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>στο κέντρο</translation>
    </message>
    <message>
        <source>right</source>
        <translation>δεξιά</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>κάτω αριστερά</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>κάτω</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>κάτω δεξιά</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Ταμπλό</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>κενό</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Κανένα παιχνίδι σε εξέλιξη: πάτα Έναρξη</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Το ταμπλό γέμισε: πάτα Έναρξη</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>Σειρά σου</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Σειρά του αντιπάλου</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Επίπεδο:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Δύσκολο</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Μέτριο</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Εύκολο</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Με τον Η/Υ;</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Είσαι το X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Είσαι το O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>Ξεκινά ο Η/Υ</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Ξεκινάς εσύ</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Έναρξη</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Κινήσεις</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Το σύμβολό σου</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#κινήσεις=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>Νίκησε το X</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>Νίκησε το O</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Μεγέθυνση %1%</translation>
    </message>
</context>
</TS>
