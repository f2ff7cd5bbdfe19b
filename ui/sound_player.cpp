#include "ui/sound_player.h"

#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& source) {
    auto& effect = effects_[source];
    if (!effect) {
        effect = std::make_shared<QSoundEffect>();
        effect->setSource(source.startsWith(u':') ? QUrl(QStringLiteral("qrc") + source)
                                                  : QUrl::fromLocalFile(source));
    }
    effect->stop();
    effect->play();
}
