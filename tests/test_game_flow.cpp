// "Start " and the mouse handler over the fakes: two people, or one and the computer's turns.

#include "fakes.h"

#include <QTest>

using Strings = std::vector<std::string>;

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
        QCOMPARE(game.form.winner, 0);
        QCOMPARE(game.form.moves, 0);
        QCOMPARE(game.form.turn, 1);
        QCOMPARE(game.tk.timer1, false);
        QCOMPARE(game.tk.text1, std::string("#moves=0"));

        game.start(true, true);
        QCOMPARE(game.form.turn, 2);
        QCOMPARE(game.tk.timer1, true);
        // The activation's drawing, then one more.
        QCOMPARE(std::count(game.tk.calls.begin(), game.tk.calls.end(), "cls"), 4);
    }

    void startPlaysItsCueOnTheFirstOfEveryFourPresses()
    {
        Game game;
        std::vector<int> pressesWithCue;
        for (int press = 1; press <= 9; ++press) {
            const size_t before = game.player.played.size();
            game.start();
            if (game.player.played.size() > before)
                pressesWithCue.push_back(press);
        }
        QCOMPARE(pressesWithCue, (std::vector<int>{1, 5, 9}));
        QCOMPARE(game.player.played, (std::vector<int>{101, 101, 101}));
        QCOMPARE(game.form.starts, 9);
    }

    void beforeAnyStartClicksChangeNothing()
    {
        Game game;
        game.form.activate();
        game.click(2, 2);
        QCOMPARE(game.form.board, grid(".../.../..."));
        QCOMPARE(game.form.moves, 0);
        QCOMPARE(game.tk.text1, std::string("#moves=0"));
    }

    void aClickCountsBeforeTheCellIsLookedAt()
    {
        Game game;
        game.start();
        game.click(2, 2);
        QCOMPARE(game.form.board, grid(".../.2./..."));
        QCOMPARE(game.form.turn, 1);
        game.form.turn = 2;
        game.click(2, 2); // occupied: counted, nothing placed, still the player's turn
        QCOMPARE(game.form.moves, 2);
        QCOMPARE(game.tk.text1, std::string("#moves=2"));
        QCOMPARE(game.form.turn, 2);
        game.form.mouseDown(-20, 200); // far outside the grid: the nearest cell
        QCOMPARE(game.form.board[1][3], 2);
    }

    void twoPeopleAlternateAndOnlyThePlayersClicksCount()
    {
        Game game;
        game.start(true, false);
        game.click(1, 1); // one click never places two marks
        QCOMPARE(game.form.board, grid("2../.../..."));
        game.click(2, 2);
        QCOMPARE(game.form.board, grid("2../.1./..."));
        game.click(3, 3);
        QCOMPARE(game.form.moves, 2);
        QCOMPARE(game.form.turn, 1);
    }

    void theSecondPersonMovesFirstWhenTheComputerIsOff()
    {
        Game game;
        game.start(false, false);
        game.click(3, 1);
        QCOMPARE(game.form.board, grid("..1/.../..."));
        QCOMPARE(game.form.moves, 0);
    }

    void thePlayersWinClearsTheStateThenCuesThenShowsTheBox_data()
    {
        QTest::addColumn<int>("symbol"); // 1 "You are X", 2 "You are O"
        QTest::addColumn<QString>("text");
        QTest::newRow("playing X") << 1 << "X's win";
        QTest::newRow("playing O") << 2 << "O's win";
    }
    void thePlayersWinClearsTheStateThenCuesThenShowsTheBox()
    {
        QFETCH(int, symbol);
        QFETCH(QString, text);
        Game game;
        game.tk.select(symbol);
        game.start(true, false);
        Strings seen;
        game.player.onPlay = [&](int id) {
            seen.push_back("cue " + std::to_string(id) + " turn " + std::to_string(game.form.turn)
                           + " winner " + std::to_string(game.form.winner));
        };
        game.tk.onMessage = [&](const std::string& t) {
            seen.push_back("box " + t + " turn " + std::to_string(game.form.turn));
        };
        for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}})
            game.click(col, row);
        QCOMPARE(seen, (Strings{"cue 103 turn 0 winner 0", "box " + text.toStdString() + " turn 0"}));
        game.click(3, 3); // the game stands still until the next "Start "
        QCOMPARE(game.form.board[3][3], 0);
        QCOMPARE(game.tk.messages().size(), size_t(1));
    }

    void theOpponentsWinNamesTheOtherSymbolWithoutACue_data()
    {
        QTest::addColumn<int>("symbol");
        QTest::addColumn<QString>("text");
        QTest::newRow("playing X") << 1 << "O's win";
        QTest::newRow("playing O") << 2 << "X's win";
    }
    void theOpponentsWinNamesTheOtherSymbolWithoutACue()
    {
        QFETCH(int, symbol);
        QFETCH(QString, text);
        Game game;
        game.tk.select(symbol);
        game.start(true, false);
        for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}, {3, 3}, {2, 3}})
            game.click(col, row);
        QCOMPARE(game.tk.messages(), (Strings{text.toStdString()}));
        QCOMPARE(game.player.played, (std::vector<int>{101})); // only "Start "'s own cue
        QCOMPARE(std::pair(game.form.turn, game.form.winner), std::pair(0, 0));
    }

    void aFullBoardWithoutALineEndsNothing()
    {
        Game game;
        game.start(true, false);
        // The player's last mark fills the board and makes no line.
        for (auto [col, row] : {std::pair{2, 2}, {1, 1}, {2, 1}, {2, 3}, {1, 2}, {3, 2}, {3, 3}, {1, 3}, {3, 1}})
            game.click(col, row);
        QCOMPARE(game.form.board, grid("122/221/112"));
        QCOMPARE(game.form.turn, 1);
        QVERIFY(game.tk.messages().empty());
    }
};

QTEST_APPLESS_MAIN(GameFlow)
#include "test_game_flow.moc"
