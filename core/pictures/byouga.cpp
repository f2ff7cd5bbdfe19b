#include "core/pictures/byouga.h"

#include "core/mascot.h"
#include "core/rounding.h"

namespace {

constexpr int kEyeHalf = 122;
constexpr int kEyeClosed = 244;
constexpr QRgb kBlack = 0xFF000000;

struct Scaled {
    int bodyW, bodyH, eyeW, eyeH;
};

Scaled scaledSizes(int displayScale) {
    return {roundHalfEven(80.0 * displayScale / 100.0), roundHalfEven(122.0 * displayScale / 100.0),
            roundHalfEven(40.0 * displayScale / 100.0),
            roundHalfEven(122.0 * displayScale / 100.0)};
}

int bodySourceX(int stepFrame) {
    if (stepFrame == 3) {
        return 160;
    }
    return stepFrame == 1 ? 80 : 0;
}

// One horizontal stroke of the mouth: covers `from` up to, not including, `to`.
struct Stroke {
    int from, to, y;
};
struct Dot {
    int x, y;
};
struct Mouth {
    Stroke line;
    int dots;
    Dot dot[2];
};

// Mouths by mood (0..2) and facing (front, left, right).
constexpr Mouth kMouths[3][3] = {
    {{{38, 42, 64}, 2, {{37, 65}, {42, 65}}},
     {{28, 30, 64}, 1, {{30, 65}}},
     {{51, 49, 64}, 1, {{49, 65}}}},
    {{{38, 42, 64}, 0, {}}, {{28, 30, 64}, 0, {}}, {{51, 49, 64}, 0, {}}},
    {{{38, 42, 65}, 2, {{37, 64}, {42, 64}}},
     {{28, 30, 65}, 1, {{30, 64}}},
     {{51, 49, 65}, 1, {{49, 64}}}},
};

void plot(QImage& img, int x, int y) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) {
        reinterpret_cast<QRgb*>(img.scanLine(y))[x] = kBlack;
    }
}

} // namespace

void transparentStretch(QImage& target, const QRect& dst, const QImage& source, const QRect& src) {
    if (source.isNull() || dst.isEmpty() || src.isEmpty()) {
        return;
    }
    const QRgb key = source.pixel(0, 0) | 0xFF000000;
    const QRgb never = kKeyColour | 0xFF000000;
    const QRect clip = dst.intersected(target.rect());
    const QRect valid = src.intersected(source.rect());
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const int sy = src.top() + (y - dst.top()) * src.height() / dst.height();
        if (sy < valid.top() || sy > valid.bottom()) {
            continue;
        }
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        QRgb* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        if (src.width() == dst.width()) {
            // Unscaled, the usual case: a straight run along the row.
            const int shift = src.left() - dst.left();
            const int from = std::max(clip.left(), valid.left() - shift);
            const int to = std::min(clip.right(), valid.right() - shift);
            for (int x = from; x <= to; ++x) {
                const QRgb p = in[x + shift] | 0xFF000000;
                if (p != key && p != never) {
                    out[x] = p;
                }
            }
            continue;
        }
        for (int x = clip.left(); x <= clip.right(); ++x) {
            const int sx = src.left() + (x - dst.left()) * src.width() / dst.width();
            if (sx < valid.left() || sx > valid.right()) {
                continue;
            }
            const QRgb p = in[sx] | 0xFF000000;
            if (p != key && p != never) {
                out[x] = p;
            }
        }
    }
}

int eyeRow(const Mascot& m, bool leftEye) {
    const MascotState& st = m.st;
    if (leftEye && st.charIndex == 0 && (st.balloonShown != 0 || st.phase < 30)) {
        return kEyeClosed;
    }
    switch (st.blinkPhase) {
    case 0:
        return st.charIndex == 1 ? kEyeHalf : 0;
    case 2:
        return kEyeClosed;
    default:
        return kEyeHalf;
    }
}

