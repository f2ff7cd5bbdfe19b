#include "core/dragging.h"

#include "core/main_tick.h"
#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

namespace {

class DraggingTest : public MascotTest {
protected:
    void SetUp() override {
        startRunning(); // 1280 x 800
        m.st.posX = 500;
        m.st.posY = 300;
    }
    static int tw(int px) { return px * 15; }
    void drag(int fromX, int fromY, int toX, int toY) {
        Form_MouseDown(m, MouseButton::Left, 0, tw(fromX), tw(fromY));
        Form_MouseMove(m, MouseButton::Left, 0, tw((fromX + toX) / 2), tw((fromY + toY) / 2));
        Form_MouseMove(m, MouseButton::Left, 0, tw(toX), tw(toY));
        Form_MouseUp(m, MouseButton::Left, 0, tw(toX), tw(toY));
    }
};

TEST_F(DraggingTest, ClickWithoutMovingForcesNoFacing) {
    m.st.legActive = 1;
    m.st.throwFacing = 0;
    drag(520, 350, 520, 350);
    EXPECT_EQ(m.st.legActive, 0);
    EXPECT_EQ(m.st.throwFacing, 0);
    EXPECT_EQ(m.st.posX, 500);
}

TEST_F(DraggingTest, CarriedByTheDistanceAndThrownThatWay) {
    drag(520, 350, 820, 450);
    EXPECT_EQ(m.st.posX, 800);
    EXPECT_EQ(m.st.posY, 400);
    EXPECT_EQ(m.st.throwFacing, 4);
    EXPECT_EQ(m.st.mouseHeld, 0);
    drag(820, 450, 800, 100);
    EXPECT_EQ(m.st.throwFacing, 3);
    drag(800, 100, 780, 300);
    EXPECT_EQ(m.st.throwFacing, 1);
    drag(780, 300, 500, 310);
    EXPECT_EQ(m.st.throwFacing, 2);
    // The next leg takes the thrown facing.
    platform.script({0.9, 0.0, 0.6});
    runningTick(m);
    EXPECT_EQ(m.st.facing, 1);
}

TEST_F(DraggingTest, SubPixelMovesRoundHalfToEven) {
    Form_MouseDown(m, MouseButton::Left, 0, 7500, 4500);
    Form_MouseMove(m, MouseButton::Left, 0, 7500 + 22, 4500 - 38); // 1.47 px, -2.53 px
    EXPECT_EQ(m.st.posX, 501);
    EXPECT_EQ(m.st.posY, 297);
    Form_MouseMove(m, MouseButton::Left, 0, 7522 + 30, 4462 + 37); // 2 px, 2.47 px
    EXPECT_EQ(m.st.posX, 503);
    EXPECT_EQ(m.st.posY, 299);
}

TEST_F(DraggingTest, DroppedBeyondAnEdgeIsPutBackOnTheScreen) {
    drag(520, 350, 0, 0);
    EXPECT_EQ(m.st.posX, 0);
    EXPECT_EQ(m.st.posY, 0);
    drag(10, 10, 1279, 799);
    EXPECT_EQ(m.st.posX, 1200);
    EXPECT_EQ(m.st.posY, 678);
    m.st.displayScale = 75; // bottom limit 708.5
    m.st.posY = 650;
    drag(100, 700, 100, 790);
    EXPECT_EQ(m.st.posY, 708);
}

TEST_F(DraggingTest, RightClickDuringADragPinsAndDropsThere) {
    Form_MouseDown(m, MouseButton::Left, 0, tw(520), tw(350));
    Form_MouseMove(m, MouseButton::Left, 0, tw(620), tw(360));
    Form_MouseDown(m, MouseButton::Right, 0, tw(620), tw(360));
    EXPECT_EQ(m.st.pinned, 1);
    EXPECT_EQ(m.st.balloonShown, 0) << "no menu while carrying";
    Form_MouseUp(m, MouseButton::Right, 0, tw(620), tw(360));
    EXPECT_EQ(m.st.mouseHeld, 0);
    EXPECT_EQ(m.st.throwFacing, 4);
    EXPECT_EQ(m.st.posX, 600);
    Form_MouseMove(m, MouseButton::Left, 0, tw(900), tw(360));
    Form_MouseUp(m, MouseButton::Left, 0, tw(900), tw(360));
    EXPECT_EQ(m.st.posX, 600) << "the later left release does nothing";
    // The same gesture frees it again.
    Form_MouseDown(m, MouseButton::Left, 0, tw(620), tw(360));
    Form_MouseDown(m, MouseButton::Right, 0, tw(620), tw(360));
    EXPECT_EQ(m.st.pinned, 0);
}

TEST_F(DraggingTest, RightClickDuringTheGreetingPauseStartsRunningAtOnce) {
    m.st.phase = Phase::GreetingPause;
    m.st.stepTicks = 3;
    Hanasu(m, QStringLiteral("こんにちは。"), 0, 0, QString(), 0, 0);
    Form_MouseDown(m, MouseButton::Right, 0, 0, 0);
    EXPECT_EQ(m.st.phase, Phase::Running);
    EXPECT_EQ(m.st.stepTicks, 0);
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_EQ(m.st.lastHHNN, platform.clock.toString(QStringLiteral("HHmm")));
}

TEST_F(DraggingTest, OtherButtonsAndStrayMovesDoNothing) {
    Form_MouseDown(m, 4, 0, 0, 0);
    Form_MouseMove(m, 0, 0, tw(900), tw(700));
    Form_MouseUp(m, 4, 0, tw(900), tw(700));
    EXPECT_EQ(m.st.posX, 500);
    EXPECT_EQ(m.st.balloonShown, 0);
}

} // namespace
