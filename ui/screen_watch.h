#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QScreen;

// Tells the mascot when monitors come, go, or change size or place (a
// resolution change, docking, a monitor unplugged). The window system
// reports one such change as several signals; they reach `changed` once,
// a moment after the last.
class ScreenWatch : public QObject {
    Q_OBJECT
public:
    explicit ScreenWatch(std::function<void()> changed, QObject* parent = nullptr);

private:
    void watch(QScreen* screen);

    std::function<void()> changed_;
    QTimer settle_;
};
