#include "game/form1.h"

#include "sound/cue_player.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int highestFileNumber = 999;

// Claims the first free name "temp<n>.wav" in the first folder that takes it, and keeps it open.
// The exclusive create means the game never writes over, or later deletes, a file it did not make
// itself.
int claimCueFile(const std::vector<std::string>& folders, std::string& path)
{
    std::string lastError = "no folder for the cue file";
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        for (int n = 1; n <= highestFileNumber; ++n) {
            const std::string name = folder + "/temp" + std::to_string(n) + ".wav";
            const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd >= 0)
                return path = name, fd;
            lastError = name + ": " + std::strerror(errno);
            if (errno != EEXIST)
                break;
        }
    }
    throw std::runtime_error("cannot create the cue file: " + lastError);
}

// Whether `path` still names the file open as `fd`, and is no link to it.
bool stillOurs(int fd, const std::string& path)
{
    struct stat named = {}, held = {};
    return fd >= 0 && ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(named.st_mode)
           && named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

// Regular files take a short write only when the disk is full: that is a failure too.
void rewrite(int fd, const std::string& bytes, const std::string& path)
{
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, bytes.data(), bytes.size(), 0) != ssize_t(bytes.size()))
        throw std::runtime_error("cannot write the cue file " + path + ": " + std::strerror(errno));
}
} // namespace

Form1::~Form1() { closeCueFile(); }

void Form1::closeCueFile()
{
    if (wavfd >= 0)
        ::close(wavfd);
    wavfd = -1;
}

// Writes the cue to the temporary file and starts it. The file is written only through the
// descriptor that created it: when its name no longer leads there (deleted, or replaced, perhaps
// by a link to somebody's file), a new one is claimed. Sound is best-effort: a failing step skips
// the rest of the cue, and the handler that asked for it goes on with its work.
void Form1::playcue(int id)
{
    try {
        if (!stillOurs(wavfd, wavfile)) {
            closeCueFile();
            wavfd = claimCueFile(cueFolders, wavfile);
        }
        const std::string bytes = player.cueBytes(id);
        player.setLocation(""); // lets go of the file before it is rewritten
        rewrite(wavfd, bytes, wavfile);
        player.setLocation(wavfile);
        player.play();
    } catch (const std::exception& e) {
        reportCueFailure(e.what());
    }
}

void Form1::zed() { playcue(103); }

// Removes the cue file, unless its name has come to stand for something else meanwhile.
void Form1::unload()
{
    if (stillOurs(wavfd, wavfile))
        ::unlink(wavfile.c_str());
    closeCueFile();
}

void Form1::reportCueFailure(const std::string& what)
{
    if (reported.insert(what).second)
        errors << "gridora: sound: " << what << std::endl;
}
