#pragma once

#include <functional>
#include <vector>

namespace sounds {

inline constexpr int kRate = 22050;

// A sound being built: a sample buffer that notes are mixed into.
class Track {
public:
    explicit Track(double seconds);

    // One partial of a note: a multiple of the note's frequency, its level
    // and how fast it dies away (seconds for the level to fall to 1/e).
    struct Partial {
        double ratio = 1.0;
        double level = 1.0;
        double decay = 1.0;
    };

    // Mixes a note into the track from `start` for `length` seconds. Its
    // frequency may glide: `frequency(t)` is asked for every sample, t in
    // seconds from the note's start. The note rises over `attack` seconds
    // and its last `release` seconds fade to silence, so it never clicks.
    void note(double start, double length, const std::function<double(double)>& frequency,
              const std::vector<Partial>& partials, double attack, double release);

    // Scales the whole track so that its loudest sample is `peak`.
    void normalise(double peak);

    [[nodiscard]] const std::vector<double>& samples() const { return samples_; }

private:
    std::vector<double> samples_;
};

// A glide from `from` to `to` Hz that covers most of the way in `time`
// seconds (an exponential approach), as a frequency function for notes.
[[nodiscard]] std::function<double(double)> glide(double from, double to, double time);

// A steady frequency.
[[nodiscard]] std::function<double(double)> steady(double hz);

} // namespace sounds
