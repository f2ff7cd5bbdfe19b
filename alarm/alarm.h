#pragma once

struct Mascot;

// The alarm minute has come: call the user.
void alarmRings(Mascot& m);
