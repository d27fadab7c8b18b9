// The computer's turn on the timer tick, with scripted random numbers and panel values.

#include "fakes.h"

#include <QTest>

#include <random>

namespace {
// A game against the computer at a strength (5 "Easy", 6 "Better", 7 "Best").
struct Match : Game {
    Match(int strength, bool youFirst)
    {
        tk.select(strength);
        (form.*(strength == 5 ? &Form1::option5Click : strength == 6 ? &Form1::option6Click : &Form1::option7Click))();
        start(youFirst, true);
    }
    // Plays a script: "t" is a tick, "12" a click on cell (1, 2), "r0.5" a scripted number.
    Match& play(const std::string& script)
    {
        std::istringstream words(script);
        for (std::string w; words >> w;) {
            if (w == "t")
                form.timer1Timer();
            else if (w[0] == 'r')
                tk.randoms.push_back(std::stod(w.substr(1)));
            else
                click(w[0] - '0', w[1] - '0');
        }
        return *this;
    }
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
            game.play("t t");
            QCOMPARE(std::tuple(game.form.board, game.form.turn, game.tk.randomsDrawn), std::tuple(Board{}, turn, 0));
        }
    }

    // Each row: strength, who goes first, the script, the board after it.
    void theComputerAnswersByItsStrength_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<bool>("youFirst");
        QTest::addColumn<QString>("script");
        QTest::addColumn<Board>("board");
        QTest::newRow("Easy: the random cell") << 5 << false << "r0.5 r0.999 t" << grid(".../.../.1.");
        QTest::newRow("Easy: waits when it is taken") << 5 << false << "r0 r0 t 22 r0.5 r0.5 t r0 r0.99 t"
                                                      << grid("1../.2./1..");
        QTest::newRow("Better: blocks first") << 6 << true << "11 r0.9 r0.9 t 12 t" << grid("2../2../1.1");
        QTest::newRow("Better: never completes") << 6 << false << "r0 r0 t 22 r0 r0.5 t 33 r0.9 r0 t"
                                                 << grid("1.1/12./..2");
        QTest::newRow("Best, Computer First") << 7 << false << "t 12 t 33 t" << grid("11./21./..2");
        QTest::newRow("Best: a click on the taken centre counts") << 7 << false << "t 22 12 t" << grid(".1./21./...");
        QTest::newRow("Best, You Go First") << 7 << true << "22 t 33 t" << grid("1../.2./1.2");
        QTest::newRow("Best: corner opening") << 7 << true << "13 t" << grid(".../.1./2..");
    }
    void theComputerAnswersByItsStrength()
    {
        QFETCH(int, strength);
        QFETCH(bool, youFirst);
        QFETCH(QString, script);
        QFETCH(Board, board);
        Match game(strength, youFirst);
        QCOMPARE(game.play(script.toStdString()).form.board, board);
        QVERIFY(game.tk.randoms.empty()); // every scripted number was drawn
    }

    void aMidGameChangeOfFirstMoverNeverOverwritesThePlayer()
    {
        Match game(7, true);
        game.play("21 t");
        game.tk.select(4); // "Computer First", mid-game
        game.play("12 t");
        QCOMPARE(game.form.board, grid("12./21./...")); // (2, 1) keeps the player's mark
        QCOMPARE(game.form.turn, 2);
    }

    void aFullBoardOnTheComputersTurnStaysSoWithoutAMessage()
    {
        Match game(5, true);
        game.form.board = grid("122/221/112");
        game.form.turn = 1;
        game.play("r0.1 r0.7 t r0.5 r0.5 t");
        QCOMPARE(std::tuple(game.form.board, game.form.turn, game.tk.messages()), std::tuple(grid("122/221/112"), 1, Strings{}));
    }

    void theComputersWinIsAnnouncedInTheSameTickWithoutACue()
    {
        for (auto [symbol, text] : {std::pair{1, "O's win"}, {2, "X's win"}}) {
            Match game(5, false);
            game.tk.select(symbol);
            game.form.board = grid("11./22./...");
            game.form.turn = 1;
            const size_t cues = game.player.played.size();
            game.play("r0.9 r0.1 t 33"); // (3, 1) completes row 1; the click after it does nothing
            QCOMPARE(game.tk.messages(), Strings{text});
            QCOMPARE(std::tuple(game.player.played.size(), game.form.turn, game.form.winner, game.form.board[3][3]),
                     std::tuple(cues, 0, 0, 0));
        }
    }

    void aTickThatPlaysAFixedReplyLeavesAnyWinToTheNextTick()
    {
        Match game(7, true);
        game.form.turn = 1;
        game.form.winner = 2; // recorded, not yet announced
        const size_t cues = game.player.played.size();
        game.play("t");
        QCOMPARE(std::pair(game.form.board, game.tk.messages()), std::pair(grid(".../.1./..."), Strings{}));
        game.play("t");
        QCOMPARE(game.tk.messages(), Strings{"X's win"});
        QCOMPARE(game.player.played.size(), cues); // the tick plays no cue, not even for this win
    }

    void aWaitingClickIsHandledFirstAndAnsweredInTheSameTick()
    {
        Match game(7, true);
        game.tk.pendingEvents = [&] { game.click(2, 2); };
        game.play("t");
        QCOMPARE(game.form.board, grid("1../.2./..."));
    }

    // Random sessions of clicks, option changes, presses and ticks: the board stays a board, a
    // placed mark changes only with "Start ", and one event places at most one mark.
    void randomSessionsKeepTheBoardSound()
    {
        std::mt19937 random(2024);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        const auto below = [&](int n) { return int(random() % n); };
        void (Form1::*const optionClicks[])() = {&Form1::option1Click, &Form1::option2Click, &Form1::option3Click,
                                                 &Form1::option4Click, &Form1::option5Click, &Form1::option6Click,
                                                 &Form1::option7Click};
        for (int session = 0; session < 1000; ++session) {
            Game game;
            game.tk.moreRandoms = [&] { return unit(random); };
            for (int step = 0; step < 80; ++step) {
                const Board before = game.form.board;
                const int event = below(10);
                if (event < 4)
                    game.form.mouseDown(unit(random) * 220 - 20, unit(random) * 200);
                else if (event < 7)
                    game.form.timer1Timer();
                else if (event == 7)
                    game.start(below(2), below(2));
                else if (const int option = 1 + below(8); option == 8)
                    game.tk.check1 = 1 - game.tk.check1, game.form.check1Click();
                else
                    game.tk.select(option), (game.form.*optionClicks[option - 1])();
                int placed = 0;
                for (int c = 0; c <= 3; ++c) {
                    for (int r = 0; r <= 3; ++r) {
                        const int now = game.form.board[c][r];
                        QVERIFY(now >= 0 && now <= 2 && (now == 0 || (c > 0 && r > 0)));
                        QVERIFY(event == 7 || before[c][r] == 0 || now == before[c][r]);
                        placed += before[c][r] == 0 && now != 0;
                    }
                }
                QVERIFY(placed <= 1);
                QVERIFY(game.form.turn >= 0 && game.form.turn <= 2 && game.form.winner >= 0 && game.form.winner <= 2);
            }
        }
    }
};

QTEST_APPLESS_MAIN(ComputerTurn)
#include "test_computer.moc"
