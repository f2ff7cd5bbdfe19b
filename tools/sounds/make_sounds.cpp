// Writes the four default sounds built into the program: poyo.wav (the menu
// opens), hanasu.wav (a line is spoken), jihou.wav (the hourly chime) and
// alarm.wav (the alarm rings). Pure arithmetic, no randomness: the same
// files every time.
//
// Usage: sanpo_make_sounds OUTPUT_FOLDER

#include "tools/sounds/tone.h"
#include "tools/sounds/wav_file.h"

#include <cstdio>
#include <string>

namespace {

using sounds::glide;
using sounds::steady;
using sounds::Track;

// A soft, round note that dies away over about `decay` seconds: a sine
// with a little of the octave and the twelfth.
std::vector<Track::Partial> soft(double decay) {
    return {{1.0, 1.0, decay}, {2.0, 0.22, decay / 2}, {3.0, 0.06, decay / 3}};
}

// "po-yo": a low note and a higher one, each springing up in pitch as it
// starts, which makes it sound bouncy.
Track poyo() {
    Track t(0.46);
    t.note(0.0, 0.17, glide(430.0, 560.0, 0.025), soft(0.12), 0.008, 0.07);
    t.note(0.15, 0.31, glide(600.0, 800.0, 0.03), soft(0.16), 0.008, 0.2);
    t.normalise(0.5);
    return t;
}

// A short bright blip that rises quickly.
Track hanasu() {
    Track t(0.12);
    const std::vector<Track::Partial> bright = {
        {1.0, 1.0, 10.0}, {2.0, 0.35, 0.05}, {3.0, 0.15, 0.03}};
    t.note(0.0, 0.11, glide(1050.0, 1500.0, 0.02), bright, 0.004, 0.07);
    t.normalise(0.4);
    return t;
}

// Three bell tones rising through a major chord, left to ring out.
Track jihou() {
    Track t(2.3);
    const std::vector<Track::Partial> bell = {
        {1.0, 1.0, 0.55}, {2.0, 0.3, 0.25}, {3.0, 0.1, 0.15}, {4.16, 0.05, 0.08}};
    t.note(0.0, 1.2, steady(523.25), bell, 0.006, 0.5); // C5
    t.note(0.4, 1.2, steady(659.26), bell, 0.006, 0.5); // E5
    t.note(0.8, 1.5, steady(783.99), bell, 0.006, 0.8); // G5
    t.normalise(0.45);
    return t;
}

// An alarm-clock bell: four rings of quick hammer strikes on two small
// bells, about two seconds in all.
Track alarm() {
    Track t(2.05);
    const std::vector<Track::Partial> bellA = {{1.0, 1.0, 0.06}, {2.76, 0.35, 0.03}};
    const std::vector<Track::Partial> bellB = {{1.0, 0.8, 0.06}, {2.76, 0.3, 0.03}};
    constexpr double kStrike = 1.0 / 18.0; // strikes per second of the hammer
    constexpr int kStrikesPerRing = 7;
    for (int ring = 0; ring < 4; ++ring) {
        const double ringStart = ring * 0.5;
        for (int s = 0; s < kStrikesPerRing; ++s) {
            const double at = ringStart + s * kStrike;
            const bool a = s % 2 == 0;
            t.note(at, 0.16, steady(a ? 1568.0 : 1760.0), a ? bellA : bellB, 0.004, 0.06);
        }
    }
    t.normalise(0.42);
    return t;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: sanpo_make_sounds OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    const struct {
        const char* name;
        Track track;
    } outputs[] = {{"poyo.wav", poyo()},
                   {"hanasu.wav", hanasu()},
                   {"jihou.wav", jihou()},
                   {"alarm.wav", alarm()}};
    for (const auto& out : outputs) {
        const std::string path = folder + "/" + out.name;
        if (!sounds::writeWav(path, out.track.samples(), sounds::kRate)) {
            std::fprintf(stderr, "sanpo_make_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
