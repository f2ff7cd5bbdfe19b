#include "speech/aisatsu.h"

#include "core/mascot.h"

void Aisatsu(Mascot& /*m*/) {
    // The greetings by the hour arrive with the characters' phrase tables.
}
