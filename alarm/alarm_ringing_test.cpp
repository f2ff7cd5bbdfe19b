#include "alarm/alarm.h"
#include "alarm/alarm_box.h"

#include "alarm/running_mascot_test.h"
#include "speech/hanasu.h"

namespace {

class AlarmRingingTest : public RunningMascotTest {
protected:
    void SetUp() override {
        RunningMascotTest::SetUp();
        startAt(11, 58);
        m.st.alarmTime = QStringLiteral("1200");
        m.st.chatterOn = 0;
        m.st.timeSignalOn = 0;
    }

    QStringList alarmLines() const {
        return {QStringLiteral("あなた、"), QStringLiteral("時間になりました。")};
    }
};

TEST_F(AlarmRingingTest, CallsTheUserWithTheAlarmSound) {
    alarmRings(m);
    EXPECT_EQ(lines(),
              (QStringList{QStringLiteral("あなた、"), QStringLiteral("時間になりました。")}));
    EXPECT_EQ(soundNames(), QStringList{QStringLiteral("alarm.wav")});
    EXPECT_EQ(m.st.balloonDuration, 3 + 5);
    EXPECT_EQ(m.HanasuBox.geometry.width, 3000);
    EXPECT_EQ(m.HanasuBox.geometry.height, 1800);
    // Any other name is called with "さん".
    HanasuKesu(m);
    m.st.masterName = QStringLiteral("花子");
    alarmRings(m);
    EXPECT_EQ(lines().first(), QStringLiteral("花子さん、"));
}

TEST_F(AlarmRingingTest, AtNoonOnlyTheAlarmIsSaid) {
    // Talk is due as well, and the time signal is on.
    m.st.chatterOn = 1;
    m.st.talkInterval = 1;
    m.st.timeSignalOn = 1;
    tickAt(12, 0);
    EXPECT_EQ(lines(), alarmLines());
    EXPECT_EQ(soundNames(), QStringList{QStringLiteral("alarm.wav")});
    // The minute counters still advanced: the talk comes at the next minute.
    EXPECT_EQ(m.st.talkMinutes, 1);
    tickAt(12, 1);
    EXPECT_EQ(soundNames().last(), QStringLiteral("hanasu.wav"));
}

TEST_F(AlarmRingingTest, JoinsWhatTheBalloonShows) {
    Hanasu(m, QStringLiteral("お知らせ"), 0, 0, QString(), 0, 0);
    tickAt(12, 0);
    EXPECT_EQ(lines(), QStringList{QStringLiteral("お知らせ")} + alarmLines());
    EXPECT_EQ(m.st.balloonDuration, 3 + 3 + 5);
}

TEST_F(AlarmRingingTest, RingsOncePerDayAndAgainTheNextDay) {
    tickAt(12, 0);
    ASSERT_EQ(soundNames().size(), 1);
    Timer1_Timer(m); // the same minute again: nothing new
    tickAt(12, 1);
    EXPECT_EQ(soundNames().size(), 1);
    platform.clock = platform.clock.addDays(1);
    tickAt(11, 59);
    tickAt(12, 0);
    EXPECT_EQ(soundNames(),
              (QStringList{QStringLiteral("alarm.wav"), QStringLiteral("alarm.wav")}));
}

TEST_F(AlarmRingingTest, NeverWhileThePanelIsOpen) {
    AlarmHiraku(m);
    AlaText_Change(m, AlaBox::Hours, QStringLiteral("11"));
    AlaText_Change(m, AlaBox::Minutes, QStringLiteral("59"));
    alaon_MouseDown(m, Alaon::On, kAlarmLeftButton);
    tickAt(11, 59);
    EXPECT_TRUE(soundNames().isEmpty());
    alaon_MouseDown(m, Alaon::Ok, kAlarmLeftButton);
    EXPECT_EQ(m.st.alarmTime, QStringLiteral("1159"));
    tickAt(12, 0);
    EXPECT_TRUE(soundNames().isEmpty());
    platform.clock = platform.clock.addDays(1);
    tickAt(11, 59);
    EXPECT_EQ(soundNames(), QStringList{QStringLiteral("alarm.wav")});
}

TEST_F(AlarmRingingTest, OffNeverRings) {
    m.st.alarmTime.clear();
    for (int mi = 0; mi < 60; ++mi) {
        tickAt(12, mi);
    }
    EXPECT_FALSE(soundNames().contains(QStringLiteral("alarm.wav")));
}

} // namespace
