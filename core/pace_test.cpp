#include "core/pace.h"

#include "core/hiding.h"

#include "tests/support/mascot_fixture.h"

namespace {

class PaceTest : public MascotTest {
protected:
    void SetUp() override {
        startRunning();
        m.st.legActive = 1;
        m.st.walkInterval = 40;
        m.st.stepTicks = 0;
    }
};

TEST_F(PaceTest, SleepsUntilTheNextStepButNeverLongerThanTheCap) {
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), kMaxBatchTicks);
    m.st.stepTicks = 36; // the step comes with the fourth tick from now
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 4);
    m.st.stepTicks = 45; // interval lowered below the count: due at once
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 1);
}

TEST_F(PaceTest, EveryTickWhileHeldOrChoosingALeg) {
    m.st.mouseHeld = 1;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 1);
    SetUp();
    m.st.legActive = 0;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 1);
    m.st.phase = Phase::Load;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 1);
}

TEST_F(PaceTest, ABlinkWakesForEachOfItsFrames) {
    m.st.blinkPhase = 1;
    m.st.blinkCounter = 0;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 5);
    m.st.blinkCounter = 4;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 0)), 1);
}

TEST_F(PaceTest, ABalloonWakesOnlyForTheSecondThatClosesIt) {
    m.st.balloonShown = 1;
    m.st.balloonDuration = 3;
    m.st.balloonSeconds = 2;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 980)), 2); // 20 ms
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 999)), 1);
    m.st.balloonSeconds = 1; // two more changes: the next one only counts
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 980)), kMaxBatchTicks);
    m.st.balloonDuration = 1000; // a menu never runs out
    m.st.balloonSeconds = 0;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 980)), kMaxBatchTicks);
    m.st.balloonShown = 0;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 59, 960)), 3); // 40 ms to the minute
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 58, 960)), kMaxBatchTicks);
    m.st.phase = Phase::GreetingPause;
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 10, 950)), 4);
}

// The shell's loop on simulated time: wake when told, run what fell due.
class PacerTest : public PaceTest {
protected:
    TickPacer pacer;
    qint64 nowMs = 0;
    int steps = 0;

    // The ticks of the reference clock by `nowMs`: the first runs at 0.
    [[nodiscard]] qint64 ticksDue() const { return nowMs / kTickMs + 1; }

    // Sleeps as the pacer says, then wakes; counts walking steps seen.
    void wakeOnce() {
        const qint64 sleep = pacer.msUntilWake(m, nowMs);
        nowMs += sleep;
        platform.advance(sleep);
        const int frameBefore = m.st.stepFrame;
        pacer.runDue(m, nowMs);
        if (m.st.stepFrame != frameBefore) {
            ++steps;
        }
    }
};

TEST_F(PacerTest, BatchedTicksKeepTheWalkingPace) {
    platform.clock = QDateTime(QDate(2026, 12, 9), QTime(9, 0, 10, 0));
    m.st.lastHHNN = m.st.nowHHNN = QStringLiteral("0900");
    m.st.walkInterval = 20;
    platform.defaultRandom = 0.5; // no blinks
    int wakes = 0;
    while (nowMs < 20 * 20 * kTickMs) { // twenty steps' worth of time
        wakeOnce();
        ++wakes;
    }
    EXPECT_EQ(steps, ticksDue() / 20);
    EXPECT_EQ(m.st.stepTicks, ticksDue() % 20);
    EXPECT_LE(wakes, steps + 1); // one wake-up per step, not one per tick
}

TEST_F(PacerTest, ABlinkOnALateTickShowsItsFirstFrameThenCatchesUp) {
    platform.clock = QDateTime(QDate(2026, 12, 9), QTime(9, 0, 10, 0));
    m.st.lastHHNN = m.st.nowHHNN = QStringLiteral("0900");
    m.st.walkInterval = 40;
    // A wake-up after ten ticks of sleep; the blink starts on the third.
    platform.script({0.5, 0.5, 0.001});
    platform.defaultRandom = 0.5;
    nowMs = 9 * kTickMs;
    platform.advance(nowMs);
    pacer.runDue(m, nowMs);
    EXPECT_EQ(m.st.blinkPhase, 1); // the half-closed eyes are shown now
    EXPECT_EQ(m.st.blinkCounter, 0);
    EXPECT_EQ(m.st.stepTicks, 3);
    EXPECT_EQ(pacer.owedTicks(), 7);
    // The blink then runs at its pace, and the held-back ticks are run
    // once it is over, before the next step.
    int lastPhase = 1;
    std::vector<int> phases;
    while (nowMs < 60 * kTickMs) {
        wakeOnce();
        if (m.st.blinkPhase != lastPhase) {
            phases.push_back(m.st.blinkPhase);
            lastPhase = m.st.blinkPhase;
        }
    }
    EXPECT_EQ(phases, (std::vector<int>{2, 3, 0}));
    EXPECT_EQ(pacer.owedTicks(), 0);
    // Every tick ran, none twice.
    EXPECT_EQ(steps, ticksDue() / 40);
    EXPECT_EQ(m.st.stepTicks, ticksDue() % 40);
}

TEST_F(PacerTest, AStallIsNotReplayed) {
    platform.clock = QDateTime(QDate(2026, 12, 9), QTime(9, 0, 10, 0));
    m.st.lastHHNN = m.st.nowHHNN = QStringLiteral("0900");
    platform.defaultRandom = 0.5;
    nowMs = 3600 * 1000; // an hour suspended
    platform.advance(nowMs);
    m.st.walkInterval = 40;
    pacer.runDue(m, nowMs);
    EXPECT_EQ(m.st.stepTicks, 2 * kMaxBatchTicks - 40);
    EXPECT_EQ(pacer.msUntilNextTick(nowMs), kTickMs);
}

TEST_F(PacerTest, BackInSightItGoesOnFromNowWithoutABurst) {
    platform.clock = QDateTime(QDate(2026, 12, 9), QTime(9, 0, 10, 0));
    m.st.lastHHNN = m.st.nowHHNN = QStringLiteral("0900");
    m.st.walkInterval = 1000; // counts ticks, never steps
    platform.defaultRandom = 0.5;
    setHidden(m, HideCause::User, true);
    wakeOnce();
    wakeOnce(); // asleep until each new minute
    const int ticksBefore = m.st.stepTicks;
    nowMs += 30 * 1000; // brought back half a minute later
    platform.advance(30 * 1000);
    setHidden(m, HideCause::User, false);
    pacer.resume(nowMs);
    pacer.runDue(m, nowMs);
    EXPECT_EQ(m.st.stepTicks, ticksBefore + 1);
}

} // namespace
