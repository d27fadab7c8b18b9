// The game's logic over the recording fakes: the rules as pure functions, drawing, "Start " and
// the clicks, the cues and their file, and the computer's turn.

#include "ai/line_search.h"
#include "fakes.h"
#include "game/win.h"

#include <QDir>
#include <QSysInfo>
#include <QTest>

#include <filesystem>

namespace {
// The descriptors this process holds, where the system lists them (Linux); elsewhere none. Under
// Wine, /proc/self/fd is the Wine process's own list, which comes and goes as Wine likes.
long openFiles()
{
    if (QSysInfo::kernelType() != "linux")
        return 0;
    std::error_code unlisted;
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd", unlisted), {});
}

std::string contents(const std::string& path) { return (std::ostringstream() << std::ifstream(path).rdbuf()).str(); }

} // namespace

class Logic : public QObject {
    Q_OBJECT
private slots:
    void cellIndexSplitsTheSurfaceAtTheGridLines()
    {
        const std::pair<double, int> cases[] = {{74.9f, 1}, {75, 2}, {124.9f, 2}, {125, 3}, {-20, 1}, {200, 3},
                                                {-1e9, 1},  {1e9, 3}, {50, 1},     {100, 2}, {std::nan(""), 1}};
        for (auto [c, index] : cases)
            QVERIFY2(cellIndex(c) == index, qPrintable(QString::number(c)));
    }

    void wonRecordsTheFirstFullLineOnly()
    {
        const std::pair<const char*, int> cases[] = {
            {"1../1../1..", 1}, {".2./.2./.2.", 2}, {"222/.../...", 2}, {".../.../111", 1}, {"2../.2./..2", 2},
            {"..1/.1./1..", 1}, {"22./.../...", 0}, {"221/.../...", 0}, {"121/221/112", 0}, {"2.1/2.1/2.1", 2}};
        for (auto [rows, winner] : cases) {
            Game game;
            game.form.board = grid(rows), game.form.turn = 1;
            game.form.won();
            QCOMPARE(std::tuple(rows, game.form.winner, game.form.turn), std::tuple(rows, winner, winner ? 0 : 1));
        }
    }

