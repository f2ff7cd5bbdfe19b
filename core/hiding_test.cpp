#include "core/hiding.h"

#include "core/main_tick.h"
#include "core/pace.h"
#include "core/startup.h"
#include "settings/choice_menu.h"
#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

namespace {

class HidingTest : public MascotTest {
protected:
    void SetUp() override {
        platform.setTime(9, 0, 30);
        startRunning();
        m.st.posX = 500;
        m.st.posY = 300;
        m.st.talkInterval = 2;
        m.st.walkInterval = 1;
        m.st.timeSignalOn = 1;
        platform.defaultRandom = 0.5;
    }
    void nextMinute() {
        platform.advance(60 * 1000);
        runningTick(m);
    }
};

TEST_F(HidingTest, OutOfSightNothingMovesOrSpeaksAndOnlyTheMinuteWakesIt) {
    runningTick(m);
    setHidden(m, HideCause::User, true);
    ASSERT_TRUE(isHidden(m));
    const int x = m.st.posX;
    const int y = m.st.posY;
    for (int i = 0; i < 100; ++i) {
        runningTick(m);
    }
    EXPECT_EQ(std::pair(m.st.posX, m.st.posY), std::pair(x, y));
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 30, 0)), (30 * 1000 + kTickMs - 1) / kTickMs)
        << "asleep until the next minute";

    platform.setTime(9, 59, 30);
    nextMinute(); // 10:00, talk due: neither the talk nor the hour is said
    nextMinute();
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_GE(m.st.talkMinutes, m.st.talkInterval) << "the talk is held, not dropped";

    setHidden(m, HideCause::User, false);
    nextMinute();
    EXPECT_EQ(m.st.talkMinutes, 0) << "the held talk comes at the first minute back";
    EXPECT_EQ(m.st.balloonShown, 1);
}

TEST_F(HidingTest, TheAlarmBringsTheCharacterBack) {
    m.st.alarmTime = QStringLiteral("0901");
    setHidden(m, HideCause::User, true);
    nextMinute();
    EXPECT_FALSE(isHidden(m)) << "put away by the user, the alarm shows it for good";
    EXPECT_EQ(m.st.balloonShown, 1);

    // Over a fullscreen window it shows only while its lines are up.
    HanasuKesu(m);
    m.st.alarmTime = QStringLiteral("0902");
    setHidden(m, HideCause::Fullscreen, true);
    nextMinute();
    EXPECT_FALSE(isHidden(m));
    EXPECT_TRUE(m.HanasuBox.visible);
    for (int i = 0; i < 10 && m.st.balloonShown == 1; ++i) {
        platform.advance(1000);
        runningTick(m);
    }
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_TRUE(isHidden(m)) << "the fullscreen window is still there";
    nextMinute();
    EXPECT_TRUE(isHidden(m));
}

TEST_F(HidingTest, GoingAwayEndsADragAndAPassingLineButKeepsAMenu) {
    m.st.mouseHeld = 1;
    Hanasu(m, QStringLiteral("こんにちは"), 0, 0, QString(), 0, 0);
    setHidden(m, HideCause::Fullscreen, true);
    EXPECT_EQ(m.st.mouseHeld, 0);
    EXPECT_EQ(m.st.balloonShown, 0);

    setHidden(m, HideCause::Fullscreen, false);
    SentakuHiraku(m); // the main menu
    ASSERT_EQ(m.st.panelMode, PanelMode::Menu);
    setHidden(m, HideCause::User, true);
    setHidden(m, HideCause::Fullscreen, true);
    EXPECT_EQ(m.st.balloonShown, 1);
    EXPECT_EQ(m.st.panelMode, PanelMode::Menu);

    // Brought back by the user over the fullscreen window, until the next one.
    setHidden(m, HideCause::User, false);
    EXPECT_FALSE(isHidden(m));
    setHidden(m, HideCause::Fullscreen, true);
    EXPECT_TRUE(isHidden(m));
}

TEST_F(HidingTest, StartedAgainItComesBackEvenOverAFullscreenWindow) {
    setHidden(m, HideCause::User, true);
    setHidden(m, HideCause::Fullscreen, true);
    secondStart(m);
    EXPECT_FALSE(isHidden(m));
    EXPECT_EQ(m.st.balloonShown, 1) << "and greets";
}

} // namespace
