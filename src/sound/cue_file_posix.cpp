#include "sound/cue_file.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CueFile::create(const std::string& path, bool& exists, std::string& error)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0)
        return handle = fd, true;
    exists = errno == EEXIST;
    error = std::strerror(errno);
    return false;
}

bool CueFile::stillOurs() const
{
    struct stat named = {}, held = {};
    return handle >= 0 && ::lstat(name.c_str(), &named) == 0 && ::fstat(int(handle), &held) == 0
           && S_ISREG(named.st_mode) && named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

// Regular files take a short write only when the disk is full: that is a failure too.
void CueFile::rewrite(const std::string& bytes)
{
    if (::ftruncate(int(handle), 0) != 0
        || ::pwrite(int(handle), bytes.data(), bytes.size(), 0) != ssize_t(bytes.size()))
        throw std::runtime_error("cannot write the cue file " + name + ": " + std::strerror(errno));
}

void CueFile::remove()
{
    if (stillOurs())
        ::unlink(name.c_str());
    close();
}

void CueFile::close()
{
    if (handle >= 0)
        ::close(int(handle));
    handle = -1;
}
