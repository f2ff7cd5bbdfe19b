#pragma once

#include <QString>

struct Mascot;

// The alarm panel: opening it, and what its buttons and boxes do.

// Mouse button codes as the character's own handlers receive them.
inline constexpr int kAlarmLeftButton = 1;

// Opens the alarm panel beside the character (the menu's "アラーム"): closes
// the balloon, colours ON or OFF by whether the alarm is set, shows the
// panel and makes it the open panel. The boxes keep what they last held.
void AlarmHiraku(Mascot& m);

// A press of mouse `button` on button `index` (see Alaon). Only the left
// button acts: the boxes are tidied to two digits, then ON sets the alarm to
// the boxes' time, OFF clears it, ▲/▼ step a box round its range, and OK
// closes the panel and confirms a set alarm.
void alaon_MouseDown(Mascot& m, int index, int button);

// The pointer moved over button `index`: it takes the hover colour, the
// button that shows the alarm's state its own colour, all others plain.
void alaon_MouseMove(Mascot& m, int index);

// Box `index` (see AlaBox) now holds `text`, as typed. Hours above 23 become
// "23" and minutes above 59 "59" at once; any other text stays as it is.
void AlaText_Change(Mascot& m, int index, const QString& text);
