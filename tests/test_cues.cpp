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
        Strings seen; // the cue, with the flags and the number of drawing calls when it starts
        game.player.onPlay = [&](int id) {
            seen.push_back(std::to_string(id) + " " + std::to_string(game.form.useblock)
                           + std::to_string(game.form.usewin) + " " + std::to_string(game.tk.calls.size()));
        };
        for (auto click : {&Form1::option7Click, &Form1::option6Click, &Form1::option5Click, &Form1::option2Click,
                           &Form1::option1Click, &Form1::option3Click, &Form1::option4Click, &Form1::check1Click})
            (game.form.*click)();
        QCOMPARE(seen, (Strings{"103 00 0", "102 10 0", "104 10 0", "105 00 0", "107 00 6", "108 00 12",
                                "106 00 12", "109 00 12"}));
    }

    void theFileHoldsExactlyTheLatestCueAndOnlyOursIsTouched()
    {
        Game game;
        const std::string theirs = game.dir.path().toStdString() + "/temp1.wav";
        std::ofstream(theirs, std::ios::binary) << "someone's own sound";
        game.form.unload(); // no cue yet: quietly nothing
        game.form.option3Click(); // 108, the longest
        const std::string ours = game.form.wavfile;
        QCOMPARE(ours, game.dir.path().toStdString() + "/temp2.wav");
        game.form.option6Click(); // 102, shorter: no tail of 108 behind it
        QCOMPARE(contents(ours), game.player.cueBytes(102));
        QCOMPARE(std::pair(game.player.location, game.form.wavfile), std::pair(ours, ours));
        game.form.unload();
        game.form.unload(); // already gone: still quiet
        QCOMPARE(QDir(game.dir.path()).entryList(QDir::Files), QStringList{"temp1.wav"});
        QCOMPARE(contents(theirs), std::string("someone's own sound"));
        QCOMPARE(game.errors.str(), std::string());
    }

    void anUnwritableFolderFallsBackToTheNextOne()
    {
        QTemporaryDir fallback;
        const std::string notAFolder = fallback.path().toStdString() + "/file"; // refuses even root
        std::ofstream(notAFolder) << "x";
        FakeToolkit tk;
        FakeCuePlayer player;
        Form1 form(tk, player, {notAFolder, fallback.path().toStdString()});
        form.option5Click();
        QCOMPARE(form.wavfile, fallback.path().toStdString() + "/temp1.wav");
        QCOMPARE(player.played, std::vector<int>{104});
    }

    void failingSoundNeverStopsTheGameAndIsReportedOnce()
    {
        for (bool deviceFails : {true, false}) {
            QTemporaryDir dir;
            FakeToolkit tk;
            FakeCuePlayer player;
            player.failing = deviceFails;
            std::ostringstream errors;
            Form1 form(tk, player, {deviceFails ? dir.path().toStdString() : "/nonexistent"}, errors);
            form.option7Click();
            QCOMPARE(std::pair(form.useblock, form.usewin), std::pair(1, 1));
            form.option5Click();
            QCOMPARE(std::pair(form.useblock, form.usewin), std::pair(0, 0));
            tk.check1 = 0;
            form.board = grid("12./.../...");
            form.command1Click();
            QCOMPARE(std::tuple(form.starts, form.turn, form.board), std::tuple(1, 2, Board{}));
            for (auto [col, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}})
                form.mouseDown(50 * col, 50 * row);
            QCOMPARE(tk.messages(), Strings{"X's win"});
            const std::string said = errors.str();
            QVERIFY(said.find(deviceFails ? "no sound device" : "cannot create the cue file") != std::string::npos);
            QCOMPARE(std::count(said.begin(), said.end(), '\n'), 1);
        }
    }
};

QTEST_APPLESS_MAIN(Cues)
#include "test_cues.moc"
