#include "sound/sound_module.h"

#include <stdexcept>

SoundModule::SoundModule(const QString& path) : library(path) {}

SoundModule::~SoundModule() = default; // the player goes before the library

void SoundModule::load() const
{
    if (loaded || !failure.empty())
        return;
    using Create = CuePlayer* (*)(std::function<void(const std::string&)>);
    if (auto create = reinterpret_cast<Create>(library.resolve("gridoraCreateCuePlayer")))
        loaded.reset(create(onError));
    else
        failure = "cannot load the sound module: " + library.errorString().toStdString();
}

CuePlayer& SoundModule::player() const
{
    load();
    if (!loaded)
        throw std::runtime_error(failure);
    return *loaded;
}

std::string SoundModule::cueBytes(int id) const { return player().cueBytes(id); }

void SoundModule::setLocation(const std::string& path) { player().setLocation(path); }

void SoundModule::play() { player().play(); }
