#include "alarm/alarm.h"

#include "core/mascot.h"

void alarmRings(Mascot& /*m*/) {
    // The alarm's lines arrive with the characters' phrase tables.
}
