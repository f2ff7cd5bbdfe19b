#include "speech/hanashikake.h"

#include "core/mascot.h"

void Hanashikake(Mascot& /*m*/) {
    // The idle lines arrive with the characters' phrase tables.
}
