// Activation, drawboard's exact strokes, and what the option buttons do to the game.

#include "fakes.h"

#include <QTest>

using Strokes = std::vector<std::string>;

namespace {
const Strokes grid_lines = {"line 125,30 125,170", "line 75,30 75,170", "line 30,75 170,75",
                            "line 30,125 170,125"};

Strokes strokesOf(const Strokes& calls)
{
    Strokes out;
    for (const auto& c : calls)
        if (c.rfind("line", 0) == 0 || c.rfind("circle", 0) == 0)
            out.push_back(c);
    return out;
}
} // namespace

class BoardDrawing : public QObject {
    Q_OBJECT
private slots:
    void activationSetsTheScaleColoursAndCounterThenDraws()
    {
        Game game;
        game.form.activate();
        QCOMPARE(game.tk.text1, std::string("#moves=0"));
        const Strokes expected = {"scale -20,0 200,200", "fore 16777215", "back 0", "cls", "width 15"};
        QCOMPARE(Strokes(game.tk.calls.begin(), game.tk.calls.begin() + 5), expected);
        QCOMPARE(strokesOf(game.tk.calls), grid_lines);
        QCOMPARE(game.form.moves, 0); // the text is reset, the counter is not touched
    }

    void penWidthIsTheOuterWidthOver500RoundedHalfToEven()
    {
        for (auto [twips, pen] : {std::pair{7250, 14}, {7500, 15}, {7750, 16}, {6525, 13}}) {
            Game game;
            game.tk.widthTwips = twips;
            game.form.drawboard();
            QCOMPARE(game.tk.calls.at(1), "width " + std::to_string(pen));
        }
    }

    void marksAreDrawnColumnByColumnInTheChosenSymbols()
    {
        Game game;
        game.form.board = grid("1../.../.2.");
        game.form.drawboard();
        Strokes expected = grid_lines;
        expected.insert(expected.end(), {"circle 50,50 r10", "line 90,160 110,140", "line 90,140 110,160"});
        QCOMPARE(strokesOf(game.tk.calls), expected);

        game.tk.calls.clear();
        game.tk.select(2); // "You are O": the same cells, the other symbols
        game.form.drawboard();
        expected = grid_lines;
        expected.insert(expected.end(), {"line 40,60 60,40", "line 40,40 60,60", "circle 100,150 r10"});
        QCOMPARE(strokesOf(game.tk.calls), expected);
    }

    void theSymbolButtonsAreTwoTestsNotOneChoice()
    {
        Game game;
        game.form.board = grid("12./.../...");
        game.form.board[3][3] = 7; // not a mark: draws nothing
        game.tk.options[1] = game.tk.options[2] = false;
        game.form.drawboard();
        QCOMPARE(strokesOf(game.tk.calls), grid_lines);
        game.tk.calls.clear();
        game.tk.options[1] = game.tk.options[2] = true;
        game.form.drawboard();
        QCOMPARE(strokesOf(game.tk.calls).size(), grid_lines.size() + 6);
    }

    void strengthButtonsSetTheirPresets()
    {
        Game game;
        game.form.option6Click();
        game.form.option5Click();
        QCOMPARE(std::pair(game.form.useblock, game.form.usewin), std::pair(0, 0));
        game.form.option7Click();
        QCOMPARE(std::pair(game.form.useblock, game.form.usewin), std::pair(1, 1));
        game.form.option6Click();
        QCOMPARE(std::pair(game.form.useblock, game.form.usewin), std::pair(1, 0));
        QVERIFY(game.tk.calls.empty()); // nothing is redrawn
    }

    void symbolButtonsRedrawWithoutChangingCells()
    {
        Game game;
        game.form.board = grid("1../.2./...");
        const Board before = game.form.board;
        game.tk.select(2);
        game.form.option2Click();
        QCOMPARE(game.form.board, before);
        QVERIFY(std::count(game.tk.calls.begin(), game.tk.calls.end(), "circle 100,100 r10"));
        game.tk.calls.clear();
        game.tk.select(1);
        game.form.option1Click();
        QVERIFY(std::count(game.tk.calls.begin(), game.tk.calls.end(), "circle 50,50 r10"));
        QCOMPARE(game.form.board, before);
    }

    void firstMoverButtonsAndTheCheckBoxChangeNothing()
    {
        Game game;
        game.form.board = grid("1../.2./...");
        game.form.turn = 2;
        const GameRecord before = game.form;
        game.form.option3Click();
        game.form.option4Click();
        game.form.check1Click();
        QCOMPARE(game.form.board, before.board);
        QCOMPARE(game.form.turn, before.turn);
        QCOMPARE(game.form.useblock + game.form.usewin, 0);
        QVERIFY(game.tk.calls.empty());
    }
};

QTEST_APPLESS_MAIN(BoardDrawing)
#include "test_board.moc"
