#pragma once

#include <QTime>
#include <QtGlobal>

struct Mascot;

// How soon the shell must run the next tick. Every tick still runs, in order
// and at its pace, but while nothing can show for a while the shell may sleep
// and then run the ticks that fell due one after another: a desktop pet that
// wakes 62 times a second for nothing costs more than one that wakes a few
// times.

inline constexpr int kTickMs = 16; // the tick all counts in ticks assume
// Never sleep longer than this. Only the start of a blink cannot be foreseen
// (it is drawn by chance on every tick), so it may show this late at most.
inline constexpr int kMaxBatchTicks = 32;

// Returns how many ticks from now the first tick comes that may change what
// is shown (1 = the very next one), given the current time of day `now`.
[[nodiscard]] int ticksUntilVisibleChange(const Mascot& m, QTime now);

// The shell's schedule of ticks on its own monotonic clock (milliseconds).
class TickPacer {
public:
    // Runs the ticks that fell due by `nowMs`. A blink that starts on a late
    // tick stops the batch there, so its first frame is seen for its full
    // time; the ticks held back are run later, while they change nothing
    // that shows, so the pace is kept.
    void runDue(Mascot& m, qint64 nowMs);

    // Milliseconds from `nowMs` to the next wake-up.
    [[nodiscard]] qint64 msUntilWake(const Mascot& m, qint64 nowMs) const;

    // Milliseconds from `nowMs` to the next tick, for a wake-up after input.
    [[nodiscard]] qint64 msUntilNextTick(qint64 nowMs) const;

    // Starts the ticks afresh at `nowMs` when the mascot comes back into
    // sight: what it missed while away is not walked in one burst.
    void resume(qint64 nowMs);

    [[nodiscard]] int owedTicks() const { return owed_; }

private:
    void repay(Mascot& m);

    qint64 nextTickAt_ = 0;
    int owed_ = 0;
};
