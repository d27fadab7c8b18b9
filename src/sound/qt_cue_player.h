#pragma once

#include "sound/cue_player.h"

#include <functional>
#include <memory>

class QSoundEffect;

// Plays the cue files with QSoundEffect and reads the cues from the program's resources.
// It lives in the sound module (see sound_module.h), with Qt Multimedia and its libraries.
class QtCuePlayer : public CuePlayer {
public:
    // onError is told when the device cannot play a cue, which happens after play() returned.
    explicit QtCuePlayer(std::function<void(const std::string&)> onError);
    ~QtCuePlayer() override;

    std::string cueBytes(int id) const override;
    void setLocation(const std::string& path) override;
    void play() override;

private:
    std::function<void(const std::string&)> onError;
    std::unique_ptr<QSoundEffect> effect;
};

// The sound module's entry point: a new player, already connected to the sound server.
extern "C" CuePlayer* gridoraCreateCuePlayer(std::function<void(const std::string&)> onError);
