#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>

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
// source again restarts it while different sources sound together.
class SoundPlayer {
public:
    explicit SoundPlayer(SoundChannelFactory makeChannel);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(const QString& source);

private:
    SoundChannelFactory makeChannel_;
    std::map<QString, std::unique_ptr<SoundChannel>> channels_;
};
