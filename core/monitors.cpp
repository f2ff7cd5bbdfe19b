#include "core/monitors.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {
// Squared distance from `p` to the nearest pixel of `r`.
std::int64_t distance2(const QRect& r, QPoint p) {
    const std::int64_t dx = p.x() < r.left() ? r.left() - p.x() : std::max(0, p.x() - r.right());
    const std::int64_t dy = p.y() < r.top() ? r.top() - p.y() : std::max(0, p.y() - r.bottom());
    return dx * dx + dy * dy;
}
} // namespace

QRect monitorFor(std::span<const QRect> monitors, QPoint point) {
    QRect best;
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (const QRect& r : monitors) {
        if (r.isEmpty()) {
            continue;
        }
        const std::int64_t d = distance2(r, point);
        if (d < bestDistance) {
            best = r;
            bestDistance = d;
        }
    }
    return best;
}
