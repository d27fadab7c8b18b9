// Activation, drawboard's exact strokes, and what the option buttons do to the game.

#include "fakes.h"

#include <QTest>

namespace {
const Strings gridLines = {"line 125 30 125 170", "line 75 30 75 170", "line 30 75 170 75",
                           "line 30 125 170 125"};

Strings after(const Strings& calls, size_t skip) { return Strings(calls.begin() + skip, calls.end()); }
} // namespace

class BoardDrawing : public QObject {
    Q_OBJECT
private slots:
    void activationSetsScaleColoursAndCounterThenDraws()
    {
        Game game;
        game.form.moves = 3;
        game.form.activate();
        Strings expected = {"scale -20 0 200 200", "fore 16777215", "back 0", "cls", "width 15"};
        expected.insert(expected.end(), gridLines.begin(), gridLines.end());
        QCOMPARE(game.tk.calls, expected);
        QCOMPARE(game.tk.text1, std::string("#moves=0"));
        QCOMPARE(game.form.moves, 3); // the text is reset, the counter is not
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
        game.form.board[3][3] = 7; // not a mark: nothing drawn
        game.form.drawboard();
        Strings expected = gridLines;
        expected.insert(expected.end(), {"circle 50 50 10", "line 90 160 110 140", "line 90 140 110 160"});
        QCOMPARE(after(game.tk.calls, 2), expected);

        game.tk.calls.clear();
        game.tk.select(2);
        game.form.option2Click(); // "You are O": the same cells in the other symbols
        expected = gridLines;
        expected.insert(expected.end(), {"line 40 60 60 40", "line 40 40 60 60", "circle 100 150 10"});
        QCOMPARE(after(game.tk.calls, 2), expected);
        QCOMPARE(game.form.board[1][1] * 10 + game.form.board[2][3], 12);

        // Two independent tests, not one choice: neither selected draws no mark at all.
        game.tk.calls.clear();
        game.tk.options[2] = false;
        game.form.drawboard();
        QCOMPARE(after(game.tk.calls, 2), gridLines);
    }

    void strengthButtonsSetTheirPresetsWithoutRedrawing()
    {
        Game game;
        const auto flags = [&] { return std::pair(game.form.useblock, game.form.usewin); };
        game.form.option6Click();
        game.form.option5Click();
        QCOMPARE(flags(), std::pair(0, 0));
        game.form.option7Click();
        QCOMPARE(flags(), std::pair(1, 1));
        game.form.option6Click();
        QCOMPARE(flags(), std::pair(1, 0));
        QVERIFY(game.tk.calls.empty());
    }
};

QTEST_APPLESS_MAIN(BoardDrawing)
#include "test_board.moc"
