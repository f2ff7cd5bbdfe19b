#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <set>

// One voice that plays one sound source over and over.
class SoundChannel {
public:
    virtual ~SoundChannel() = default;
    // Stops the sound if it is playing; does nothing otherwise.
    virtual void stop() = 0;
    // Starts the sound from its beginning and returns at once.
    virtual void play() = 0;
};

// Makes the channel of a source (a file path or a ":/..." resource path).
using SoundChannelFactory = std::function<std::unique_ptr<SoundChannel>(const QString& source)>;

// Plays WAV sounds without waiting: one channel per source, so playing a
// source again restarts it while different sources sound together. A sound
// is read whole into memory, so a file larger than `maxFileBytes`, or one
// that is no regular file (a pipe, a device), is never read: it stays
// silent, with one line on standard error.
class SoundPlayer {
public:
    // About a minute and a half of CD-quality stereo.
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    explicit SoundPlayer(SoundChannelFactory makeChannel, qint64 maxFileBytes = kMaxFileBytes);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(const QString& source);

private:
    [[nodiscard]] bool affordable(const QString& source);

    SoundChannelFactory makeChannel_;
    qint64 maxFileBytes_;
    std::map<QString, std::unique_ptr<SoundChannel>> channels_;
    std::set<QString> refused_; // told on standard error already
};
