#pragma once

#include "sound/cue_player.h"

#include <functional>
#include <memory>

class QSoundEffect;

// Plays the cue files with QSoundEffect and reads the cues from the program's resources.
// Connecting to the sound server takes milliseconds, so it waits for connectToServer(), which the
// program calls once its window is on screen; a cue played before that connects first.
class QtCuePlayer : public CuePlayer {
public:
    QtCuePlayer();
    ~QtCuePlayer() override;

    // Connects to the sound server and learns its devices, so the first cue is not late.
    void connectToServer();

    std::string cueBytes(int id) const override;
    void setLocation(const std::string& path) override;
    void play() override;

    // Told when the device cannot play a cue, which happens after play() returned.
    std::function<void(const std::string&)> onError;

private:
    std::unique_ptr<QSoundEffect> effect;
};
