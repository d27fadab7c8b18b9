// The cue table, the temporary cue file, and sound that fails without stopping the game.

#include "fakes.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
std::string contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
} // namespace

class Cues : public QObject {
    Q_OBJECT
private slots:
    void eachControlPlaysItsCueBeforeOrAfterItsWork()
    {
        Game game;
        game.form.board = grid("2../.../...");
        std::vector<std::string> seen;
        game.player.onPlay = [&](int id) {
            seen.push_back(std::to_string(id) + " flags " + std::to_string(game.form.useblock)
                           + std::to_string(game.form.usewin) + " drawn "
                           + std::to_string(game.tk.drawing().size()));
        };
        game.form.option7Click(); // "Best": cue, then flags
        game.form.option6Click(); // "Better": flags, then cue
        game.form.option5Click(); // "Easy": cue, then flags
        game.form.option2Click(); // "You are O": cue, then redraw
        game.form.option1Click();
        game.form.option3Click();
        game.form.option4Click();
        game.form.check1Click();
        const std::vector<std::string> expected = {
            "103 flags 00 drawn 0", "102 flags 10 drawn 0", "104 flags 10 drawn 0",
            "105 flags 00 drawn 0", "107 flags 00 drawn 8", "108 flags 00 drawn 16",
            "106 flags 00 drawn 16", "109 flags 00 drawn 16"};
        QCOMPARE(seen, expected);
    }

    void theFileHoldsExactlyTheLatestCue()
    {
        Game game;
        game.form.option3Click(); // 108, the longest
        const std::string path = game.form.wavfile;
        QCOMPARE(path, game.dir.path().toStdString() + "/temp1.wav");
        QCOMPARE(contents(path), game.player.cueBytes(108));
        game.form.option6Click(); // 102, shorter: no tail of 108 behind it
        QCOMPARE(contents(path), game.player.cueBytes(102));
        QCOMPARE(game.player.location, path);
        QCOMPARE(game.form.wavfile, path);
    }

    void aFileThatIsNotOursIsNeverTouched()
    {
        Game game;
        const std::string theirs = game.dir.path().toStdString() + "/temp1.wav";
        std::ofstream(theirs, std::ios::binary) << "someone's own sound";
        game.form.check1Click();
        QCOMPARE(game.form.wavfile, game.dir.path().toStdString() + "/temp2.wav");
        game.form.unload();
        QCOMPARE(contents(theirs), std::string("someone's own sound"));
        QVERIFY(!QFile::exists(QString::fromStdString(game.form.wavfile)));
    }

    void anUnwritableFolderFallsBackToTheNextOne()
    {
        // A "folder" that is a plain file refuses the cue file even to root.
        QTemporaryDir fallback;
        const std::string unwritable = fallback.path().toStdString() + "/not-a-folder";
        std::ofstream(unwritable) << "x";
        FakeToolkit tk;
        FakeCuePlayer player;
        std::ostringstream errors;
        Form1 form(tk, player, {unwritable, fallback.path().toStdString()}, errors);
        form.option5Click();
        QCOMPARE(form.wavfile, fallback.path().toStdString() + "/temp1.wav");
        QCOMPARE(player.played, std::vector<int>{104});
        QCOMPARE(errors.str(), std::string());
    }

    void unloadDeletesTheFileAndIsQuietWithoutOne()
    {
        Game game;
        game.form.unload(); // no cue yet
        game.form.option4Click();
        QVERIFY(QFile::exists(QString::fromStdString(game.form.wavfile)));
        game.form.unload();
        QVERIFY(QDir(game.dir.path()).isEmpty());
        game.form.unload(); // already gone
        QCOMPARE(game.errors.str(), std::string());
    }

    void aFailingPlayerNeverStopsTheGameAndIsReportedOnce()
    {
        Game game;
        game.player.failing = true;
        game.form.option7Click();
        QCOMPARE(std::pair(game.form.useblock, game.form.usewin), std::pair(1, 1));
        game.form.option5Click();
        QCOMPARE(std::pair(game.form.useblock, game.form.usewin), std::pair(0, 0));
        game.form.board = grid("12./.../...");
        game.start();
        QCOMPARE(game.form.starts, 1);
        QCOMPARE(game.form.board, grid(".../.../..."));
        QCOMPARE(game.form.turn, 2);
        QCOMPARE(game.errors.str(), std::string("gridora: sound: no sound device\n"));
    }

    void aMissingFolderIsReportedAndTheWinIsStillAnnounced()
    {
        FakeToolkit tk;
        FakeCuePlayer player;
        std::ostringstream errors;
        Form1 form(tk, player, {"/nonexistent/folder"}, errors);
        tk.check1 = 0;
        form.command1Click();
        for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}})
            form.mouseDown(50 * col, 50 * row);
        QCOMPARE(tk.messages(), std::vector<std::string>{"X's win"});
        const std::string said = errors.str();
        QVERIFY(said.find("cannot create the cue file") != std::string::npos);
        QCOMPARE(std::count(said.begin(), said.end(), '\n'), 1); // once, not on every cue
    }
};

QTEST_APPLESS_MAIN(Cues)
#include "test_cues.moc"
