#pragma once

#include <QHash>
#include <QString>

#include <memory>

class QSoundEffect;

// Plays WAV sounds without waiting: one effect per source, so playing a
// source again restarts it while different sources sound together.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    void play(const QString& source);

private:
    QHash<QString, std::shared_ptr<QSoundEffect>> effects_;
};
