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
} // namespace

// CREATE_NEW fails on any name that exists, a link or a reparse point included, and never follows
// one. The player may read the file meanwhile, and others may delete or rename it: stillOurs()
// notices that.
bool CueFile::create(const std::string& path, bool& exists, std::string& error)
{
    const HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                    FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        return handle = reinterpret_cast<std::intptr_t>(file), true;
    exists = GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS;
    error = lastErrorText();
    return false;
}

// The name leads to our file when it opens, without following a reparse point, to a plain file of
// the same volume serial number and file index as the handle.
bool CueFile::stillOurs() const
{
    if (handle == -1)
        return false;
    const HANDLE named = CreateFileW(wide(name).c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                                     nullptr);
    if (named == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION there = {}, held = {};
    const bool same = GetFileInformationByHandle(named, &there) && GetFileInformationByHandle(fileOf(handle), &held)
                      && !(there.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))
                      && there.dwVolumeSerialNumber == held.dwVolumeSerialNumber
                      && there.nFileIndexHigh == held.nFileIndexHigh && there.nFileIndexLow == held.nFileIndexLow;
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

// Deleted through the handle that made it, so what goes is the game's own file and nothing else.
void CueFile::remove()
{
    if (stillOurs()) {
        FILE_DISPOSITION_INFO dispose = {TRUE};
        SetFileInformationByHandle(fileOf(handle), FileDispositionInfo, &dispose, sizeof dispose);
    }
    close();
}

void CueFile::close()
{
    if (handle != -1)
        CloseHandle(fileOf(handle));
    handle = -1;
}
