#include "sound/cue_file.h"

#include <stdexcept>

#include <windows.h>

namespace {
std::wstring wide(const std::string& utf8)
{
    std::wstring text(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), int(text.size()));
    return text;
}

std::string lastErrorText()
{
    char text[256] = {};
    const DWORD code = GetLastError();
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                   sizeof text, nullptr);
    std::string said(text);
    while (!said.empty() && (said.back() == '\n' || said.back() == '\r' || said.back() == ' '))
        said.pop_back();
    return said.empty() ? "error " + std::to_string(code) : said;
}

HANDLE fileOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// The name opened as it stands, without following a reparse point, for `access`.
HANDLE openName(const std::string& name, DWORD access)
{
    return CreateFileW(wide(name).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// Whether `named` is the very file `held` is (same volume, same file index), and a file that leads
// nowhere else: not a folder, nor a symbolic link, junction or mount point. Other reparse points
// keep the file where it is: OneDrive's files on demand carry one of their own.
bool sameFile(HANDLE named, HANDLE held)
{
    BY_HANDLE_FILE_INFORMATION there = {}, here = {};
    FILE_ATTRIBUTE_TAG_INFO tag = {};
    return named != INVALID_HANDLE_VALUE && GetFileInformationByHandle(named, &there)
           && GetFileInformationByHandle(held, &here)
           && GetFileInformationByHandleEx(named, FileAttributeTagInfo, &tag, sizeof tag)
           && !(tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)
           && !(tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT && IsReparseTagNameSurrogate(tag.ReparseTag))
           && there.dwVolumeSerialNumber == here.dwVolumeSerialNumber && there.nFileIndexHigh == here.nFileIndexHigh
           && there.nFileIndexLow == here.nFileIndexLow;
}

// The name opened for deleting. A virus scanner or a backup tool may hold the file for a moment
// and share no deleting: the name is tried again for up to a second.
HANDLE openToDelete(const std::string& name)
{
    HANDLE named = openName(name, DELETE | FILE_READ_ATTRIBUTES);
    for (int tries = 0; named == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION && tries < 20;
         ++tries) {
        Sleep(50);
        named = openName(name, DELETE | FILE_READ_ATTRIBUTES);
    }
    return named;
}
} // namespace

// CREATE_NEW fails on any name that exists, a link or a reparse point included, and never follows
// one. The player reads the file meanwhile (Qt shares no deleting, so the handle asks for none),
// and others may delete or rename it: stillOurs() notices that.
bool CueFile::create(const std::string& path, bool& exists, std::string& error)
{
    const HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        return handle = reinterpret_cast<std::intptr_t>(file), true;
    exists = GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS;
    error = lastErrorText();
    return false;
}

bool CueFile::stillOurs() const
{
    if (handle == -1)
        return false;
    const HANDLE named = openName(name, FILE_READ_ATTRIBUTES);
    const bool same = sameFile(named, fileOf(handle));
    if (named != INVALID_HANDLE_VALUE)
        CloseHandle(named);
    return same;
}

void CueFile::rewrite(const std::string& bytes)
{
    LARGE_INTEGER start = {};
    DWORD written = 0;
    if (!SetFilePointerEx(fileOf(handle), start, nullptr, FILE_BEGIN) || !SetEndOfFile(fileOf(handle))
        || !WriteFile(fileOf(handle), bytes.data(), DWORD(bytes.size()), &written, nullptr)
        || written != bytes.size())
        throw std::runtime_error("cannot write the cue file " + name + ": " + lastErrorText());
}

// Deleted through a handle of the name that is checked to be our file itself, so what goes is the
// game's own file and nothing else, even if the name changes meanwhile. When it cannot be deleted,
// it is let go without a word, as the window closes.
void CueFile::remove()
{
    if (handle != -1) {
        const HANDLE named = openToDelete(name);
        FILE_DISPOSITION_INFO dispose = {TRUE};
        if (sameFile(named, fileOf(handle)))
            SetFileInformationByHandle(named, FileDispositionInfo, &dispose, sizeof dispose);
        if (named != INVALID_HANDLE_VALUE)
            CloseHandle(named);
    }
    close();
}

void CueFile::close()
{
    if (handle != -1)
        CloseHandle(fileOf(handle));
    handle = -1;
}
