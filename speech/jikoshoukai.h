#pragma once

struct Mascot;

// One step of the first-run introduction, run by every tick of phases 6..30.
void Jikoshoukai(Mascot& m);
