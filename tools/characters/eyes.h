#pragma once

#include "look.h"

#include <QImage>

inline constexpr int kEyeW = 40;

// The 80 x 366 eye strip: left-hand and right-hand eye (as seen on screen) in
// two columns, open, half closed and closed in three rows, each eye where it
// sits on the 80 x 122 front-view face. `rightShift` moves the right-hand eye
// left by that many pixels within its cell, for a character whose right-hand
// eye is drawn further right than the others'.
[[nodiscard]] QImage drawEyeStrip(const Look& look, QRgb background, int rightShift);
