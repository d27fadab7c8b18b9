#pragma once

#include <string>

// The sound device and the cues embedded in the program.
// Any method may throw std::exception; the game treats sound as best-effort.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;

    // The bytes of the embedded WAV cue `id` (101..109).
    virtual std::string cueBytes(int id) const = 0;
    // Points the player at a WAV file; an empty path closes whatever it has open.
    virtual void setLocation(const std::string& path) = 0;
    // Starts playing the current file and returns at once.
    virtual void play() = 0;
};
