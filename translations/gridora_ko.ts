<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AccessibleBoard</name>
    <message>
        <source>top left</source>
        <translation>왼쪽 위</translation>
    </message>
    <message>
        <source>top</source>
        <translation>위</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>오른쪽 위</translation>
    </message>
    <message>
        <source>left</source>
        <translation>왼쪽</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>right</source>
        <translation>오른쪽</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>게임판</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A cell of the board: its place, then what it holds (X, O or empty)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No game: press Start</source>
        <translation>진행 중인 게임 없음: 시작을 누르세요</translation>
    </message>
    <message>
        <source>Board full: press Start</source>
        <translation>게임판 가득 참: 시작을 누르세요</translation>
    </message>
    <message>
        <source>Your turn</source>
        <translation>내 차례</translation>
    </message>
    <message>
        <source>Opponent&apos;s turn</source>
        <translation>상대 차례</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Moves are:</source>
        <extracomment>Above the computer&apos;s strengths: Easy, Better, Best</extracomment>
        <translation>난이도:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>어려움</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>쉬움</translation>
    </message>
    <message>
        <source>Play Computer?</source>
        <translation>컴퓨터와 대전?</translation>
    </message>
    <message>
        <source>You are X</source>
        <translation>나는 X</translation>
    </message>
    <message>
        <source>You are O</source>
        <translation>나는 O</translation>
    </message>
    <message>
        <source>Computer First</source>
        <translation>컴퓨터 먼저</translation>
    </message>
    <message>
        <source>You Go First</source>
        <translation>내가 먼저</translation>
    </message>
    <message>
        <source>Start </source>
        <extracomment>Begins a new game; the blank is the English caption&apos;s own</extracomment>
        <translation>시작</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>둔 수</translation>
    </message>
    <message>
        <source>Your symbol</source>
        <translation>내 기호</translation>
    </message>
    <message>
        <source>#moves=</source>
        <extracomment>Before the count of the player&apos;s clicks on the board</extracomment>
        <translation>#둔 수=</translation>
    </message>
    <message>
        <source>X&apos;s win</source>
        <translation>X 승리</translation>
    </message>
    <message>
        <source>O&apos;s win</source>
        <translation>O 승리</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <extracomment>Said by a screen reader when the window has been zoomed; %1 is its size in percent</extracomment>
        <translation>배율 %1%</translation>
    </message>
</context>
</TS>
