#include "tools/sounds/tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sounds {
namespace {

// A raised-cosine ramp from 0 to 1 over `length` seconds.
double ramp(double t, double length) {
    if (length <= 0.0 || t >= length) {
        return 1.0;
    }
    if (t <= 0.0) {
        return 0.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

} // namespace

Track::Track(double seconds)
    : samples_(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0) {}

void Track::note(double start, double length, const std::function<double(double)>& frequency,
                 const std::vector<Partial>& partials, double attack, double release) {
    const auto first = static_cast<std::size_t>(std::lround(start * kRate));
    const auto count = static_cast<std::size_t>(std::lround(length * kRate));
    // Phase of the fundamental in cycles, summed sample by sample so that
    // glides stay continuous. Not wrapped: partials need not be whole
    // multiples, and a few seconds of cycles keep double precision.
    double phase = 0.0;
    for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        double v = 0.0;
        for (const Partial& p : partials) {
            v += p.level * std::exp(-t / p.decay) *
                 std::sin(2.0 * std::numbers::pi * p.ratio * phase);
        }
        const double envelope = ramp(t, attack) * ramp(length - t, release);
        samples_[first + i] += v * envelope;
        phase += frequency(t) / kRate;
    }
}

void Track::normalise(double peak) {
    double loudest = 0.0;
    for (double s : samples_) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0.0) {
        for (double& s : samples_) {
            s *= peak / loudest;
        }
    }
}

std::function<double(double)> glide(double from, double to, double time) {
    return [=](double t) { return to + (from - to) * std::exp(-t / time); };
}

std::function<double(double)> steady(double hz) {
    return [=](double) { return hz; };
}

} // namespace sounds
