#pragma once

class QWidget;

// Returns whether the desktop composites its windows (a compositing manager
// owns the screen's selection, or the X server is XWayland, where the
// Wayland compositor always does): windows may then be see-through by
// their pixels' alpha. False off X11.
[[nodiscard]] bool desktopComposites();

// Makes the window take the pointer exactly where its bounding shape shows
// it. The server does so by itself, but compositors that draw X11 windows
// among their own ones ask for the input shape only.
void shapeInputToBounding(QWidget& window);
