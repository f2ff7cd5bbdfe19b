#pragma once

#include <QImage>
#include <QRect>

struct Mascot;

// Drawing the character: body cell, eyes by blink phase, mouth by mood.

inline constexpr int kCellWidth = 80;
inline constexpr int kCellHeight = 122;
inline constexpr int kEyeCellWidth = 40;
inline constexpr int kKeyColour = 0x62A4AC; // RGB(98, 164, 172): never opaque

// Composes the character into m.sprite at (posX, posY). Does nothing to the
// pixels when nothing that shows has changed since the last call.
void Byouga(Mascot& m);

// Advances the blink by one running tick.
void blinkStep(Mascot& m);

// Copies `src` of `source` stretched into `dst` of `target` (nearest
// neighbour), leaving out every source pixel of `source`'s top-left colour
// and of the key colour. `target` is ARGB32_Premultiplied; `source` RGB32.
// Parts of `dst` outside `target` are clipped.
void transparentStretch(QImage& target, const QRect& dst, const QImage& source, const QRect& src);

// The eye-strip row (y) shown for blink phase `blinkPhase`, for the
// left-hand (`leftEye`) or right-hand eye of character `charIndex`.
[[nodiscard]] int eyeRow(const Mascot& m, bool leftEye);
