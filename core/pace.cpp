#include "core/pace.h"

#include "core/mascot.h"

#include <algorithm>

namespace {
// Ticks until the clock's next whole second (or minute) after `now`.
int ticksUntil(int msLeft) {
    return std::max(1, (msLeft + kTickMs - 1) / kTickMs);
}
} // namespace

int ticksUntilVisibleChange(const Mascot& m, QTime now) {
    const MascotState& st = m.st;
    if (st.phase != Phase::Running && st.phase != Phase::GreetingPause &&
        st.phase != Phase::IntroductionFirst) {
        return 1; // start-up steps follow each other tick by tick
    }
    const int msToSecond = 1000 - now.msec();
    if (st.phase == Phase::GreetingPause) {
        return std::min(kMaxBatchTicks, ticksUntil(msToSecond));
    }
    if (st.phase == Phase::IntroductionFirst) {
        return kMaxBatchTicks; // waits for a click; clicks run at once
    }
    if (st.mouseHeld == 1 || st.blinkPhase != 0 || st.legActive == 0) {
        return 1;
    }
    int due = kMaxBatchTicks;
    due = std::min(due, std::max(1, st.walkInterval - st.stepTicks));
    if (st.balloonShown == 1) {
        due = std::min(due, ticksUntil(msToSecond));
    }
    const int msToMinute = (59 - now.second()) * 1000 + msToSecond;
    due = std::min(due, ticksUntil(msToMinute));
    return due;
}
