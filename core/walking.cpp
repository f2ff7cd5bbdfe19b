#include "core/walking.h"

#include "core/mascot.h"
#include "core/rounding.h"

namespace {
constexpr int kTurnMargin = 30;
} // namespace

WalkLimits walkLimits(const Mascot& m) {
    const QSize screen = m.platform.screenSize();
    const double cellW = 80.0 * m.st.displayScale / 100.0;
    const double cellH = 122.0 * m.st.displayScale / 100.0;
    WalkLimits l;
    l.right = screen.width() - cellW;
    l.bottom = screen.height() - cellH;
    l.rightTurn = l.right - kTurnMargin;
    l.bottomTurn = l.bottom - kTurnMargin;
    return l;
}

void chooseLeg(Mascot& m) {
    MascotState& st = m.st;
    const WalkLimits l = walkLimits(m);
    st.legActive = 1;
    const int r = roundHalfEven(m.platform.random() * 1000);
    st.legRoll = r - floorInt(r / 100.0) * 100;
    st.facing = st.legRoll / 25;
    if (st.throwFacing > 0) {
        st.facing = st.throwFacing - 1;
        st.throwFacing = 0;
    }

    if (st.posY <= kTurnMargin && st.facing == 2) {
        st.facing = 0;
    }
    if (st.posX <= kTurnMargin && st.facing == 1) {
        st.facing = 3;
    }
    if (st.posX >= l.rightTurn && st.facing == 3) {
        st.facing = 1;
    }
    if (st.posY >= l.bottomTurn && st.facing == 0) {
        st.facing = 2;
    }

    const int speed = floorInt(m.platform.random() * 4 + 5);
    const int drift = floorInt(m.platform.random() * 5 - 3);
    switch (st.facing) {
    case 0:
        st.stepDX = drift;
        st.stepDY = speed;
        break;
    case 1:
        st.stepDX = -speed;
        st.stepDY = drift;
        break;
    case 2:
        st.stepDX = drift;
        st.stepDY = -speed;
        break;
    default:
        st.stepDX = speed;
        st.stepDY = drift;
        break;
    }

    if (st.posY <= kTurnMargin && st.stepDY < 0) {
        st.stepDY = -st.stepDY;
    }
    if (st.posX <= kTurnMargin && st.stepDX < 0) {
        st.stepDX = -st.stepDX;
    }
    if (st.posX >= l.rightTurn && st.stepDX > 0) {
        st.stepDX = -st.stepDX;
    }
    if (st.posY >= l.bottomTurn && st.stepDY > 0) {
        st.stepDY = -st.stepDY;
    }
}

void walkStep(Mascot& m) {
    MascotState& st = m.st;
    const WalkLimits l = walkLimits(m);
    st.posX += st.stepDX;
    st.posY += st.stepDY;
    if (st.posY < 1) {
        st.posY = 0;
        st.legActive = 0;
    }
    if (st.posX < 1) {
        st.posX = 0;
        st.legActive = 0;
    }
    if (st.posX >= l.right) {
        st.posX = roundHalfEven(l.right);
        st.legActive = 0;
    }
    if (st.posY >= l.bottom) {
        st.posY = roundHalfEven(l.bottom);
        st.legActive = 0;
    }
}
