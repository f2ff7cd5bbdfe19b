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
    bool operator==(const HanasuBoxModel&) const = default;
};
