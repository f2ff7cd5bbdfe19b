#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

#include "core/pace.h"
#include "ui/wake_lateness.h"
#include "ui/window_mover.h"

struct Mascot;
class X11SpriteSurface;

// The character's own window: frameless, above other windows, no taskbar
// entry, shaped to the drawn figure so the desktop around it stays usable.
// It mirrors the core's sprite and forwards keys and the mouse to the core.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Mascot& m, QWidget* parent = nullptr);
    ~Form1() override;

    // Brings the window in line with the core's state after ticks or events;
    // sends nothing to the window system when nothing visible changed.
    void sync();

    // Moves this window and those that follow it.
    [[nodiscard]] WindowMover& mover() { return mover_; }

    // Runs the next tick on time, after input elsewhere changed the state.
    void wakeOnNextTick();

    // Sends the window's place again at the next sync, also when the core's
    // did not change: some window managers move windows by themselves when
    // a monitor changes size.
    void placeAgain() { placedAt_.reset(); }
    // How far from where the program put it the character's window really
    // is, once the desktop was found to place it by itself; (0, 0) before.
    [[nodiscard]] QPoint displacement();
    // Where the character's window really is (a round trip to the server).
    [[nodiscard]] QRect trueGeometry();

signals:
    // Emitted after every sync, for the windows that follow the character.
    void synced();
    // The mascot went out of sight (true) or came back (false).
    void hiddenChanged(bool hidden);
    // The desktop does not leave the character where the program puts it.
    void placedByDesktop();

protected:
    QPaintEngine* paintEngine() const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Runs the ticks that fell due, mirrors the result, and sleeps until the
    // next tick that may change what is shown.
    void wake();
    void armTimer(qint64 ms);
    void checkPlacement();

    Mascot& m_;
    WindowMover mover_;
    QTimer timer_;
    QElapsedTimer clock_;
    WakeLateness lateness_;
    TickPacer pacer_;                // ticks on clock_
    std::optional<QPoint> placedAt_; // where the window was last sent
    bool placedByDesktop_ = false;
    int placementChecks_ = 0; // where it first showed, then after its first move
    qint64 movedAt_ = 0;      // on clock_
    quint64 paintedVersion_ = 0;
    quint64 shapedVersion_ = 0;
    bool hidden_ = false;
    std::unique_ptr<X11SpriteSurface> surface_; // on X11; Qt paints elsewhere
};
