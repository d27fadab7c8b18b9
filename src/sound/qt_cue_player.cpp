#include "sound/qt_cue_player.h"

#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <stdexcept>

QtCuePlayer::QtCuePlayer() = default;

QtCuePlayer::~QtCuePlayer() = default;

void QtCuePlayer::connectToServer() { QMediaDevices::defaultAudioOutput(); }

std::string QtCuePlayer::cueBytes(int id) const
{
    QFile file(QString(":/cues/%1.wav").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("no cue " + std::to_string(id) + " in the program");
    const QByteArray bytes = file.readAll();
    return bytes.toStdString();
}

void QtCuePlayer::setLocation(const std::string& path)
{
    if (path.empty()) {
        // Stopping a QSoundEffect lets the sound server play out what it has buffered, up to the
        // whole cue; a new effect with a new stream cuts the old cue off at once.
        effect.reset();
        return;
    }
    if (QMediaDevices::defaultAudioOutput().isNull())
        throw std::runtime_error("no sound device");
    effect = std::make_unique<QSoundEffect>();
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, [this] {
        if (effect->status() == QSoundEffect::Error && onError)
            onError("cannot play " + effect->source().toLocalFile().toStdString());
    });
    effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtCuePlayer::play()
{
    if (effect)
        effect->play();
}
