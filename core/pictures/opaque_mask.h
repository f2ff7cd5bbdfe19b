#pragma once

#include <QImage>

#include <vector>

// Where a picture is opaque: one bit per pixel, set where alpha is not zero;
// rows padded to 32 bits, the first pixel in the lowest bit of its byte (the
// bitmap layout of X servers on PCs, so the shell can send it as it is).
struct OpaqueMask {
    int bytesPerLine = 0;
    std::vector<uchar> bits;
    bool operator==(const OpaqueMask&) const = default;
};

[[nodiscard]] OpaqueMask opaqueMask(const QImage& image);
