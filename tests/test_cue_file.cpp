// The cue file on the system the tests run on, Linux or Windows (under Wine): what it claims,
// writes and removes is only ever its own file.
#include "sound/cue_file.h"

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

static std::string contents(const fs::path& path) { return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str(); }
static void write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class CueFileTest : public QObject {
    Q_OBJECT
private slots:
    // Someone's temp1.wav is passed over. A name that has come to lead to another file, or to
    // nothing, is no longer ours: remove() leaves what stands there, and a cue claims afresh.
    void onlyItsOwnFileIsWrittenOrRemoved()
    {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString(), theirs = folder / "temp1.wav", ours = folder / "temp2.wav";
        write(theirs, "someone's own sound");
        CueFile file;
        file.claim({(folder / "not a folder").string(), folder.string()});
        QCOMPARE(fs::path(file.path()), ours);
        file.rewrite("a long first cue");
        file.rewrite("short");
        QCOMPARE(std::pair(contents(ours), file.stillOurs()), std::pair(std::string("short"), true));

        fs::remove(ours); // deleted while held: claimed afresh under the same name, as a cue does,
        if (!file.stillOurs()) // unless the system keeps the name until the file is let go (Wine)
            file.claim({folder.string()});
        file.rewrite("again");
        QCOMPARE(std::pair(fs::path(file.path()), contents(ours)), std::pair(ours, std::string("again")));

        write(folder / "other", "another sound");
        std::error_code refused; // Windows replaces no file that is held open
        fs::rename(folder / "other", ours, refused);
        QCOMPARE(file.stillOurs(), bool(refused));
        file.remove();
        QCOMPARE(contents(ours), std::string(refused ? "" : "another sound"));
        QCOMPARE(contents(theirs), std::string("someone's own sound"));
    }

    // A link planted at the name is never written through, nor removed.
    void aLinkIsNeverOurs()
    {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString(), theirs = folder / "theirs.wav", link = folder / "temp1.wav";
        write(theirs, "someone's own sound");
        CueFile file;
        file.claim({folder.string()});
        fs::remove(link);
        std::error_code refused;
        fs::create_symlink(theirs, link, refused);
        if (refused)
            QSKIP(qPrintable("this system makes no links here: " + QString::fromStdString(refused.message())));
        QVERIFY(!file.stillOurs());
        file.remove();
        file.claim({folder.string()});
        QCOMPARE(fs::path(file.path()), folder / "temp2.wav");
        file.rewrite("a cue");
        QCOMPARE(std::pair(fs::is_symlink(link), contents(theirs)), std::pair(true, std::string("someone's own sound")));
    }
};

QTEST_APPLESS_MAIN(CueFileTest)
#include "test_cue_file.moc"
