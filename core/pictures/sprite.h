#pragma once

#include <QImage>

// Everything a frame's pixels depend on: equal keys draw equal pixels.
struct SpriteKey {
    const void* body = nullptr;
    const void* eyes = nullptr;
    int charIndex = -1, facing = -1, stepFrame = -1, leftRow = -1, rightRow = -1, mood = -1,
        scale = -1;
    bool operator==(const SpriteKey&) const = default;
};

// The character as drawn for one frame: an image with alpha in the
// character's own coordinates, and where it stands on the screen.
// `version` changes whenever the pixels change and `shapeVersion` whenever
// the set of opaque pixels changes, so the shell repaints and re-shapes only
// when it must.
struct Sprite {
    QImage image; // Format_ARGB32_Premultiplied
    int x = 0;    // screen pixels
    int y = 0;
    quint64 version = 0;
    quint64 shapeVersion = 0;
    SpriteKey key; // what `image` shows
};
