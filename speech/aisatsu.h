#pragma once

struct Mascot;

// Greets the user by the time of day, in the character's own words.
void Aisatsu(Mascot& m);
