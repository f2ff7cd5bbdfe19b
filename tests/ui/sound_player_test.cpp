#include "ui/sound_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Channels that write what is done to them into one shared log, in order.
struct SoundLog {
    std::vector<std::string> events;
    int made = 0;
};

class LoggingChannel : public SoundChannel {
public:
    LoggingChannel(SoundLog& log, QString source) : log_(log), source_(std::move(source)) {}
    void stop() override { log_.events.push_back("stop " + source_.toStdString()); }
    void play() override { log_.events.push_back("play " + source_.toStdString()); }

private:
    SoundLog& log_;
    QString source_;
};

SoundChannelFactory loggingFactory(SoundLog& log) {
    return [&log](const QString& source) -> std::unique_ptr<SoundChannel> {
        ++log.made;
        return std::make_unique<LoggingChannel>(log, source);
    };
}

using Events = std::vector<std::string>;

TEST(SoundPlayerTest, SameSourceAgainIsStoppedAndRestartedOnItsChannel) {
    SoundLog log;
    SoundPlayer player(loggingFactory(log));
    player.play(QStringLiteral(":/sounds/alarm.wav"));
    player.play(QStringLiteral(":/sounds/alarm.wav"));
    EXPECT_EQ(log.made, 1);
    EXPECT_EQ(log.events, (Events{"stop :/sounds/alarm.wav", "play :/sounds/alarm.wav",
                                  "stop :/sounds/alarm.wav", "play :/sounds/alarm.wav"}));
}

TEST(SoundPlayerTest, DifferentSourcesSoundTogether) {
    SoundLog log;
    SoundPlayer player(loggingFactory(log));
    player.play(QStringLiteral(":/sounds/alarm.wav"));
    player.play(QStringLiteral("/home/u/SOUND/jihou.wav"));
    player.play(QStringLiteral(":/sounds/alarm.wav"));
    EXPECT_EQ(log.made, 2);
    // Starting the chime leaves the alarm alone; only its own replay stops it.
    EXPECT_EQ(log.events, (Events{"stop :/sounds/alarm.wav", "play :/sounds/alarm.wav",
                                  "stop /home/u/SOUND/jihou.wav", "play /home/u/SOUND/jihou.wav",
                                  "stop :/sounds/alarm.wav", "play :/sounds/alarm.wav"}));
}

TEST(SoundPlayerTest, SourceWithoutChannelStaysSilent) {
    int asked = 0;
    SoundPlayer player([&asked](const QString&) -> std::unique_ptr<SoundChannel> {
        ++asked;
        return nullptr;
    });
    player.play(QStringLiteral("x.wav"));
    player.play(QStringLiteral("x.wav"));
    EXPECT_EQ(asked, 2);
}

} // namespace
