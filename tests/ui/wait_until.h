#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

// Runs the event loop until `done` holds. The deadline only keeps a broken
// build from hanging the suite; no test depends on how long it takes.
inline bool waitUntil(const std::function<bool()>& done, int guardMs = 60000) {
    QDeadlineTimer guard(guardMs);
    while (!done() && !guard.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }
    return done();
}
