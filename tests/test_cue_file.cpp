// The cue file on the system the tests run on, Linux or Windows (under Wine): what it claims,
// writes and removes is only ever its own file.
#include "sound/cue_file.h"

#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

static std::string contents(const fs::path& path) { return (std::ostringstream() << std::ifstream(path, std::ios::binary).rdbuf()).str(); }
static void write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Makes `link` a symbolic link to `target`; says why not when the system makes none. On Windows,
// where mingw's std::filesystem neither makes nor sees links, the system's own calls, without
// privileges where Windows allows that (developer mode); Wine says yes and makes nothing.
static std::string makeLink(const fs::path& target, const fs::path& link)
{
    std::error_code refused;
#ifdef _WIN32
    if (!CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
        refused.assign(int(GetLastError()), std::system_category());
    const DWORD attributes = GetFileAttributesW(link.c_str());
    const bool made = attributes != INVALID_FILE_ATTRIBUTES && attributes & FILE_ATTRIBUTE_REPARSE_POINT;
#else
    fs::create_symlink(target, link, refused);
    const bool made = fs::is_symlink(link);
#endif
    return refused ? refused.message() : made ? "" : "the system said yes and made none";
}

class CueFileTest : public QObject {
    Q_OBJECT
private slots:
    // Someone's temp1.wav is passed over. A name that has come to lead to another file, or to
    // nothing, is no longer ours: remove() leaves what stands there, and a cue claims afresh. The
    // folder's name is in two scripts, as a player's may be: the file is made there all the same.
    void onlyItsOwnFileIsWrittenOrRemoved()
    {
        QTemporaryDir dir;
        const fs::path folder = fs::u8path(dir.path().toStdString() + "/Jörg Ελένη"), theirs = folder / "temp1.wav",
                       ours = folder / "temp2.wav";
        fs::create_directory(folder);
        write(theirs, "someone's own sound");
        CueFile file;
        file.claim({(folder / "not a folder").u8string(), folder.u8string()});
        QCOMPARE(fs::u8path(file.path()), ours);
        file.rewrite("a long first cue");
        file.rewrite("short");
        QCOMPARE(std::pair(contents(ours), file.stillOurs()), std::pair(std::string("short"), true));

        fs::remove(ours); // deleted while held: claimed afresh under the same name, as a cue does,
        if (!file.stillOurs()) // unless the system keeps the name until the file is let go (Wine)
            file.claim({folder.u8string()});
        file.rewrite("again");
        QCOMPARE(std::pair(fs::u8path(file.path()), contents(ours)), std::pair(ours, std::string("again")));

        fs::rename(ours, folder / "moved.wav"); // the game shares deleting, which renaming needs
        write(ours, "another sound");
        QVERIFY(!file.stillOurs());
        file.remove();
        QCOMPARE(std::pair(contents(ours), contents(theirs)), std::pair(std::string("another sound"), std::string("someone's own sound")));
    }

    // A virus scanner may hold the file for a moment when the window closes: it goes all the same.
    void aFileHeldForAMomentIsRemovedWhenLetGo()
    {
        QTemporaryDir dir;
        CueFile file;
        file.claim({dir.path().toStdString()});
        auto scanner = std::make_unique<std::ifstream>(fs::u8path(file.path())); // sharing no deleting
        std::thread letGo([&] { std::this_thread::sleep_for(std::chrono::milliseconds(300)); scanner.reset(); });
        file.remove();
        letGo.join();
        QVERIFY(fs::is_empty(dir.path().toStdString()));
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
        if (const std::string refused = makeLink(theirs, link); !refused.empty())
            QSKIP(qPrintable("this system makes no links here: " + QString::fromStdString(refused)));
        QVERIFY(!file.stillOurs());
        file.remove();
        file.claim({folder.string()});
        QCOMPARE(fs::path(file.path()), folder / "temp2.wav");
        file.rewrite("a cue");
        QCOMPARE(std::pair(fs::exists(fs::symlink_status(link)), contents(theirs)), std::pair(true, std::string("someone's own sound")));
    }
};

QTEST_APPLESS_MAIN(CueFileTest)
#include "test_cue_file.moc"
