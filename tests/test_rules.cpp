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
        const std::pair<double, int> cases[] = {
            {74.9f, 1}, {75, 2}, {124.9f, 2}, {125, 3}, {-20, 1}, {200, 3}, {50, 1}, {100, 2},
            {-1e9, 1}, {1e9, 3}, {std::nan(""), 1}};
        for (auto [c, index] : cases)
            QCOMPARE(cellIndex(c), index);
    }

    void wonFindsTheFirstFullLine_data()
    {
        QTest::addColumn<Board>("board");
        QTest::addColumn<int>("winner");
        QTest::newRow("column 1 of 1s") << grid("1../1../1..") << 1;
        QTest::newRow("column 2 of 2s") << grid(".2./.2./.2.") << 2;
        QTest::newRow("column 3 of 2s") << grid("..2/..2/..2") << 2;
        QTest::newRow("row 1 of 2s") << grid("222/.../...") << 2;
        QTest::newRow("row 2 of 1s") << grid(".../111/...") << 1;
        QTest::newRow("row 3 of 1s") << grid(".../.../111") << 1;
        QTest::newRow("main diagonal of 2s") << grid("2../.2./..2") << 2;
        QTest::newRow("anti-diagonal of 1s") << grid("..1/.1./1..") << 1;
        QTest::newRow("two and a gap") << grid("22./.../...") << 0;
        QTest::newRow("two and a foe") << grid("221/.../...") << 0;
        QTest::newRow("full board, no line") << grid("121/221/112") << 0;
        QTest::newRow("empty board") << grid(".../.../...") << 0;
        QTest::newRow("column 1 before column 3") << grid("2.1/2.1/2.1") << 2;
        QTest::newRow("row 1 before row 3") << grid("111/.../222") << 1;
    }
    void wonFindsTheFirstFullLine()
    {
        QFETCH(Board, board);
        QFETCH(int, winner);
        QCOMPARE(fullLineMark(board), winner);

        Game game;
        game.form.board = board;
        game.form.turn = 1;
        game.form.won();
        QCOMPARE(game.form.winner, winner);
        QCOMPARE(game.form.turn, winner ? 0 : 1); // without a line nothing is written
    }

    void wonNeverClearsAWinnerAndIgnoresTheZeroIndex()
    {
        Game game;
        game.form.winner = 2;
        game.form.turn = 2;
        game.form.board[0][1] = game.form.board[0][2] = game.form.board[0][3] = 1;
        game.form.won();
        QCOMPARE(game.form.winner, 2);
        QCOMPARE(game.form.turn, 2);
    }

    void openLineFindsTheFirstLineWithTwoAndAGap_data()
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
        QTest::newRow("two 1s and a 2") << grid("1../1../2..") << 1 << 0 << 0;
        QTest::newRow("a full line is no open line") << grid("1../1../1..") << 1 << 0 << 0;
        QTest::newRow("the other mark's two") << grid("1../1../...") << 2 << 0 << 0;
        QTest::newRow("empty board") << grid(".../.../...") << 2 << 0 << 0;
        QTest::newRow("full board") << grid("121/221/112") << 1 << 0 << 0;
    }
    void openLineFindsTheFirstLineWithTwoAndAGap()
    {
        QFETCH(Board, board);
        QFETCH(int, mark);
        QFETCH(int, col);
        QFETCH(int, row);
        const auto gap = openLine(board, mark);
        QCOMPARE(gap.has_value(), col != 0);
        if (gap)
            QVERIFY((*gap == CellPos{col, row}));
    }

    void movetowinCompletesTheLineAndWins()
    {
        Game game;
        game.form.board = grid(".1./.../.1.");
        game.form.turn = 1;
        game.form.movetowin();
        QCOMPARE(game.form.board, grid(".1./.1./.1."));
        QCOMPARE(game.form.winner, 1);
        QCOMPARE(game.form.turn, 0);
        QCOMPARE(game.tk.drawing().front(), std::string("cls"));
    }

    void movetoblockWritesTheComputersMarkAndHandsOver()
    {
        Game game;
        game.form.board = grid("22./2../...");
        game.form.turn = 1;
        game.form.movetoblock();
        QCOMPARE(game.form.board, grid("22./2../1.."));
        QCOMPARE(game.form.turn, 2);
        QCOMPARE(game.form.winner, 0);
    }

    void aBlockThatCompletesALineOfOnesEndsTheGame()
    {
        Game game;
        game.form.board = grid(".2./1.1/.2.");
        game.form.turn = 1;
        game.form.movetoblock();
        QCOMPARE(game.form.board, grid(".2./111/.2."));
        QCOMPARE(game.form.winner, 1);
        QCOMPARE(game.form.turn, 0);
    }

    void withoutALineTheSearchChangesNothingAndDoesNotRedraw()
    {
        for (const char* rows : {".../.../...", "121/221/112", "2../2../1.."}) {
            Game game;
            game.form.board = grid(rows);
            game.form.turn = 1;
            game.form.movetowin();
            game.form.movetoblock();
            QCOMPARE(game.form.board, grid(rows));
            QCOMPARE(game.form.turn, 1);
            QVERIFY(game.tk.calls.empty());
        }
    }
};

QTEST_APPLESS_MAIN(Rules)
#include "test_rules.moc"
