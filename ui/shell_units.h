#pragma once

#include "core/controls.h"

#include <QFont>
#include <QRect>

// What every window of the shell shares when it mirrors a core model.

// A twips rectangle of the core in screen pixels.
[[nodiscard]] QRect toPixels(const TwipsRect& r);

// The Mincho face the characters' texts ask for: "ＭＳ 明朝" first, then the
// free faces Debian ships.
[[nodiscard]] QFont minchoFontPoints(int points);
[[nodiscard]] QFont minchoFontPixels(int pixels);

// Mouse buttons and modifiers as the core's handlers take them: 1 left,
// 2 right, 4 middle; shift 1, control 2, alt 4.
[[nodiscard]] int mouseButtonCode(Qt::MouseButton b);
[[nodiscard]] int shiftCode(Qt::KeyboardModifiers mods);
