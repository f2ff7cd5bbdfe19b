#pragma once

#include <QString>

// The lines a character says on its own when it is not reading the news:
// eight per mood, in the character's own way of speaking.

inline constexpr int kMoodCount = 3;
inline constexpr int kMoodTalkEntries = 8;

// Returns entry `entry` (0..7) for character `charIndex` (0..11) in mood
// `mood` (0 low, 1 ordinary, 2 good); an empty text for any index outside
// those ranges.
[[nodiscard]] QString moodTalkLine(int charIndex, int mood, int entry);
