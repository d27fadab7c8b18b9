<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>top</source>
        <translation>en haut</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>au centre</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>en bas</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>Pas de partie&#xa0;: appuyez sur Démarrer</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>Grille pleine&#xa0;: appuyez sur Démarrer</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>Au tour de l&apos;adversaire</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>Contre l&apos;ordi&#xa0;?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>Vous êtes X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>Vous êtes O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>L&apos;ordi d&apos;abord</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>Vous d&apos;abord</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>Votre symbole</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#coups=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X gagne</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O gagne</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>Zoom %1 %</translation>
    </message>
</context>
</TS>
