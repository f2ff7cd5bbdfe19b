#include "ui/sound_player.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

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

// A file of `bytes` bytes in `dir`; returns its path.
QString fileOfSize(const QTemporaryDir& dir, const char* name, qint64 bytes) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    EXPECT_TRUE(f.resize(bytes));
    return f.fileName();
}

TEST(SoundPlayerTest, DifferentSourcesSoundTogether) {
    QTemporaryDir dir;
    const QString chime = fileOfSize(dir, "jihou.wav", 100);
    const std::string c = chime.toStdString();
    SoundLog log;
    SoundPlayer player(loggingFactory(log));
    player.play(QStringLiteral(":/sounds/alarm.wav"));
    player.play(chime);
    player.play(QStringLiteral(":/sounds/alarm.wav"));
    EXPECT_EQ(log.made, 2);
    // Starting the chime leaves the alarm alone; only its own replay stops it.
    EXPECT_EQ(log.events,
              (Events{"stop :/sounds/alarm.wav", "play :/sounds/alarm.wav", "stop " + c,
                      "play " + c, "stop :/sounds/alarm.wav", "play :/sounds/alarm.wav"}));
}

TEST(SoundPlayerTest, SourceWithoutChannelStaysSilent) {
    int asked = 0;
    SoundPlayer player([&asked](const QString&) -> std::unique_ptr<SoundChannel> {
        ++asked;
        return nullptr;
    });
    player.play(QStringLiteral(":/x.wav"));
    player.play(QStringLiteral(":/x.wav"));
    EXPECT_EQ(asked, 2);
}

TEST(SoundPlayerTest, FilesTooLargeOrNotRegularAreNeverReadAndSaySoOnce) {
    QTemporaryDir dir;
    const QString fits = fileOfSize(dir, "fits.wav", 1000);
    const QString huge = fileOfSize(dir, "huge.wav", 1001);
    const QString pipe = dir.filePath(QStringLiteral("pipe.wav"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    SoundLog log;
    SoundPlayer player(loggingFactory(log), 1000);

    ::testing::internal::CaptureStderr();
    player.play(fits);
    player.play(huge);
    player.play(huge);
    player.play(pipe);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(log.made, 1);
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 2) << told;
    EXPECT_NE(told.find("huge.wav"), std::string::npos);

    // Cut down to size, the file sounds at the next play.
    ASSERT_TRUE(QFile::resize(huge, 10));
    player.play(huge);
    EXPECT_EQ(log.made, 2);
}

} // namespace
