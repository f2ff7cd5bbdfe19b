#pragma once

struct Mascot;

// The first-run introduction: the host character explains itself one line at
// a time, each waiting for a click on "次へ".

inline constexpr int kIntroductionWaiting = 6; // phase while a line waits for its click

// Speaks the step whose number is in `phase` (5, 7..16) and waits; does
// nothing in any other phase.
void Jikoshoukai(Mascot& m);

// A right click while a step waits: say that step again rather than leave the
// new user with no way on.
void repeatIntroductionStep(Mascot& m);
