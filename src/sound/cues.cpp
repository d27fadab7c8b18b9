#include "game/form1.h"

#include "sound/cue_player.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {
constexpr int highestFileNumber = 999;

// Claims the first free name "temp<n>.wav" in the first folder that takes it. The exclusive create
// means the game never writes over, or later deletes, a file it did not make itself.
std::string claimCueFile(const std::vector<std::string>& folders)
{
    std::string lastError = "no folder for the cue file";
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        for (int n = 1; n <= highestFileNumber; ++n) {
            const std::string path = folder + "/temp" + std::to_string(n) + ".wav";
            if (std::FILE* f = std::fopen(path.c_str(), "wbx")) {
                std::fclose(f);
                return path;
            }
            lastError = path + ": " + std::strerror(errno);
            if (errno != EEXIST)
                break;
        }
    }
    throw std::runtime_error("cannot create the cue file: " + lastError);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write the cue file " + path);
}
} // namespace

// Writes the cue to the temporary file and starts it. Sound is best-effort: a failing step skips
// the rest of the cue, and the handler that asked for it goes on with its work.
void Form1::playcue(int id)
{
    try {
        if (wavfile.empty())
            wavfile = claimCueFile(cueFolders);
        const std::string bytes = player.cueBytes(id);
        player.setLocation(""); // lets go of the file before it is rewritten
        writeFile(wavfile, bytes);
        player.setLocation(wavfile);
        player.play();
    } catch (const std::exception& e) {
        reportCueFailure(e.what());
    }
}

void Form1::zed() { playcue(103); }

void Form1::unload()
{
    if (!wavfile.empty())
        std::remove(wavfile.c_str()); // a file that is already gone is no reason to complain
}

void Form1::reportCueFailure(const std::string& what)
{
    if (reported.insert(what).second)
        errors << "gridora: sound: " << what << std::endl;
}
