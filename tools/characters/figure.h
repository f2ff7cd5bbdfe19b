#pragma once

#include "look.h"

#include <QImage>
#include <QPoint>

#include <vector>

// The four rows of a body sheet, in sheet order.
enum class View { Front = 0, Left = 1, Back = 2, Right = 3 };

inline constexpr int kCellW = 80;
inline constexpr int kCellH = 122;

// The dark outline drawn around every figure.
inline constexpr QRgb kOutline = 0xFF2A1E2E;

// Draws one 80 x 122 body cell: `step` 0 is the standing pose, 1 and 2 the
// two step poses (the figure one pixel lower, legs and arms alternating).
// The face carries no eyes and no mouth; those come from the eye strip and
// the program's own mouth.
[[nodiscard]] QImage drawBodyCell(const Look& look, View view, int step, QRgb background,
                                  std::vector<QPoint>* holes);
