#include "core/screen_change.h"

#include "core/main_tick.h"
#include "core/mascot.h"
#include "core/pictures/byouga.h"
#include "core/walking.h"
#include "speech/hanasu.h"

void screensChanged(Mascot& m) {
    MascotState& st = m.st;
    if (st.mouseHeld == 0 && keepInWalkArea(m) && !m.sprite.image.isNull()) {
        // The introduction draws no frames by itself: this one moves the
        // figure on show to where the character now stands.
        Byouga(m);
    }
    if (st.balloonShown == 1) {
        placeBalloon(m, st.phase == Phase::GreetingPause ? kGreetingPauseOffset : kRunningOffset);
    }
    followPanels(m);
}
