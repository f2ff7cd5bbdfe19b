#include "core/walking.h"

#include "core/mascot.h"
#include "core/rounding.h"

namespace {
constexpr int kTurnMargin = 30;

double cellWidth(const Mascot& m) {
    return 80.0 * m.st.displayScale / 100.0;
}

double cellHeight(const Mascot& m) {
    return 122.0 * m.st.displayScale / 100.0;
}
} // namespace

QRect standingMonitor(const Mascot& m) {
    const QPoint middle(m.st.posX + floorInt(cellWidth(m) / 2),
                        m.st.posY + floorInt(cellHeight(m) / 2));
    return m.platform.monitorAt(middle);
}

WalkLimits walkLimits(const Mascot& m) {
    const QRect screen = standingMonitor(m);
    WalkLimits l;
    l.left = screen.left();
    l.top = screen.top();
    l.right = screen.left() + screen.width() - cellWidth(m);
    l.bottom = screen.top() + screen.height() - cellHeight(m);
    l.leftTurn = l.left + kTurnMargin;
    l.topTurn = l.top + kTurnMargin;
    l.rightTurn = l.right - kTurnMargin;
    l.bottomTurn = l.bottom - kTurnMargin;
    return l;
}

bool keepInWalkArea(Mascot& m) {
    MascotState& st = m.st;
    const WalkLimits l = walkLimits(m);
    const int x = st.posX;
    const int y = st.posY;
    if (st.posX < l.left) {
        st.posX = l.left;
    }
    if (st.posY < l.top) {
        st.posY = l.top;
    }
    if (st.posX > l.right) {
        st.posX = roundHalfEven(l.right);
    }
    if (st.posY > l.bottom) {
        st.posY = roundHalfEven(l.bottom);
    }
    return st.posX != x || st.posY != y;
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

    if (st.posY <= l.topTurn && st.facing == 2) {
        st.facing = 0;
    }
    if (st.posX <= l.leftTurn && st.facing == 1) {
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

    if (st.posY <= l.topTurn && st.stepDY < 0) {
        st.stepDY = -st.stepDY;
    }
    if (st.posX <= l.leftTurn && st.stepDX < 0) {
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
    if (st.posY < l.top + 1) {
        st.posY = l.top;
        st.legActive = 0;
    }
    if (st.posX < l.left + 1) {
        st.posX = l.left;
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
