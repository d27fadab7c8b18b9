// The computer's turn on the timer tick, with scripted random numbers and panel values.

#include "fakes.h"

#include <QTest>

#include <random>

namespace {
// A game against the computer at a strength (5 "Easy", 6 "Better", 7 "Best").
struct Match : Game {
    explicit Match(int strength, bool youFirst)
    {
        tk.select(strength);
        if (strength == 5)
            form.option5Click();
        if (strength == 6)
            form.option6Click();
        if (strength == 7)
            form.option7Click();
        start(youFirst, true);
    }
    void tick() { form.timer1Timer(); }
};
} // namespace

class ComputerTurn : public QObject {
    Q_OBJECT
private slots:
    void ticksOutsideTheComputersTurnChangeNothing()
    {
        for (int turn : {0, 2}) {
            Match game(7, true);
            game.form.turn = turn;
            game.tick();
            QCOMPARE(game.form.board, grid(".../.../..."));
            QCOMPARE(game.form.turn, turn);
            QCOMPARE(game.tk.randomsDrawn, 0);
            QVERIFY(game.tk.messages().empty());
        }
    }

    void easyPlaysTheRandomCellOrWaitsWhenItIsTaken()
    {
        Match game(5, false);
        game.tk.randoms = {0.5, 0.999}; // column 2, row 3
        game.tick();
        QCOMPARE(game.form.board, grid(".../.../.1."));
        QCOMPARE(game.form.turn, 2);
        game.click(1, 1);
        game.tk.randoms = {0.0, 0.0}; // (1, 1) is taken: nothing this tick
        game.tick();
        QCOMPARE(game.form.board, grid("2../.../.1."));
        QCOMPARE(game.form.turn, 1);
        QCOMPARE(game.tk.randomsDrawn, 4);
    }

    void betterBlocksBeforeTryingARandomCell()
    {
        Match game(6, true);
        game.form.board = grid("2../2../...");
        game.form.turn = 1;
        game.tick();
        QCOMPARE(game.form.board, grid("2../2../1.."));
        QCOMPARE(game.tk.randomsDrawn, 0);
        // "Better" never completes its own line: with nothing to block it plays at random.
        game.form.board = grid("1../1../...");
        game.form.turn = 1;
        game.tk.randoms = {0.9, 0.1};
        game.tick();
        QCOMPARE(game.form.board, grid("1.1/1../..."));
    }

    void bestAnswersComputerFirstOpenings()
    {
        Match game(7, false);
        game.tick();
        QCOMPARE(game.form.board, grid(".../.1./...")); // the centre
        game.click(1, 2);
        game.tick();
        QCOMPARE(game.form.board, grid("1../21./...")); // first free corner
        game.click(3, 3);
        game.tick();
        QCOMPARE(game.form.board, grid("11./21./..2")); // the answer to the second click
        QCOMPARE(game.tk.randomsDrawn, 0);
    }

    void aClickOnTheTakenCentreCountsTowardsTheAnswer()
    {
        Match game(7, false);
        game.tick();
        game.click(2, 2); // counted, nothing placed
        game.click(1, 2);
        QCOMPARE(game.form.moves, 2);
        game.tick();
        QCOMPARE(game.form.board, grid(".1./21./..."));
    }

    void bestAnswersYouGoFirstOpenings()
    {
        Match game(7, true);
        game.click(2, 2);
        game.tick();
        QCOMPARE(game.form.board, grid("1../.2./..."));
        game.click(3, 3);
        game.tick();
        QCOMPARE(game.form.board, grid("1../.2./1.2"));

        Match corner(7, true);
        corner.click(1, 3);
        corner.tick();
        QCOMPARE(corner.form.board, grid(".../.1./2.."));
    }

    void aMidGameChangeOfFirstMoverNeverOverwritesThePlayer()
    {
        Match game(7, true);
        game.click(2, 1);
        game.tick();
        QCOMPARE(game.form.board, grid(".2./.1./..."));
        game.tk.select(4); // "Computer First", mid-game
        game.click(1, 2);
        game.tick();
        QCOMPARE(game.form.board, grid("12./21./...")); // (2, 1) keeps the player's mark
        QCOMPARE(game.form.turn, 2);
    }

