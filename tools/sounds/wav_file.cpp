#include "tools/sounds/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace sounds {
namespace {

void put16(std::ofstream& out, std::uint16_t v) {
    const char bytes[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

bool writeWav(const std::string& path, const std::vector<double>& samples, int rate) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBits = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, kChannels);
    put32(out, static_cast<std::uint32_t>(rate));
    put32(out, static_cast<std::uint32_t>(rate) * kBlockAlign);
    put16(out, kBlockAlign);
    put16(out, kBits);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const double clipped = std::clamp(s, -1.0, 1.0);
        const auto v = static_cast<std::int16_t>(std::lround(clipped * 32767.0));
        put16(out, static_cast<std::uint16_t>(v));
    }
    return static_cast<bool>(out.flush());
}

} // namespace sounds