void Byouga(Mascot& m) {
    const MascotState& st = m.st;
    const Scaled s = scaledSizes(st.displayScale);
    const int bob = (st.stepFrame == 1 || st.stepFrame == 3) ? 1 : 0;
    const bool front = st.facing == 0;
    const bool drawLeftEye = front || st.facing == 3;
    const bool drawRightEye = front || st.facing == 1;
    const int leftOffset = front ? 0 : 14;
    const int rightOffset = front ? (st.charIndex == 1 ? 41 : 40) : 26;
    const int leftRow = drawLeftEye ? eyeRow(m, true) : -1;
    const int rightRow = drawRightEye ? eyeRow(m, false) : -1;

    // The frame covers everything any pose may draw: the body, the eyes at
    // every offset and bob (at small scales they stand outside the body), the
    // mouth. One size for all poses, so walking never resizes the window.
    const int widestEye = st.charIndex == 1 ? 41 : 40;
    const QRect bounds = QRect(0, 0, s.bodyW, s.bodyH) |
                         QRect(0, 0, widestEye + s.eyeW, s.eyeH + 1) | QRect(28, 64, 24, 3);
    const bool mouth = st.facing != 2 && st.mood >= 0 && st.mood <= 2;

    Sprite& sprite = m.sprite;
    sprite.x = st.posX + bounds.left();
    sprite.y = st.posY + bounds.top();

    const SpriteKey key{m.CharGazo.constBits(),
                        m.CharEyes.constBits(),
                        st.charIndex,
                        st.facing,
                        st.stepFrame,
                        leftRow,
                        rightRow,
                        st.mood,
                        st.displayScale};
    if (!sprite.image.isNull() && sprite.image.size() == bounds.size() && sprite.key == key) {
        return;
    }
    const FrameCache::Frame* frame = m.frames.find(key);
    if (!frame) {
        QImage next(bounds.size(), QImage::Format_ARGB32_Premultiplied);
        next.fill(Qt::transparent);
        const QPoint o = -bounds.topLeft();
        transparentStretch(
            next, QRect(o.x(), o.y(), s.bodyW, s.bodyH), m.CharGazo,
            QRect(bodySourceX(st.stepFrame), st.facing * kCellHeight, kCellWidth, kCellHeight));
        if (drawLeftEye) {
            transparentStretch(next, QRect(o.x() + leftOffset, o.y() + bob, s.eyeW, s.eyeH),
                               m.CharEyes, QRect(0, leftRow, kEyeCellWidth, kCellHeight));
        }
        if (drawRightEye) {
            transparentStretch(next, QRect(o.x() + rightOffset, o.y() + bob, s.eyeW, s.eyeH),
                               m.CharEyes,
                               QRect(kEyeCellWidth, rightRow, kEyeCellWidth, kCellHeight));
        }
        if (mouth) {
            const int column = front ? 0 : (st.facing == 1 ? 1 : 2);
            const Mouth& mo = kMouths[st.mood][column];
            const int step = mo.line.from < mo.line.to ? 1 : -1;
            for (int x = mo.line.from; x != mo.line.to; x += step) {
                plot(next, o.x() + x, o.y() + mo.line.y + bob);
            }
            for (int i = 0; i < mo.dots; ++i) {
                plot(next, o.x() + mo.dot[i].x, o.y() + mo.dot[i].y + bob);
            }
        }
        frame = &m.frames.insert(key, std::move(next));
    }
    sprite.image = frame->image;
    sprite.key = key;
    ++sprite.version;
    sprite.shapeVersion = frame->shapeId;
}

void blinkStep(Mascot& m) {
    MascotState& st = m.st;
    if (st.blinkPhase == 0) {
        st.blinkCounter = roundHalfEven(m.platform.random() * 1000);
        if (st.blinkCounter <= 5) {
            st.blinkPhase = 1;
            st.blinkCounter = 0;
        }
        return;
    }
    st.blinkCounter += 1;
    if (st.blinkCounter >= 5) {
        st.blinkCounter = 0;
        st.blinkPhase += 1;
        if (st.blinkPhase >= 4) {
            st.blinkPhase = 0;
        }
    }
}
