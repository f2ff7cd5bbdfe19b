#include "alarm/time_signal.h"

#include "core/mascot.h"

void announceHour(Mascot& /*m*/) {
    // The hour's phrases arrive with the characters' phrase tables.
}
