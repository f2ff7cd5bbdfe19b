#pragma once

#include <cmath>

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), independent of the floating-point environment.
[[nodiscard]] inline int roundHalfEven(double v) {
    const double f = std::floor(v);
    const double d = v - f;
    double r = f;
    if (d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0.0)) {
        r = f + 1.0;
    }
    return static_cast<int>(r);
}

// The greatest integer not above v.
[[nodiscard]] inline int floorInt(double v) {
    return static_cast<int>(std::floor(v));
}
