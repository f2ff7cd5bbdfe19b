#pragma once

#include "core/controls.h"

#include <QColor>
#include <QString>

#include <array>

// The alarm panel beside the character: a title, the hours and minutes
// boxes with their separator, ▲/▼ buttons above and below each box, ON, OFF
// and OK. Geometry in twips relative to the panel.

inline constexpr int kAlarmBoxWidth = 1725;   // twips
inline constexpr int kAlarmBoxHeight = 2415;  // twips
inline constexpr int kAlarmDigitsPoints = 24; // font of the boxes and the separator

// Indices of the panel's buttons (`alaon`).
namespace Alaon {
inline constexpr int On = 0;
inline constexpr int Off = 1;
inline constexpr int HoursDown = 2;   // ▲ above the hours box
inline constexpr int HoursUp = 3;     // ▼ below the hours box
inline constexpr int MinutesDown = 4; // ▲ above the minutes box
inline constexpr int MinutesUp = 5;   // ▼ below the minutes box
inline constexpr int Ok = 6;
inline constexpr int Count = 7;
} // namespace Alaon

// Indices of the two boxes (`AlaText`).
namespace AlaBox {
inline constexpr int Hours = 0;
inline constexpr int Minutes = 1;
} // namespace AlaBox

// Button grounds: plain, the one that shows whether the alarm is set, and
// the one under the pointer.
inline constexpr QRgb kAlaonPlain = qRgb(255, 255, 255);
inline constexpr QRgb kAlaonState = qRgb(150, 150, 255);
inline constexpr QRgb kAlaonHover = qRgb(255, 150, 150);

struct AlarmBoxModel : PanelModel {
    AlarmBoxModel();

    // 0 title, 1 the ":" between the boxes; no background colour: the panel's.
    std::array<LabelModel, 2> alalabel;
    std::array<TextBoxModel, 2> AlaText;        // hours, minutes
    std::array<LabelModel, Alaon::Count> alaon; // buttons by the indices above

    bool operator==(const AlarmBoxModel&) const = default;
};
