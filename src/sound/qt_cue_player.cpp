#include "sound/qt_cue_player.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

#include <stdexcept>

QtCuePlayer::QtCuePlayer() : effect(std::make_unique<QSoundEffect>())
{
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, [this] {
        if (effect->status() == QSoundEffect::Error && onError)
            onError("cannot play " + effect->source().toLocalFile().toStdString());
    });
}

QtCuePlayer::~QtCuePlayer() = default;

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
    effect->setSource(path.empty() ? QUrl() : QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtCuePlayer::play() { effect->play(); }
