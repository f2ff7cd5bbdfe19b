#pragma once

#include "core/pictures/opaque_mask.h"
#include "core/pictures/sprite.h"

#include <QImage>

#include <vector>

// The frames of the current pictures drawn lately. A walk cycles through a
// few poses and a blink through three eye rows, so each is composed once;
// frames with the same opaque pixels share one shape id, so a window is
// re-shaped only when the outline really changes.
class FrameCache {
public:
    static constexpr int kMaxFrames = 24;

    struct Frame {
        SpriteKey key;
        QImage image;
        quint64 shapeId = 0;
        quint64 lastUsed = 0;
        OpaqueMask opaque;
    };

    // The frame drawn for `key`, or null.
    const Frame* find(const SpriteKey& key);

    // Keeps `image` as the frame for `key`, giving it the shape id of a kept
    // frame with the same opaque pixels or a new one. Frames of other
    // pictures or another scale are dropped first.
    const Frame& insert(const SpriteKey& key, QImage image);

    [[nodiscard]] int size() const { return static_cast<int>(frames_.size()); }

private:
    std::vector<Frame> frames_;
    quint64 uses_ = 0;
    quint64 lastShapeId_ = 0;
};
