#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The temporary file the cues are played from. It is claimed with an exclusive create under the
// first free name "temp<n>.wav" of the first folder that takes one, so the game never writes over,
// or later removes, a file it did not make itself; it is written only through the handle that
// created it, and removed only while its name still leads to that file (never through a link).
// cue_file_posix.cpp and cue_file_windows.cpp each build its system's part.
//
//     CueFile file;
//     if (!file.stillOurs()) file.claim(folders); // throws std::runtime_error
//     file.rewrite(bytes);
//     file.remove();
class CueFile {
public:
    CueFile() = default;
    ~CueFile() { close(); }
    CueFile(const CueFile&) = delete;
    CueFile& operator=(const CueFile&) = delete;

    // Lets go of any earlier file and claims a new one; its path is path() from then on.
    void claim(const std::vector<std::string>& folders);
    // Whether a file is held and its name still leads to it, as a regular file and not a link.
    bool stillOurs() const;
    // Replaces the file's contents with `bytes`; throws when they cannot all be written.
    void rewrite(const std::string& bytes);
    // Removes the file if it is still ours, and lets go of it.
    void remove();
    const std::string& path() const { return name; }

private:
    // Creates `path` exclusively, never through a link; false with `exists` set when the name is
    // taken, false with `error` set when the folder refuses it.
    bool create(const std::string& path, bool& exists, std::string& error);
    void close();

    std::string name;
    std::intptr_t handle = -1; // a descriptor, or a Windows file handle
};
