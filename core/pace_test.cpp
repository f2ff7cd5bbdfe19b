#include "core/pace.h"

#include "tests/support/mascot_fixture.h"

namespace {

class PaceTest : public MascotTest {
protected:
    void SetUp() override {
        startRunning();
        m.st.legActive = 1;
        m.st.walkInterval = 31;
        m.st.stepTicks = 0;
    }
};

TEST_F(PaceTest, SleepsUntilTheNextStepButNeverLongerThanTheCap) {
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), kMaxBatchTicks);
    m.st.stepTicks = 27; // the step comes with the fourth tick from now
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 4);
    m.st.stepTicks = 40; // interval lowered below the count: due at once
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 1);
}

TEST_F(PaceTest, EveryTickWhileSomethingMoves) {
    for (int which = 0; which < 3; ++which) {
        SetUp();
        if (which == 0) {
            m.st.mouseHeld = 1;
        } else if (which == 1) {
            m.st.blinkPhase = 2;
        } else {
            m.st.legActive = 0;
        }
        EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 1) << which;
    }
    m.st.phase = Phase::Load;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 1);
}

TEST_F(PaceTest, WakesForTheBalloonsNextSecondAndTheNextMinute) {
    m.st.balloonShown = 1;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 980)), 2); // 20 ms
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 999)), 1);
    m.st.balloonShown = 0;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 59, 960)), 3); // 40 ms to the minute
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 58, 960)), kMaxBatchTicks);
    m.st.phase = Phase::GreetingPause;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 950)), 4);
}

} // namespace
