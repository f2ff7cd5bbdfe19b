#pragma once

#include <QPoint>

#include <memory>

class QWidget;
class MoveEchoFilter;

// Moves frameless top-level windows (screen pixels).
//
// On X11 a move is one ConfigureWindow request, and the server's answer (a
// ConfigureNotify that only reports the position we asked for) is kept away
// from Qt: for each such notification Qt asks the server four questions and
// waits for every answer, and the character moves several times a second
// all day long. Qt's idea of the window's position then lags, which nothing
// here uses: mouse events carry screen coordinates. Elsewhere, or before a
// window is shown, it is QWidget::move().
class WindowMover {
public:
    WindowMover();
    ~WindowMover();
    WindowMover(const WindowMover&) = delete;
    WindowMover& operator=(const WindowMover&) = delete;

    // Queues the move; flush() sends what was queued, so the moves of one
    // tick go out together.
    void move(QWidget& window, QPoint topLeft);
    void flush();

private:
    std::unique_ptr<MoveEchoFilter> filter_; // null when not on X11
};
