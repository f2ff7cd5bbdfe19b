#pragma once

#include "core/controls.h"
#include "core/mascot_state.h"

#include <array>

// The speech balloon as the shell shows it: the panel, its text label and
// the seven choice labels under the text.
struct HanasuBoxModel {
    TwipsRect geometry;
    bool visible = false;
    LabelModel HanasuNaiyo;                        // caption = the balloon's text
    std::array<LabelModel, kChoiceLabels> Sentaku; // choices, 0 = lowest
    // Counts the times choices were put up, so that the shell knows when the
    // ones under the pointer are new, also when they look like the last ones.
    int offers = 0;
    bool operator==(const HanasuBoxModel&) const = default;
};
