#pragma once

struct Mascot;

// The alarm minute has come: the character calls the user by name and says
// that the time has come, with the alarm sound. The lines join whatever the
// balloon shows. The main tick decides when (and that the panel is closed).
void alarmRings(Mascot& m);
