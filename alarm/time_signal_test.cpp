#include "alarm/time_signal.h"

#include "alarm/running_mascot_test.h"
#include "speech/hanasu.h"

namespace {

TEST(SpokenHour, HasNoLeadingZero) {
    EXPECT_EQ(spokenHour(QStringLiteral("0000")), QStringLiteral("0"));
    EXPECT_EQ(spokenHour(QStringLiteral("0900")), QStringLiteral("9"));
    EXPECT_EQ(spokenHour(QStringLiteral("1000")), QStringLiteral("10"));
    EXPECT_EQ(spokenHour(QStringLiteral("2300")), QStringLiteral("23"));
}

class TimeSignalTest : public RunningMascotTest {
protected:
    void SetUp() override {
        RunningMascotTest::SetUp();
        startAt(10, 58);
        m.st.chatterOn = 0;
        m.st.timeSignalOn = 1;
    }
};

TEST_F(TimeSignalTest, AnnouncesTheHourInAFreshBalloon) {
    m.st.charIndex = 11;
    m.st.nowHHNN = QStringLiteral("0000");
    Hanasu(m, QStringLiteral("前の話"), 0, 0, QString(), 0, 0);
    announceHour(m);
    EXPECT_EQ(lines(), QStringList{QStringLiteral("0時になりました。")});
    EXPECT_EQ(m.HanasuBox.geometry.width, 3000);
    EXPECT_EQ(m.HanasuBox.geometry.height, 510);
    EXPECT_EQ(m.st.balloonDuration, 5);
    EXPECT_EQ(soundNames(), QStringList{QStringLiteral("jihou.wav")});
}

TEST_F(TimeSignalTest, EachCharacterHasItsPhrase) {
    m.st.charIndex = 2;
    m.st.nowHHNN = QStringLiteral("1500");
    announceHour(m);
    EXPECT_EQ(lines(), QStringList{QStringLiteral("15時になったぜ。")});
    m.st.charIndex = 8;
    m.st.nowHHNN = QStringLiteral("0700");
    announceHour(m);
    EXPECT_EQ(lines(), QStringList{QStringLiteral("7時になったのかも。")});
}

TEST_F(TimeSignalTest, OnlyAtTheFullHourAndWhenSwitchedOn) {
    m.st.charIndex = 0;
    tickAt(10, 59);
    EXPECT_EQ(m.st.balloonShown, 0);
    tickAt(11, 0);
    EXPECT_EQ(lines(), QStringList{QStringLiteral("11時になりました。")});
    HanasuKesu(m);
    m.st.timeSignalOn = 0;
    tickAt(12, 0);
    EXPECT_EQ(m.st.balloonShown, 0);
}

TEST_F(TimeSignalTest, AnOpenPanelSkipsTheHourForGood) {
    m.st.panelMode = PanelMode::Settings;
    tickAt(13, 0);
    EXPECT_EQ(m.st.balloonShown, 0);
    m.st.panelMode = PanelMode::None;
    tickAt(13, 1);
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_TRUE(soundNames().isEmpty());
}

TEST_F(TimeSignalTest, ADueTalkOrTheAlarmTakesTheHour) {
    m.st.chatterOn = 1;
    m.st.normalTalkOn = 1;
    m.st.talkInterval = 5;
    m.st.talkMinutes = 4;
    tickAt(14, 0);
    EXPECT_EQ(soundNames(), QStringList{QStringLiteral("hanasu.wav")});
    m.st.alarmTime = QStringLiteral("1500");
    tickAt(15, 0);
    EXPECT_EQ(soundNames().last(), QStringLiteral("alarm.wav"));
    EXPECT_EQ(lines().last(), QStringLiteral("時間になりました。"));
}

} // namespace
