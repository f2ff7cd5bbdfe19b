#pragma once

#include <QTime>

struct Mascot;

// How soon the shell must run the next tick. Every tick still runs, in order
// and at its pace, but while nothing can show for a while the shell may sleep
// and then run the ticks that fell due one after another: a desktop pet that
// wakes 62 times a second for nothing costs more than one that wakes a few
// times.

inline constexpr int kTickMs = 16; // the tick all counts in ticks assume
// Never sleep longer than this: a blink that starts inside a batch has then
// at most half-closed its eyes unseen, and always shows them closed.
inline constexpr int kMaxBatchTicks = 8;

// Returns how many ticks from now the first tick comes that may change what
// is shown (1 = the very next one), given the current time of day `now`.
[[nodiscard]] int ticksUntilVisibleChange(const Mascot& m, QTime now);
