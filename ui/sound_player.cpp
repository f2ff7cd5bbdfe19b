#include "ui/sound_player.h"

#include <QFileInfo>

#include <cstdio>

SoundPlayer::SoundPlayer(SoundChannelFactory makeChannel, qint64 maxFileBytes)
    : makeChannel_(std::move(makeChannel)), maxFileBytes_(maxFileBytes) {}
SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::affordable(const QString& source) {
    if (source.startsWith(u':')) {
        return true; // built into the program
    }
    // Asked at every play: the user may replace the file while the mascot runs.
    const QFileInfo file(source);
    const bool ok = file.isFile() && file.size() <= maxFileBytes_;
    if (ok) {
        refused_.erase(source);
    } else if (refused_.insert(source).second) {
        std::fprintf(
            stderr, "sanpo: the sound %s stays silent: %s\n", qUtf8Printable(source),
            file.isFile()
                ? qPrintable(
                      QStringLiteral("larger than %1 MiB").arg(maxFileBytes_ / (1024 * 1024)))
                : "not a regular file");
    }
    return ok;
}

void SoundPlayer::play(const QString& source) {
    if (!affordable(source)) {
        channels_.erase(source);
        return;
    }
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
