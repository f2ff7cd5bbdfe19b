#include "core/main_tick.h"

#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

namespace {

class MainTickTest : public MascotTest {
protected:
    void SetUp() override {
        platform.setTime(9, 0, 30);
        startRunning();
        m.st.posX = 500;
        m.st.posY = 300;
        m.st.talkInterval = 5;
        platform.defaultRandom = 0.5; // blinks never start at 0.5
    }
    // Moves the clock to the next minute and runs one tick.
    void nextMinute() {
        platform.advance(60 * 1000);
        runningTick(m);
    }
};

TEST_F(MainTickTest, TalkComesAtTheFifthNewMinute) {
    for (int i = 1; i <= 4; ++i) {
        nextMinute();
        EXPECT_EQ(m.st.talkMinutes, i);
    }
    Hanasu(m, QStringLiteral("前の話"), 0, 0, QString(), 0, 0);
    nextMinute();
    EXPECT_EQ(m.st.talkMinutes, 0);
    EXPECT_EQ(m.st.balloonShown, 1);
    EXPECT_FALSE(m.HanasuBox.HanasuNaiyo.caption.contains(QStringLiteral("前の話")))
        << "the talk starts with an empty balloon";
}

TEST_F(MainTickTest, OpenPanelHoldsTheTalkBackUntilItCloses) {
    m.st.panelMode = PanelMode::Settings;
    for (int i = 1; i <= 8; ++i) {
        nextMinute();
    }
    EXPECT_EQ(m.st.talkMinutes, 8);
    m.st.panelMode = PanelMode::None;
    runningTick(m); // same minute: nothing
    EXPECT_EQ(m.st.talkMinutes, 8);
    nextMinute();
    EXPECT_EQ(m.st.talkMinutes, 0);
}

TEST_F(MainTickTest, ChatterOffNeverCounts) {
    m.st.chatterOn = 0;
    for (int i = 0; i < 20; ++i) {
        nextMinute();
    }
    EXPECT_EQ(m.st.talkMinutes, 0);
}

TEST_F(MainTickTest, AlarmMinuteTakesPrecedenceWhileTheCountersAdvance) {
    m.st.talkMinutes = 4;
    m.st.autoFetchMode = 1;
    m.st.fetchMinutes = 4;
    m.st.alarmTime = QStringLiteral("0901");
    nextMinute();
    EXPECT_EQ(m.st.lastHHNN, QStringLiteral("0901"));
    EXPECT_EQ(m.st.talkMinutes, 5) << "the talk due in this minute waits";
    EXPECT_EQ(m.st.fetchMinutes, 5) << "the feed update due in this minute waits";
    nextMinute();
    EXPECT_EQ(m.st.fetchMinutes, 0) << "then the feed update goes first";
    EXPECT_EQ(m.st.talkMinutes, 6);
    nextMinute();
    EXPECT_EQ(m.st.talkMinutes, 0);
}

TEST_F(MainTickTest, AlarmPanelOpenLetsTheOtherCasesThrough) {
    m.st.talkMinutes = 4;
    m.st.alarmTime = QStringLiteral("0901");
    m.st.panelMode = PanelMode::Alarm;
    nextMinute();
    EXPECT_EQ(m.st.talkMinutes, 5) << "a panel is open, so no talk either";
}

TEST_F(MainTickTest, FeedSchedulesByMode) {
    for (const auto& [mode, period] : {std::pair{1, 5}, {2, 30}, {3, 60}}) {
        SCOPED_TRACE(mode);
        m.st.autoFetchMode = mode;
        m.st.fetchMinutes = 0;
        m.st.chatterOn = 0;
        for (int i = 1; i < period; ++i) {
            nextMinute();
        }
        EXPECT_EQ(m.st.fetchMinutes, period - 1);
        nextMinute();
        EXPECT_EQ(m.st.fetchMinutes, 0);
    }
}

TEST_F(MainTickTest, MinuteCountersStopAtTheTopOfTheirRange) {
    m.st.panelMode = PanelMode::Feeds;
    m.st.talkMinutes = 32766;
    nextMinute();
    nextMinute();
    nextMinute();
    EXPECT_EQ(m.st.talkMinutes, 32767);
    m.st.panelMode = PanelMode::None;
    nextMinute();
    EXPECT_EQ(m.st.talkMinutes, 0);
}

TEST_F(MainTickTest, WalkingIntervalCountsTicks) {
    m.st.legActive = 1;
    m.st.stepDX = 5;
    m.st.stepDY = 0;
    m.st.facing = 3;
    m.st.walkInterval = 1;
    for (int i = 0; i < 3; ++i) {
        runningTick(m);
    }
    EXPECT_EQ(m.st.posX, 515);
    EXPECT_EQ(m.st.stepFrame, 3);

    m.st.walkInterval = 40;
    m.st.stepTicks = 0;
    for (int i = 0; i < 39; ++i) {
        runningTick(m);
    }
    EXPECT_EQ(m.st.posX, 515);
    runningTick(m);
    EXPECT_EQ(m.st.posX, 520);
    EXPECT_EQ(m.st.stepFrame, 0);
}

TEST_F(MainTickTest, HeldPinnedOrBusyStandsFacingFrontAndDoesNotWalk) {
    m.st.walkInterval = 1;
    for (int which = 0; which < 3; ++which) {
        SCOPED_TRACE(which);
        m.st.mouseHeld = which == 0;
        m.st.pinned = which == 1;
        m.st.panelMode = which == 2 ? PanelMode::Menu : PanelMode::None;
        m.st.legActive = 1;
        m.st.facing = 3;
        m.st.stepDX = 5;
        const int x = m.st.posX;
        runningTick(m);
        EXPECT_EQ(m.st.posX, x);
        EXPECT_EQ(m.st.facing, 0);
        EXPECT_EQ(m.st.stepFrame, 0);
    }
}

TEST_F(MainTickTest, ThreeSecondLineClosesAtTheThirdChangeOfTheSeconds) {
    Hanasu(m, QStringLiteral("こんにちは"), 0, 0, QString(), 0, 0);
    for (int second = 1; second <= 2; ++second) {
        platform.advance(1000);
        runningTick(m);
        runningTick(m);
        EXPECT_EQ(m.st.balloonShown, 1);
        EXPECT_EQ(m.st.balloonSeconds, second);
    }
    platform.advance(1000);
    runningTick(m);
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_FALSE(m.HanasuBox.visible);
}

TEST_F(MainTickTest, BalloonFollowsTheWalkingCharacter) {
    Hanasu(m, QStringLiteral("歩きながら"), 0, 0, QString(), 0, 0);
    m.st.legActive = 1;
    m.st.stepDX = 8;
    m.st.stepDY = 0;
    m.st.walkInterval = 1;
    runningTick(m);
    EXPECT_EQ(m.st.posX, 508);
    EXPECT_EQ(m.HanasuBox.geometry.left, 508 * 15 - 3000);
    EXPECT_EQ(m.HanasuBox.geometry.top, 300 * 15 + 450);
}

TEST_F(MainTickTest, PanelsFollowWithTheirOffsets) {
    m.Settei.geometry = {0, 0, 6135, 5775};
    m.RssBox.geometry = {0, 0, 6000, 5000};
    m.AlarmBox.geometry = {0, 0, 1725, 2415};
    m.st.posX = 10;  // no room on the left
    m.st.posY = 700; // near the bottom
    const int screenH = 800 * 15;
    m.st.panelMode = PanelMode::Settings;
    followPanels(m);
    EXPECT_EQ(m.Settei.geometry.left, (10 + 105) * 15);
    EXPECT_EQ(m.Settei.geometry.top, screenH - (5775 + 450));
    m.st.panelMode = PanelMode::Feeds;
    followPanels(m);
    EXPECT_EQ(m.RssBox.geometry.left, (10 + 80) * 15);
    m.st.panelMode = PanelMode::Alarm;
    m.st.posX = 400;
    m.st.posY = 100;
    followPanels(m);
    EXPECT_EQ(m.AlarmBox.geometry.left, 400 * 15 - 1725);
    EXPECT_EQ(m.AlarmBox.geometry.top, 100 * 15 + 450);
}

} // namespace
