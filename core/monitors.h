#pragma once

#include <QPoint>
#include <QRect>

#include <span>

// Returns the monitor of `monitors` that shows `point`, else the one nearest
// to it (the first of equals), else an empty rectangle when there is none.
[[nodiscard]] QRect monitorFor(std::span<const QRect> monitors, QPoint point);
