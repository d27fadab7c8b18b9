// The pure rules: cell index, the win check and the line search, over boards written as grids.

#include "ai/line_search.h"
#include "fakes.h"
#include "game/win.h"

#include <QTest>

Q_DECLARE_METATYPE(Board)

class Rules : public QObject {
    Q_OBJECT
private slots:
    void cellIndexSplitsTheSurfaceAtTheGridLines()
    {
        const std::pair<double, int> cases[] = {{74.9f, 1}, {75, 2},    {124.9f, 2},         {125, 3},
                                                {-20, 1},   {200, 3},   {-1e9, 1},           {1e9, 3},
                                                {50, 1},    {100, 2},   {std::nan(""), 1}};
        for (auto [c, index] : cases)
            QCOMPARE(cellIndex(c), index);
    }

    void wonRecordsTheFirstFullLineOnly_data()
    {
        QTest::addColumn<Board>("board");
        QTest::addColumn<int>("winner");
        QTest::newRow("column 1 of 1s") << grid("1../1../1..") << 1;
        QTest::newRow("column 2 of 2s") << grid(".2./.2./.2.") << 2;
        QTest::newRow("row 1 of 2s") << grid("222/.../...") << 2;
        QTest::newRow("row 3 of 1s") << grid(".../.../111") << 1;
        QTest::newRow("main diagonal of 2s") << grid("2../.2./..2") << 2;
        QTest::newRow("anti-diagonal of 1s") << grid("..1/.1./1..") << 1;
        QTest::newRow("two and a gap") << grid("22./.../...") << 0;
        QTest::newRow("two and a foe") << grid("221/.../...") << 0;
        QTest::newRow("full board, no line") << grid("121/221/112") << 0;
        QTest::newRow("column 1 before column 3") << grid("2.1/2.1/2.1") << 2;
    }
    void wonRecordsTheFirstFullLineOnly()
    {
        QFETCH(Board, board);
        QFETCH(int, winner);
        Game game;
        game.form.board = board;
        game.form.turn = 1;
        game.form.won();
        QCOMPARE(game.form.winner, winner);
        QCOMPARE(game.form.turn, winner ? 0 : 1); // without a line nothing is written

        game.form.winner = 2; // never cleared; index 0 is never looked at
        game.form.board = Board{};
        game.form.board[0][1] = game.form.board[0][2] = game.form.board[0][3] = 1;
        game.form.won();
        QCOMPARE(game.form.winner, 2);
    }

    void openLineIsTheFirstLineWithTwoAndAGap_data()
    {
        QTest::addColumn<Board>("board");
        QTest::addColumn<int>("mark");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row"); // 0 0: no line
        QTest::newRow("column 2 of 1s") << grid(".1./.../.1.") << 1 << 2 << 2;
        QTest::newRow("main diagonal of 1s") << grid("1../.../..1") << 1 << 2 << 2;
        QTest::newRow("anti-diagonal of 2s") << grid(".../.2./2..") << 2 << 3 << 1;
        QTest::newRow("row 3 of 2s") << grid(".../.../.22") << 2 << 1 << 3;
        QTest::newRow("column before row") << grid("22./2../...") << 2 << 1 << 3;
        QTest::newRow("already blocked") << grid("2../2../1..") << 2 << 0 << 0;
        QTest::newRow("a full line") << grid("1../1../1..") << 1 << 0 << 0;
        QTest::newRow("the other mark's two") << grid("1../1../...") << 2 << 0 << 0;
        QTest::newRow("empty board") << grid(".../.../...") << 2 << 0 << 0;
        QTest::newRow("full board") << grid("121/221/112") << 1 << 0 << 0;
    }
    void openLineIsTheFirstLineWithTwoAndAGap()
    {
        QFETCH(Board, board);
        QFETCH(int, mark);
        QFETCH(int, col);
        QFETCH(int, row);
        const auto gap = openLine(board, mark);
        QCOMPARE(gap.value_or(CellPos{}).col, col);
        QCOMPARE(gap.value_or(CellPos{}).row, row);
    }

    // movetowin (mark 1) and movetoblock (mark 2) write the computer's mark, draw, then check.
    void theLineMovesPlayTheComputersMarkThenCheckForAWin_data()
    {
        QTest::addColumn<int>("mark");
        QTest::addColumn<Board>("before");
        QTest::addColumn<Board>("after");
        QTest::addColumn<int>("turn");
        QTest::newRow("win") << 1 << grid(".1./.../.1.") << grid(".1./.1./.1.") << 0;
        QTest::newRow("block") << 2 << grid("22./2../...") << grid("22./2../1..") << 2;
        QTest::newRow("block that wins") << 2 << grid(".2./1.1/.2.") << grid(".2./111/.2.") << 0;
        QTest::newRow("nothing to win") << 1 << grid("121/221/112") << grid("121/221/112") << 1;
        QTest::newRow("nothing to block") << 2 << grid("2../2../1..") << grid("2../2../1..") << 1;
    }
    void theLineMovesPlayTheComputersMarkThenCheckForAWin()
    {
        QFETCH(int, mark);
        QFETCH(Board, before);
        QFETCH(Board, after);
        QFETCH(int, turn);
        Game game;
        game.form.board = before;
        game.form.turn = 1;
        mark == 1 ? game.form.movetowin() : game.form.movetoblock();
        QCOMPARE(game.form.board, after);
        QCOMPARE(game.form.turn, turn);
        QCOMPARE(game.form.winner, turn ? 0 : 1);
        QCOMPARE(game.tk.calls.empty(), turn == 1); // no move, no redraw
    }
};

QTEST_APPLESS_MAIN(Rules)
#include "test_rules.moc"
