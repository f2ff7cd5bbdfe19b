#include "ui/sound_player.h"

SoundPlayer::SoundPlayer(SoundChannelFactory makeChannel) : makeChannel_(std::move(makeChannel)) {}
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString& source) {
    std::unique_ptr<SoundChannel>& channel = channels_[source];
    if (!channel) {
        channel = makeChannel_(source);
        if (!channel) {
            return;
        }
    }
    channel->stop();
    channel->play();
}
