#include "core/pictures/frame_cache.h"

#include <algorithm>

namespace {

bool samePictures(const SpriteKey& a, const SpriteKey& b) {
    return a.body == b.body && a.eyes == b.eyes && a.charIndex == b.charIndex && a.scale == b.scale;
}

std::vector<std::uint32_t> opaqueBits(const QImage& image) {
    const int w = image.width();
    std::vector<std::uint32_t> bits((static_cast<std::size_t>(w) * image.height() + 31) / 32, 0);
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x, ++i) {
            if (qAlpha(row[x]) != 0) {
                bits[i / 32] |= std::uint32_t(1) << (i % 32);
            }
        }
    }
    return bits;
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
    f.opaque = opaqueBits(image);
    const auto twin = std::find_if(frames_.begin(), frames_.end(), [&](const Frame& other) {
        return other.image.size() == image.size() && other.opaque == f.opaque;
    });
    f.shapeId = twin != frames_.end() ? twin->shapeId : ++lastShapeId_;
    f.image = std::move(image);
    f.lastUsed = ++uses_;
    frames_.push_back(std::move(f));
    return frames_.back();
}
