#pragma once

#include <QString>

struct Mascot;

// Announces the full hour in the character's words, with the time signal's
// sound, in a fresh balloon. The main tick decides when.
void announceHour(Mascot& m);

// The hour of a "hhnn" clock text as it is spoken: no leading zero ("0900"
// -> "9", "0000" -> "0", "1500" -> "15").
[[nodiscard]] QString spokenHour(const QString& hhnn);
