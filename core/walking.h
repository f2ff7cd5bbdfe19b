#pragma once

#include <QRect>

struct Mascot;

// The character wanders in straight legs: a facing, a fast main-axis speed
// and a slow drift, until it touches a screen edge. Its screen is the
// monitor it stands on; it never walks off it by itself.

// Returns the monitor the character stands on, in desktop pixels: the one
// under the middle of its cell, or the nearest one.
[[nodiscard]] QRect standingMonitor(const Mascot& m);

// The walking area, in desktop pixels, for the monitor the character stands
// on and the display scale: where the top-left corner of its cell may go.
struct WalkLimits {
    int left = 0;          // the monitor's left edge
    int top = 0;           // the monitor's top edge
    double right = 0;      // monitor's right edge - cell width
    double bottom = 0;     // monitor's bottom edge - cell height
    int leftTurn = 0;      // left + 30
    int topTurn = 0;       // top + 30
    double rightTurn = 0;  // right - 30
    double bottomTurn = 0; // bottom - 30
};
[[nodiscard]] WalkLimits walkLimits(const Mascot& m);

// Puts the character wholly on the monitor it stands on (rounding a limit
// that falls between pixels). Returns whether it moved.
bool keepInWalkArea(Mascot& m);

// Chooses the next leg: facing, speeds, turned away from near edges.
void chooseLeg(Mascot& m);

// Moves one step along the leg; stops at the screen edges.
void walkStep(Mascot& m);
