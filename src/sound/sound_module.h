#pragma once

#include "sound/cue_player.h"

#include <QLibrary>

#include <functional>
#include <memory>

// The cue player from the sound module, a shared library loaded while the game runs: Qt
// Multimedia and the libraries it brings would otherwise slow every start by milliseconds.
//
//     SoundModule player(path);   // nothing loaded yet
//     player.load();              // after the first frame; a cue before that loads it too
class SoundModule : public CuePlayer {
public:
    explicit SoundModule(const QString& path);
    ~SoundModule() override;

    // Loads the module once; when it cannot be loaded, every cue fails with the reason.
    void load() const;

    std::string cueBytes(int id) const override;
    void setLocation(const std::string& path) override;
    void play() override;

    // Told when the device cannot play a cue; set before load().
    std::function<void(const std::string&)> onError;

private:
    CuePlayer& player() const;

    mutable QLibrary library;
    mutable std::unique_ptr<CuePlayer> loaded;
    mutable std::string failure;
};
