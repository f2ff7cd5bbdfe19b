#include "core/press_guard.h"

bool PressGuard::accepts(PressKind kind, qint64 nowMs, int settleMs) const {
    if (kind == PressKind::Repeat) {
        return false;
    }
    return !offeredAt_ || nowMs - *offeredAt_ >= settleMs;
}
