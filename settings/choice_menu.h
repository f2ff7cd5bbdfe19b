#pragma once

struct Mascot;

// The choices shown under the balloon and what each one does.

// A press of any mouse button on choice label `index` (0..6) runs the
// action code of that choice.
void Sentaku_MouseDown(Mascot& m, int index);

// The pointer moved over choice label `index`: it alone takes the hover
// colour, which stays until the pointer touches another label.
void Sentaku_MouseMove(Mascot& m, int index);
