#pragma once

#include <QString>

struct Mascot;

// The alarm panel: opening it, and what its buttons and boxes do.

// Mouse button codes as the character's own handlers receive them.
inline constexpr int kAlarmLeftButton = 1;

// Opens the alarm panel beside the character (the menu's "アラーム"): closes
// the balloon, colours ON or OFF by whether the alarm is set, shows the
// panel and makes it the open panel. A set alarm puts its time in the boxes;
// otherwise they keep what they last held.
void AlarmHiraku(Mascot& m);

// A press of mouse `button` on button `index` (see Alaon). Only the left
// button acts: each box is first rewritten as the two digits of its value
// (its leading digits, within the clock's range), then ON sets the alarm to
// the boxes' time, OFF clears it, ▲/▼ step a box round its range, and OK
// closes the panel and confirms a set alarm. So a confirmed time always
// rings.
void alaon_MouseDown(Mascot& m, int index, int button);

// The pointer moved over button `index`: it takes the hover colour, the
// button that shows the alarm's state its own colour, all others plain.
void alaon_MouseMove(Mascot& m, int index);

// Box `index` (see AlaBox) now holds `text`, as typed. Full-width digits and
// spaces become plain ones; hours above 23 become "23" and minutes above 59
// "59" at once; any other text stays as it is.
void AlaText_Change(Mascot& m, int index, const QString& text);
