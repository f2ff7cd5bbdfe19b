#pragma once

struct Mascot;

// The character wanders in straight legs: a facing, a fast main-axis speed
// and a slow drift, until it touches a screen edge.

// The walking area, in pixels, for the current screen and display scale.
struct WalkLimits {
    double right = 0;      // screen width - cell width
    double bottom = 0;     // screen height - cell height
    double rightTurn = 0;  // right - 30
    double bottomTurn = 0; // bottom - 30
};
[[nodiscard]] WalkLimits walkLimits(const Mascot& m);

// Chooses the next leg: facing, speeds, turned away from near edges.
void chooseLeg(Mascot& m);

// Moves one step along the leg; stops at the screen edges.
void walkStep(Mascot& m);
