#include "core/pictures/frame_cache.h"

#include <algorithm>

namespace {

bool samePictures(const SpriteKey& a, const SpriteKey& b) {
    return a.body == b.body && a.eyes == b.eyes && a.charIndex == b.charIndex && a.scale == b.scale;
}

} // namespace

const FrameCache::Frame* FrameCache::find(const SpriteKey& key) {
    const auto it =
        std::find_if(frames_.begin(), frames_.end(), [&](const Frame& f) { return f.key == key; });
    if (it == frames_.end()) {
        return nullptr;
    }
    it->lastUsed = ++uses_;
    return &*it;
}

const FrameCache::Frame& FrameCache::insert(const SpriteKey& key, QImage image) {
    if (!frames_.empty() && !samePictures(frames_.front().key, key)) {
        frames_.clear();
    }
    if (static_cast<int>(frames_.size()) >= kMaxFrames) {
        frames_.erase(
            std::min_element(frames_.begin(), frames_.end(), [](const Frame& a, const Frame& b) {
                return a.lastUsed < b.lastUsed;
            }));
    }
    Frame f;
    f.key = key;
    f.opaque = opaqueMask(image);
    const auto twin = std::find_if(frames_.begin(), frames_.end(), [&](const Frame& other) {
        return other.image.size() == image.size() && other.opaque == f.opaque;
    });
    f.shapeId = twin != frames_.end() ? twin->shapeId : ++lastShapeId_;
    f.image = std::move(image);
    f.lastUsed = ++uses_;
    frames_.push_back(std::move(f));
    return frames_.back();
}
