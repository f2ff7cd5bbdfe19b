#pragma once

#include "ui/sound_player.h"

#include <QSoundEffect>

#include <memory>

// A sound channel on Qt Multimedia. The effect is made at the first play on
// a machine that has a sound device, and decodes its file in the background;
// the play starts once that is done. A file that cannot be read or decoded,
// or a machine without a sound device, stays silent with one line on
// standard error.
class EffectChannel : public SoundChannel {
public:
    explicit EffectChannel(QString source);

    void stop() override;
    void play() override;

    // The channel factory for SoundPlayer on a real desktop.
    static std::unique_ptr<SoundChannel> make(const QString& source);

private:
    void reportNoDevice();

    QString source_;
    std::unique_ptr<QSoundEffect> effect_;
    bool reported_ = false;
};