    void aFullBoardOnTheComputersTurnStaysSoWithoutAMessage()
    {
        Match game(5, true);
        game.form.board = grid("122/221/112");
        game.form.turn = 1;
        for (int i = 0; i < 5; ++i) {
            game.tk.randoms = {0.1, 0.7};
            game.tick();
        }
        QCOMPARE(game.form.board, grid("122/221/112"));
        QCOMPARE(game.form.turn, 1);
        QCOMPARE(game.tk.randomsDrawn, 10);
        QVERIFY(game.tk.messages().empty());
    }

    void theComputersWinIsAnnouncedInTheSameTickWithoutACue_data()
    {
        QTest::addColumn<int>("symbol");
        QTest::addColumn<QString>("text");
        QTest::newRow("playing X") << 1 << "O's win";
        QTest::newRow("playing O") << 2 << "X's win";
    }
    void theComputersWinIsAnnouncedInTheSameTickWithoutACue()
    {
        QFETCH(int, symbol);
        QFETCH(QString, text);
        Match game(5, false);
        game.tk.select(symbol);
        game.form.board = grid("11./22./...");
        game.form.turn = 1;
        game.tk.randoms = {0.9, 0.1}; // (3, 1) completes row 1
        const size_t cues = game.player.played.size();
        game.tick();
        QCOMPARE(game.tk.messages(), std::vector<std::string>{text.toStdString()});
        QCOMPARE(game.player.played.size(), cues);
        QCOMPARE(std::pair(game.form.turn, game.form.winner), std::pair(0, 0));
        game.click(3, 3);
        QCOMPARE(game.form.board[3][3], 0);
    }

    void aTickThatPlaysAFixedReplyLeavesAnyWinToTheNextTick()
    {
        Match game(7, true);
        game.form.turn = 1;
        game.form.winner = 2; // recorded, not yet announced
        const size_t cues = game.player.played.size();
        game.tick();
        QCOMPARE(game.form.board, grid(".../.1./..."));
        QVERIFY(game.tk.messages().empty());
        game.tick();
        QCOMPARE(game.tk.messages(), std::vector<std::string>{"X's win"});
        QCOMPARE(game.player.played.size(), cues); // the tick plays no cue, not even this win's
    }

    void aWaitingClickIsHandledFirstAndAnsweredInTheSameTick()
    {
        Match game(7, true);
        game.tk.pendingEvents = [&] { game.click(2, 2); };
        game.tick();
        QCOMPARE(game.form.board, grid("1../.2./..."));
    }

    // Thousands of random sessions: whatever the order of clicks, option changes, presses and
    // ticks, the board stays a board and the computer never takes a placed mark.
    void randomSessionsKeepTheBoardSound()
    {
        std::mt19937 random(2024);
        const auto below = [&](int n) { return static_cast<int>(random() % n); };
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (int session = 0; session < 1000; ++session) {
            Game game;
            game.tk.moreRandoms = [&] { return unit(random); };
            game.form.activate();
            for (int step = 0; step < 80; ++step) {
                const Board before = game.form.board;
                const int event = below(10);
                bool restarted = false;
                if (event < 4) {
                    game.form.mouseDown(unit(random) * 220 - 20, unit(random) * 200);
                } else if (event < 7) {
                    game.form.timer1Timer();
                } else if (event == 7) {
                    game.start(below(2), below(2));
                    restarted = true;
                } else {
                    const int option = 1 + below(8); // 8 is the check box
                    if (option == 8) {
                        game.tk.check1 = 1 - game.tk.check1;
                        game.form.check1Click();
                    } else {
                        game.tk.select(option);
                        void (Form1::*clicks[])() = {&Form1::option1Click, &Form1::option2Click,
                                                     &Form1::option3Click, &Form1::option4Click,
                                                     &Form1::option5Click, &Form1::option6Click,
                                                     &Form1::option7Click};
                        (game.form.*clicks[option - 1])();
                    }
                }
                int placed = 0;
                for (int c = 0; c <= 3; ++c) {
                    for (int r = 0; r <= 3; ++r) {
                        const int now = game.form.board[c][r];
                        QVERIFY(now >= 0 && now <= 2);
                        if (c == 0 || r == 0)
                            QCOMPARE(now, 0);
                        if (!restarted && before[c][r] != 0)
                            QCOMPARE(now, before[c][r]);
                        placed += before[c][r] == 0 && now != 0;
                    }
                }
                QVERIFY(placed <= 1);
                QVERIFY(game.form.turn >= 0 && game.form.turn <= 2);
                QVERIFY(game.form.winner >= 0 && game.form.winner <= 2);
            }
        }
    }
};

QTEST_APPLESS_MAIN(ComputerTurn)
#include "test_computer.moc"
