#include "ui/press_timing.h"

#include <QGuiApplication>
#include <QStyleHints>

#include <chrono>

qint64 pressClockMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int doubleClickMs() {
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}
