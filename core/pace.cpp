#include "core/pace.h"

#include "core/hiding.h"
#include "core/main_tick.h"
#include "core/mascot.h"
#include "speech/hanasu.h"

#include <algorithm>

namespace {
// After a stall (a suspended laptop) the ticks of the lost time are not
// replayed; a short delay is caught up.
constexpr int kMaxCatchUpTicks = 2 * kMaxBatchTicks;

// Ticks until the clock's next whole second (or minute) after `now`.
int ticksUntil(int msLeft) {
    return std::max(1, (msLeft + kTickMs - 1) / kTickMs);
}

static_assert(kMaxBatchTicks * kTickMs < 1000, "a wake-up in every second of the clock");

// A blink shows a new frame when its counter reaches 5.
constexpr int kBlinkTicksPerFrame = 5;

bool blinkStarted(int phaseBefore, const MascotState& st) {
    return phaseBefore == 0 && st.blinkPhase != 0;
}
} // namespace

int ticksUntilVisibleChange(const Mascot& m, QTime now) {
    const MascotState& st = m.st;
    if (st.phase != Phase::Running && st.phase != Phase::GreetingPause &&
        st.phase != Phase::IntroductionFirst) {
        return 1; // start-up steps follow each other tick by tick
    }
    const int msToSecond = 1000 - now.msec();
    if (st.mouseHeld == 1) {
        return 1; // the character follows the pointer
    }
    if (st.phase == Phase::GreetingPause) {
        return std::min(kMaxBatchTicks, ticksUntil(msToSecond));
    }
    if (st.phase == Phase::IntroductionFirst) {
        return kMaxBatchTicks; // waits for a click; clicks run at once
    }
    const int msToMinute = (59 - now.second()) * 1000 + msToSecond;
    if (isHidden(m)) {
        return ticksUntil(msToMinute); // only the alarm may call it back
    }
    if (st.legActive == 0) {
        return 1;
    }
    int due = kMaxBatchTicks;
    if (st.blinkPhase != 0) {
        due = std::max(1, kBlinkTicksPerFrame - st.blinkCounter);
    }
    due = std::min(due, std::max(1, st.walkInterval - st.stepTicks));
    if (st.balloonShown == 1 && st.balloonDuration <= kLastingBalloon) {
        // Only the change of the seconds that closes the balloon shows. The
        // changes before it are counted by whichever wake-up falls inside
        // each second: wake-ups are never a second apart.
        const int left = std::max(1, st.balloonDuration - st.balloonSeconds);
        due = std::min(due, ticksUntil(msToSecond + (left - 1) * 1000));
    }
    due = std::min(due, ticksUntil(msToMinute));
    return due;
}

void TickPacer::runDue(Mascot& m, qint64 nowMs) {
    for (int ran = 0; nextTickAt_ <= nowMs && ran < kMaxCatchUpTicks; ++ran) {
        const int phaseBefore = m.st.blinkPhase;
        Timer1_Timer(m);
        nextTickAt_ += kTickMs;
        if (blinkStarted(phaseBefore, m.st) && nextTickAt_ <= nowMs) {
            const qint64 late = (nowMs - nextTickAt_) / kTickMs + 1;
            owed_ = static_cast<int>(std::min<qint64>(kMaxCatchUpTicks, owed_ + late));
            nextTickAt_ += late * kTickMs;
            return;
        }
    }
    if (nextTickAt_ <= nowMs) {
        nextTickAt_ = nowMs + kTickMs;
    }
    repay(m);
}

void TickPacer::repay(Mascot& m) {
    while (owed_ > 0 && ticksUntilVisibleChange(m, m.platform.now().time()) > 1) {
        const int phaseBefore = m.st.blinkPhase;
        Timer1_Timer(m);
        --owed_;
        if (blinkStarted(phaseBefore, m.st)) {
            return; // shown now, at its own time
        }
    }
}

qint64 TickPacer::msUntilWake(const Mascot& m, qint64 nowMs) const {
    const int due = ticksUntilVisibleChange(m, m.platform.now().time());
    return std::max<qint64>(0, nextTickAt_ + qint64(due - 1) * kTickMs - nowMs);
}

void TickPacer::resume(qint64 nowMs) {
    nextTickAt_ = std::max(nextTickAt_, nowMs);
    owed_ = 0;
}

qint64 TickPacer::msUntilNextTick(qint64 nowMs) const {
    return std::max<qint64>(0, nextTickAt_ - nowMs);
}
