#pragma once

struct Mascot;

// Greets the user by the time of day, in the character's own words: a
// salutation with the user's name, then a remark that fits the hour (two
// lines of it just before noon for most characters). Reads nowHHNN.
void Aisatsu(Mascot& m);

// The hour band (1..11) of hour `hour` (0..23); 0 for any other hour.
[[nodiscard]] int greetingBand(int hour);
