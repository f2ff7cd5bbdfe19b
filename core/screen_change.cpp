#include "core/screen_change.h"

#include "core/main_tick.h"
#include "core/mascot.h"
#include "core/walking.h"
#include "speech/hanasu.h"

void screensChanged(Mascot& m) {
    MascotState& st = m.st;
    if (st.mouseHeld == 0) {
        const int x = st.posX;
        const int y = st.posY;
        if (keepInWalkArea(m) && !m.sprite.image.isNull()) {
            // The introduction draws no frames: move the one on show.
            m.sprite.x += st.posX - x;
            m.sprite.y += st.posY - y;
        }
    }
    if (st.balloonShown == 1) {
        placeBalloon(m, st.phase == Phase::GreetingPause ? kGreetingPauseOffset : kRunningOffset);
    }
    followPanels(m);
}
