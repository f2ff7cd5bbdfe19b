#include "core/dragging.h"

#include "core/mascot.h"
#include "core/rounding.h"
#include "core/startup.h"
#include "core/walking.h"
#include "settings/choice_menu.h"
#include "speech/jikoshoukai.h"

void Form_MouseDown(Mascot& m, int button, int /*shift*/, int x, int y) {
    MascotState& st = m.st;
    if (button == MouseButton::Left) {
        st.dragLastX = st.pressX = x;
        st.dragLastY = st.pressY = y;
        st.mouseHeld = 1;
        return;
    }
    if (button != MouseButton::Right) {
        return;
    }
    if (st.mouseHeld == 1) {
        st.pinned = st.pinned == 1 ? 0 : 1;
        return;
    }
    if (st.phase == Phase::GreetingPause) {
        endGreetingPause(m);
    }
    if (st.phase == kIntroductionWaiting) {
        // Closing the introduction's balloon would leave a new user stuck.
        repeatIntroductionStep(m);
        return;
    }
    SentakuHiraku(m);
}

void Form_MouseMove(Mascot& m, int /*button*/, int /*shift*/, int x, int y) {
    MascotState& st = m.st;
    if (st.mouseHeld != 1) {
        return;
    }
    if (x != st.dragLastX) {
        st.posX = st.posX - roundHalfEven((st.dragLastX - x) / double(kTwipsPerPixel));
        st.dragLastX = x;
    }
    if (y != st.dragLastY) {
        st.posY = st.posY - roundHalfEven((st.dragLastY - y) / double(kTwipsPerPixel));
        st.dragLastY = y;
    }
}

void Form_MouseUp(Mascot& m, int /*button*/, int /*shift*/, int x, int y) {
    MascotState& st = m.st;
    if (st.mouseHeld != 1) {
        return;
    }
    st.mouseHeld = 0;
    st.legActive = 0;
    // Dropped on another monitor, it walks there from now on.
    keepInWalkArea(m);
    const int dx = std::abs(st.pressX - x);
    const int dy = std::abs(st.pressY - y);
    if (dx > dy) {
        st.throwFacing = x > st.pressX ? 4 : 2;
    } else if (dx < dy) {
        st.throwFacing = y > st.pressY ? 1 : 3;
    }
}
