#include "ui/effect_channel.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

#include <cstdio>

namespace {

QUrl urlOf(const QString& source) {
    return source.startsWith(u':') ? QUrl(QStringLiteral("qrc") + source)
                                   : QUrl::fromLocalFile(source);
}

} // namespace

EffectChannel::EffectChannel(QString source) : source_(std::move(source)) {}

void EffectChannel::stop() {
    if (effect_) {
        effect_->stop();
    }
}

void EffectChannel::play() {
    if (!effect_) {
        // Without a device Qt would make the effect and play nothing; asking
        // first keeps that silent and lets a device plugged in later work.
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            reportNoDevice();
            return;
        }
        // A file that cannot be read or decoded ends in the Error status,
        // which Qt reports once on standard error itself; plays after that
        // stay silent.
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(urlOf(source_));
    }
    effect_->play();
}

std::unique_ptr<SoundChannel> EffectChannel::make(const QString& source) {
    return std::make_unique<EffectChannel>(source);
}

void EffectChannel::reportNoDevice() {
    if (reported_) {
        return;
    }
    reported_ = true;
    std::fprintf(stderr, "sanpo: the sound %s stays silent: there is no sound device\n",
                 qUtf8Printable(source_));
}
