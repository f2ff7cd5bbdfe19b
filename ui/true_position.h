#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// Returns where the top-left corner of `window` really is on the screen, as
// the X server knows it (some Wayland compositors place X11 windows
// themselves, whatever the program asks); nothing off X11, or before the
// window exists. Costs a round trip to the server.
[[nodiscard]] std::optional<QPoint> truePosition(QWidget& window);
