#pragma once

struct Mascot;

// The main tick: everything that happens by itself. The shell calls it about
// every 16 ms (the reference tick of all counts in ticks); one call is one tick.
void Timer1_Timer(Mascot& m);

// The tick of the running phase, in its nine steps.
void runningTick(Mascot& m);

// Takes at most one of alarm, feed update, talk or time signal at a new minute.
void newMinute(Mascot& m);

// Keeps the open panel beside the character.
void followPanels(Mascot& m);
