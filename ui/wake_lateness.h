#pragma once

#include <QFile>
#include <QtGlobal>

// How late the tick timer wakes the program, for the benchmarks: with the
// environment variable SANPO_LATENESS_FILE set, every wake-up more than a few
// milliseconds late adds a line "<ms since start> <ms late>" to that file.
// Otherwise it does nothing.
class WakeLateness {
public:
    WakeLateness();

    // The timer was set to wake at `atMs`, then woke at `nowMs` (one clock).
    void planned(qint64 atMs) { plannedAt_ = atMs; }
    void woke(qint64 nowMs);

private:
    static constexpr qint64 kWorthNoting = 5;
    QFile log_;
    qint64 plannedAt_ = -1;
};
