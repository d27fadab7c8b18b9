#include "sound/cue_file.h"

#include <stdexcept>

namespace {
constexpr int highestFileNumber = 999;
}

void CueFile::claim(const std::vector<std::string>& folders)
{
    close();
    std::string lastError = "no folder for the cue file";
    for (const std::string& folder : folders) {
        if (folder.empty())
            continue;
        for (int n = 1; n <= highestFileNumber; ++n) {
            const std::string candidate = folder + "/temp" + std::to_string(n) + ".wav";
            bool exists = false;
            std::string error;
            if (create(candidate, exists, error)) {
                name = candidate;
                return;
            }
            lastError = candidate + ": " + error;
            if (!exists)
                break;
        }
    }
    throw std::runtime_error("cannot create the cue file: " + lastError);
}
