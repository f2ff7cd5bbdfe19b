#pragma once

#include <string>
#include <vector>

namespace sounds {

// Writes `samples` (nominally in [-1, 1]; anything beyond is clipped) as a
// mono 16-bit PCM WAV file at `rate` samples per second. Returns false when
// the file could not be written.
[[nodiscard]] bool writeWav(const std::string& path, const std::vector<double>& samples, int rate);

} // namespace sounds
