// "Start " and the mouse handler over the fakes.

#include "fakes.h"

#include <QTest>

class GameFlow : public QObject {
    Q_OBJECT
private slots:
    void startResetsTheGameAndReadsThePanel()
    {
        Game game;
        game.form.board = grid("12./.../...");
        game.form.winner = 2;
        game.form.moves = 5;
        game.tk.text1 = "typed by the user";
        game.start(false, false);
        QCOMPARE(game.form.board, grid(".../.../..."));
        QCOMPARE(std::tuple(game.form.winner, game.form.moves, game.form.turn), std::tuple(0, 0, 1));
        QCOMPARE(std::pair(game.tk.timer1, game.tk.text1), std::pair(false, std::string("#moves=0")));
        game.start(true, true);
        QCOMPARE(std::pair(game.tk.timer1, game.form.turn), std::pair(true, 2));
        QCOMPARE(std::count(game.tk.calls.begin(), game.tk.calls.end(), "cls"), 4); // Activate's, then one more
    }

    void startPlaysItsCueOnTheFirstOfEveryFourPresses()
    {
        Game game;
        std::vector<int> pressesWithCue;
        for (int press = 1; press <= 9; ++press) {
            game.player.onPlay = [&](int id) { pressesWithCue.push_back(press * 1000 + id); };
            game.start();
        }
        QCOMPARE(pressesWithCue, (std::vector<int>{1101, 5101, 9101}));
    }

    void theLocalPlayersClicksCountBeforeTheCellIsLookedAt()
    {
        Game game;
        game.form.activate();
        game.click(2, 2); // no game yet: not even counted
        QCOMPARE(std::pair(game.form.moves, game.form.board), std::pair(0, Board{}));
        game.start();
        game.click(2, 2);
        QCOMPARE(std::pair(game.form.turn, game.form.board), std::pair(1, grid(".../.2./...")));
        game.form.turn = 2;
        game.click(2, 2); // taken: counted, nothing placed, still the player's turn
        QCOMPARE(std::tuple(game.form.moves, game.tk.text1, game.form.turn), std::tuple(2, std::string("#moves=2"), 2));
        game.form.mouseDown(-20, 200); // far outside the grid: the nearest cell
        QCOMPARE(game.form.board[1][3], 2);
    }

    void twoPeopleAlternateAndOnlyThePlayersClicksCount()
    {
        Game game;
        game.start(false, false); // the second person first
        game.clicks({{3, 1}, {1, 1}, {2, 2}});
        QCOMPARE(game.form.board, grid("2.1/.1./..."));
        QCOMPARE(std::pair(game.form.moves, game.form.turn), std::pair(1, 2));
    }

    // The win is announced after clearing the state, with the victory cue for the local player only.
    void winsAreAnnouncedForEitherSideInEitherSymbol_data()
    {
        QTest::addColumn<int>("symbol"); // 1 "You are X", 2 "You are O"
        QTest::addColumn<bool>("playerWins");
        QTest::addColumn<QString>("expected");
        QTest::newRow("player as X") << 1 << true << "cue 103 turn 0 winner 0, box X's win";
        QTest::newRow("player as O") << 2 << true << "cue 103 turn 0 winner 0, box O's win";
        QTest::newRow("opponent, player X") << 1 << false << "box O's win";
        QTest::newRow("opponent, player O") << 2 << false << "box X's win";
    }
    void winsAreAnnouncedForEitherSideInEitherSymbol()
    {
        QFETCH(int, symbol);
        QFETCH(bool, playerWins);
        QFETCH(QString, expected);
        Game game;
        game.tk.select(symbol);
        game.start(true, false);
        QString seen;
        game.player.onPlay = [&](int id) {
            seen += QString("cue %1 turn %2 winner %3, ").arg(id).arg(game.form.turn).arg(game.form.winner);
        };
        game.clicks({{1, 1}, {2, 1}, {1, 2}, {2, 2}});
        if (playerWins)
            game.click(1, 3);
        else
            game.clicks({{3, 3}, {2, 3}});
        QCOMPARE(seen + "box " + QString::fromStdString(game.tk.messages().at(0)), expected);
        game.click(3, 1); // the game stands still until the next "Start "
        QCOMPARE(std::tuple(game.form.board[3][1], game.form.turn, game.tk.messages().size()), std::tuple(0, 0, size_t(1)));
    }

    void aFullBoardWithoutALineEndsNothing()
    {
        Game game;
        game.start(true, false);
        game.clicks({{2, 2}, {1, 1}, {2, 1}, {2, 3}, {1, 2}, {3, 2}, {3, 3}, {1, 3}, {3, 1}});
        QCOMPARE(game.form.board, grid("122/221/112"));
        QCOMPARE(game.form.turn, 1);
        QVERIFY(game.tk.messages().empty());
    }
};

QTEST_APPLESS_MAIN(GameFlow)
#include "test_game_flow.moc"
