#pragma once

struct Mascot;

// Announces the full hour.
void announceHour(Mascot& m);
