#include "core/hiding.h"

#include "core/mascot.h"
#include "speech/hanasu.h"

namespace {
// What disappearing does to what was going on.
void wentOutOfSight(Mascot& m) {
    MascotState& st = m.st;
    // The window that held the pointer is gone: no release will come.
    if (st.mouseHeld == 1) {
        st.mouseHeld = 0;
        st.legActive = 0;
    }
    // A line said in passing is not kept for later; a menu waits.
    if (st.balloonShown == 1 && st.balloonDuration <= kLastingBalloon) {
        HanasuKesu(m);
    }
}
} // namespace

bool isHidden(const Mascot& m) {
    const Hiding& h = m.hiding;
    if (h.byUser) {
        return true;
    }
    return h.byFullscreen && !(h.alarmShowing && m.st.balloonShown == 1);
}

void setHidden(Mascot& m, HideCause cause, bool hidden) {
    const bool before = isHidden(m);
    Hiding& h = m.hiding;
    if (cause == HideCause::User) {
        h.byUser = hidden;
        if (!hidden) {
            h.byFullscreen = false;
        }
    } else {
        h.byFullscreen = hidden;
    }
    h.alarmShowing = false;
    if (!before && isHidden(m)) {
        wentOutOfSight(m);
    }
}

void showForAlarm(Mascot& m) {
    m.hiding.byUser = false;
    m.hiding.alarmShowing = m.hiding.byFullscreen;
}

bool hidingTick(Mascot& m) {
    Hiding& h = m.hiding;
    if (h.alarmShowing && m.st.balloonShown != 1) {
        h.alarmShowing = false;
        wentOutOfSight(m);
    }
    return isHidden(m);
}
