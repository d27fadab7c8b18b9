#pragma once

#include "sound/cue_player.h"

#include <functional>
#include <memory>

class QSoundEffect;

// Plays the cue files with QSoundEffect and reads the cues from the program's resources.
class QtCuePlayer : public CuePlayer {
public:
    QtCuePlayer();
    ~QtCuePlayer() override;

    // Optional: does the slow part of the first cue's work ahead of time.
    void connectToDevice();

    std::string cueBytes(int id) const override;
    void setLocation(const std::string& path) override;
    void play() override;

    // Told when the device cannot play a cue; playing happens after play() has returned.
    std::function<void(const std::string&)> onError;

private:
    std::unique_ptr<QSoundEffect> effect;
};