    // movetowin (mark 1) and movetoblock (mark 2) fill the gap of the first line, in line order,
    // that holds two of the mark, with the computer's mark; then draw and check for a win.
    void theLineMovesFillTheFirstOpenLine_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("mark");
        QTest::addColumn<QString>("after");
        QTest::newRow("the anti-diagonal, its last cell") << ".../.2./2.." << 2 << "..1/.2./2..";
        QTest::newRow("column 1 before row 1") << "22./2../..." << 2 << "22./2../1..";
        QTest::newRow("column 1 before column 2") << "221/.../221" << 2 << "221/1../221";
        QTest::newRow("column 2 before column 3") << ".11/.../.11" << 1 << ".11/.1./.11";
        QTest::newRow("column 3 before row 1") << "2.2/..2/..." << 2 << "2.2/..2/..1";
        QTest::newRow("row 1 before row 2") << "11./.11/.2." << 1 << "111/.11/.2.";
        QTest::newRow("row 2 before row 3") << ".1./22./.22" << 2 << ".1./221/.22";
        QTest::newRow("row 3 before the main diagonal") << "1../.../.11" << 1 << "1../.../111";
        QTest::newRow("the main diagonal before the anti-diagonal") << "2../12./2.." << 2 << "2../12./2.1";
        QTest::newRow("a line whose third cell is taken is passed over") << "22./2../1.." << 2 << "221/2../1..";
        QTest::newRow("a block that also wins") << ".2./1.1/.2." << 2 << ".2./111/.2.";
        QTest::newRow("three of a mark: no move, and no win recorded") << "1../1../1.." << 1 << "1../1../1..";
        QTest::newRow("the other mark's two") << "1../1../..." << 2 << "1../1../...";
    }
    void theLineMovesFillTheFirstOpenLine()
    {
        QFETCH(QString, board);
        QFETCH(int, mark);
        QFETCH(QString, after);
        Game game;
        game.form.board = grid(board.toStdString()), game.form.turn = 1;
        mark == 1 ? game.form.movetowin() : game.form.movetoblock();
        const bool moved = board != after;
        const int winner = moved ? fullLineMark(grid(after.toStdString())) : 0;
        QCOMPARE(game.form.board, grid(after.toStdString()));
        QCOMPARE(std::tuple(game.form.turn, game.form.winner, game.tk.calls.empty()), std::tuple(moved ? (winner ? 0 : 2) : 1, winner, !moved));
    }

    // "You are X": the player's 2 an X, the opponent's 1 an O, 10 units from the cell's centre, in a
    // pen of the outer width over 500, an exact half rounded to the even neighbour.
    void marksAreDrawnInTheChosenSymbolsInAPenOfTheWindowsWidth()
    {
        for (auto [twips, pen] : {std::pair{7250, "width 14"}, {7500, "width 15"}, {7750, "width 16"}}) {
            Game game;
            game.tk.widthTwips = twips;
            game.form.board = grid("1../.../.2.");
            game.form.drawboard();
            QCOMPARE(game.tk.calls, (Strings{"cls", pen, "line 125 30 125 170", "line 75 30 75 170", "line 30 75 170 75", "line 30 125 170 125",
                                             "circle 50 50 10", "line 90 160 110 140", "line 90 140 110 160"}));
        }
    }

    // Each control's cue, and the strength flags after it.
    void eachControlPlaysItsOwnCue()
    {
        Game game;
        Strings seen;
        for (auto click : {&Form1::option7Click, &Form1::option6Click, &Form1::option5Click, &Form1::option2Click,
                           &Form1::option1Click, &Form1::option3Click, &Form1::option4Click, &Form1::check1Click}) {
            (game.form.*click)();
            seen.push_back(std::to_string(game.player.played.back()) + " " + std::to_string(game.form.useblock) + std::to_string(game.form.usewin));
        }
        QCOMPARE(seen, (Strings{"103 11", "102 10", "104 00", "105 00", "107 00", "108 00", "106 00", "109 00"}));
    }

    void startResetsTheGameAndPlaysItsCueOnEveryFourthPress()
    {
        Game game;
        int press = 1;
        std::vector<int> cues; // the press that played a cue, and the cue
        game.player.onPlay = [&](int id) { cues.push_back(press * 1000 + id); };
        game.form.board = grid("12./.../..."), game.form.winner = 2, game.form.moves = 5;
        game.tk.text1 = "typed by the user";
        game.start(false, false);
        QCOMPARE(std::tuple(game.form.board, game.form.winner, game.form.moves, game.form.turn, game.tk.timer1, game.tk.text1),
                 std::tuple(Board{}, 0, 0, 1, false, std::string("#moves=0")));
        for (press = 2; press <= 9; ++press)
            game.start(true, true);
        QCOMPARE(std::tuple(game.tk.timer1, game.form.turn, cues), std::tuple(true, 2, std::vector<int>{1101, 5101, 9101}));
    }

    void theLocalPlayersClicksCountBeforeTheCellIsLookedAt()
    {
        Game game;
        game.form.activate();
        game.play("22"); // no game yet: not even counted
        QCOMPARE(std::pair(game.form.moves, game.form.board), std::pair(0, Board{}));
        game.start();
        game.play("22");
        QCOMPARE(std::tuple(game.form.turn, game.form.board, game.tk.calls.back()),
                 std::tuple(1, grid(".../.2./..."), std::string("line 90 90 110 110"))); // drawn at once
        game.form.turn = 2, game.play("22"); // taken: counted, nothing placed, still the player's turn
        QCOMPARE(std::tuple(game.form.moves, game.tk.text1, game.form.turn), std::tuple(2, std::string("#moves=2"), 2));
    }

    void twoPeopleAlternateUntilALineOrAFullBoard()
    {
        Game game;
        game.start(false, false); // the second person first; no line: the game stops without a word
        game.play("11 21 31 22 12 32 23 13 33");
        QCOMPARE(std::tuple(game.form.board, game.form.moves, game.form.turn, game.tk.boxes, game.tk.calls.back()),
                 std::tuple(grid("121/122/211"), 4, 2, Strings{}, std::string("circle 150 150 10")));
    }

    // The win is announced after clearing the state, with the victory cue for the local player only.
    void winsAreAnnouncedForEitherSideInEitherSymbol()
    {
        const std::tuple<int, bool, const char*> cases[] = {{1, true, "cue 103 turn 0 winner 0, box X's win"},
                                                            {2, true, "cue 103 turn 0 winner 0, box O's win"},
                                                            {1, false, "box O's win"},
                                                            {2, false, "box X's win"}};
        for (auto [symbol, playerWins, expected] : cases) {
            Game game;
            game.tk.select(symbol);
            game.start(true, false);
            std::string seen;
            game.player.onPlay = [&](int id) {
                seen += "cue " + std::to_string(id) + " turn " + std::to_string(game.form.turn) + " winner " + std::to_string(game.form.winner) + ", ";
            };
            game.play(playerWins ? "11 21 12 22 13" : "11 21 12 22 33 23");
            QCOMPARE(seen + "box " + game.tk.boxes.at(0), std::string(expected));
            game.play("31"); // the game stands still until the next "Start "
            QCOMPARE(std::tuple(game.form.board[3][1], game.form.turn, game.tk.boxes.size()), std::tuple(0, 0, size_t(1)));
        }
    }

    // The game's cue file holds the latest cue alone, comes back when deleted, is the one file the
    // game holds open, and goes at unload. Whose file a name leads to is the cue file's own test.
    void theFileHoldsExactlyTheLatestCueUntilUnload()
    {
        Game game;
        const std::string ours = game.dir.path().toStdString() + "/temp1.wav";
        game.form.unload(); // no cue yet: quietly nothing
        const long files = openFiles(), cueFile = files > 0; // counted where they are listed
        game.form.option3Click(); // 108, the longest
        game.form.option6Click(); // 102, shorter: no tail of 108 behind it
        QCOMPARE(std::tuple(contents(ours), game.player.location, game.form.wavfile), std::tuple(game.player.cueBytes(102), ours, ours));
        std::remove(ours.c_str()); // claimed afresh with the next cue
        game.form.option4Click();
        QCOMPARE(std::pair(contents(ours), openFiles()), std::pair(game.player.cueBytes(106), files + cueFile));
        game.form.unload();
        QCOMPARE(std::tuple(QDir(game.dir.path()).isEmpty(), openFiles(), game.errors.str()), std::tuple(true, files, std::string()));
    }

    // A device that fails, or no folder for the cue file, is said once and never stops the game,
    // not even the victory cue's box.
    void soundThatFailsNeverStopsTheGame()
    {
        for (bool device : {false, true}) {
            Game game;
            game.player.failing = !device;
            if (device)
                game.dir.remove(); // the cue file's folder gone
            game.form.option7Click();
            game.start(true, false);
            game.play("11 21 12 22 13");
            const std::string out = game.errors.str();
            QCOMPARE(std::tuple(game.tk.boxes, game.form.usewin, std::count(out.begin(), out.end(), '\n')), std::tuple(Strings{"X's win"}, 1, 1));
            QVERIFY2(out.rfind(device ? "gridora: sound: cannot create the cue file" : "gridora: sound: no sound device", 0) == 0, out.c_str());
        }
    }

    // Each row: strength, who goes first, the script, the board after it.
    void theComputerAnswersByItsStrength()
    {
        const std::tuple<int, bool, const char*, const char*> cases[] = {
            {7, true, "t t", ".../.../..."},                                // no tick plays in the player's turn
            {5, false, "r0.5 r0.999 t", ".../.../.1."},                     // Easy: the random cell
            {5, false, "r0 r0 t 22 r0.5 r0.5 t r0 r0.99 t", "1../.2./1.."}, // and waits when it is taken
            {6, true, "11 r0.9 r0.9 t 12 t", "2../2../1.1"},                // Better: blocks first
            {6, false, "r0 r0 t 22 r0 r0.5 t 33 r0.9 r0 t", "1.1/12./..2"}, // and never completes
            {7, false, "t 22 12 t", ".1./21./..."},                         // a click on a taken cell counts
            {7, true, "21 t o4 12 t", "12./21./..."},                       // first mover changed: no overwriting
            {7, true, "w22 t", "1../.2./..."},                              // a waiting click first, answered at once
        };
        for (auto [strength, youFirst, script, board] : cases) {
            Game game;
            game.tk.select(strength);
            (game.form.*(strength == 5 ? &Form1::option5Click : strength == 6 ? &Form1::option6Click : &Form1::option7Click))();
            game.start(youFirst, true);
            game.play(script);
            QCOMPARE(std::tuple(script, game.form.board, game.form.turn), std::tuple(script, grid(board), 2));
            QVERIFY(game.tk.randoms.empty()); // every scripted number was drawn
        }
    }

    // One tick of "Best" on the computer's turn, with no line of two to complete or block unless
    // the row says so: the first fixed reply whose condition holds, else the random cell (2, 1).
    void bestPlaysTheFirstFixedReplyThatApplies_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("moves");
        QTest::addColumn<bool>("youFirst");
        QTest::addColumn<QString>("after");
        QTest::newRow("its own line before a block") << "11./22./..." << 0 << true << "111/22./...";
        QTest::newRow("1: second click, Computer First, player left") << "1../21./..2" << 2 << false << "11./21./..2";
        QTest::newRow("1: not on the third click") << "1../21./..2" << 3 << false << "1../21./1.2";
        QTest::newRow("1: not when the player went first") << "1../21./..2" << 2 << true << "1../21./1.2";
        QTest::newRow("2: the main diagonal full") << "1../.2./..2" << 2 << true << "1../.2./1.2";
        QTest::newRow("2: not on the third click") << "1../.2./..2" << 3 << true << "1../12./..2";
        QTest::newRow("2: not with the computer in the centre") << "1../.1./..2" << 2 << true << "1../11./..2";
        QTest::newRow("3: the anti-diagonal full") << "..1/.2./2.." << 2 << true << "..1/.2./2.1";
        QTest::newRow("4: the centre") << ".../.../..2" << 0 << true << ".../.1./..2";
        QTest::newRow("5: left when the player holds bottom right") << "2../.1./..2" << 0 << true << "2../11./..2";
        QTest::newRow("5: not for the computer's bottom right") << ".../.2./..1" << 0 << true << "1../.2./..1";
        QTest::newRow("5: not when left is taken") << ".../21./..2" << 0 << true << "1../21./..2";
        QTest::newRow("6: right when the player holds top right") << "..2/.1./2.." << 0 << true << "..2/.11/2..";
        QTest::newRow("9: top left before the other corners") << "..1/.2./..." << 0 << true << "1.1/.2./...";
        QTest::newRow("7: top when the player holds top left") << "2../112/2.." << 0 << true << "21./112/2..";
        QTest::newRow("10: bottom left before the last two corners") << "1../.2./..." << 0 << true << "1../.2./1..";
        QTest::newRow("8: bottom when the player holds bottom left") << ".../.1./2.." << 0 << true << ".../.1./21.";
        QTest::newRow("11: bottom right before top right") << "1../221/1.." << 0 << true << "1../221/1.1";
        QTest::newRow("12: the last corner") << "1../221/1.2" << 0 << true << "1.1/221/1.2";
        QTest::newRow("none: the random cell") << "1.2/211/1.2" << 0 << true << "112/211/1.2";
    }
    void bestPlaysTheFirstFixedReplyThatApplies()
    {
        QFETCH(QString, board);
        QFETCH(int, moves);
        QFETCH(bool, youFirst);
        QFETCH(QString, after);
        Game game;
        game.form.option7Click();
        game.start(youFirst);
        game.form.board = grid(board.toStdString());
        game.form.moves = moves, game.form.turn = 1;
        game.play("r0.4 r0.1 t");
        QCOMPARE(game.form.board, grid(after.toStdString()));
    }

    void theComputersWinIsAnnouncedInTheSameTickWithoutACue()
    {
        Game game;
        game.start(false); // "Easy", "Computer First"
        game.form.board = grid("11./22./...");
        game.play("r0.9 r0.1 t 33"); // (3, 1) completes row 1; the click after it does nothing
        QCOMPARE(std::tuple(game.tk.boxes, game.player.played, game.form.turn, game.form.board[3][3]),
                 std::tuple(Strings{"O's win"}, std::vector<int>{101}, 0, 0));
    }

    void aTickThatPlaysAFixedReplyLeavesAnyWinToTheNextTick()
    {
        Game game;
        game.form.option7Click();
        game.start();
        game.form.board = grid("1../221/1.."); // of the fixed replies, only the last two corners apply
        game.form.turn = 1, game.form.winner = 2; // a win recorded, not yet announced
        game.play("t");
        QCOMPARE(std::pair(game.form.board, game.tk.boxes), std::pair(grid("1../221/1.1"), Strings{}));
        game.play("t");
        QCOMPARE(game.tk.boxes, Strings{"X's win"});
    }
};

QTEST_APPLESS_MAIN(Logic)
#include "test_logic.moc"
