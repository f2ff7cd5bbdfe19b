#pragma once

#include "core/pictures/sprite.h"

#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

class QWidget;
struct xcb_connection_t;

// Shows the character in its X11 window from pictures kept in the X server.
// A walk cycles through a handful of frames, so each frame is sent once and
// showing it again costs a background change and a shape change, with no
// pixels on the wire and no painting in the program.
class X11SpriteSurface {
public:
    // Returns nothing when the window is not on an X server this can serve
    // (another platform, no SHAPE extension, a pixel layout it does not
    // know); the caller then paints through Qt.
    static std::unique_ptr<X11SpriteSurface> create(QWidget& window);
    ~X11SpriteSurface();
    X11SpriteSurface(const X11SpriteSurface&) = delete;
    X11SpriteSurface& operator=(const X11SpriteSurface&) = delete;

    // Shows the sprite's picture, shaped to its opaque pixels.
    void show(const Sprite& sprite);

    // Frames kept in the server, at most kMaxFrames.
    [[nodiscard]] int framesKept() const { return static_cast<int>(frames_.size()); }
    static constexpr int kMaxFrames = 48;

private:
    struct Layout {
        quint8 depth = 0;
    };
    struct Frame {
        SpriteKey key;
        quint32 picture = 0; // pixmap at the window's depth
        quint32 mask = 0;    // 1-bit pixmap of the opaque pixels
        quint64 lastShown = 0;
    };
    X11SpriteSurface(xcb_connection_t* c, quint32 window, Layout layout);

    const Frame& frameFor(const Sprite& sprite);
    Frame upload(const Sprite& sprite);
    void release(const Frame& f);
    void putRows(quint32 pixmap, quint32 gc, quint8 depth, int width, int height, const uchar* bits,
                 int bytesPerLine);

    xcb_connection_t* c_;
    quint32 window_;
    Layout layout_;
    quint32 pictureGc_ = 0;
    quint32 maskGc_ = 0;
    std::vector<Frame> frames_;
    quint64 shows_ = 0;
    std::optional<SpriteKey> shown_;
    quint64 shapeVersion_ = 0;
};
