#include "ui/x11_sprite_surface.h"

#include "core/pictures/opaque_mask.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The one pixel layout served: 32 bits per pixel in the host's (little-endian)
// byte order, which is QImage's own, and bitmaps with the first pixel in the
// lowest bit. Every X server on a PC uses these; anything else is painted by Qt.
bool layoutServed(const xcb_setup_t* setup, quint8 depth) {
    if (Q_BYTE_ORDER != Q_LITTLE_ENDIAN || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST ||
        setup->bitmap_format_bit_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        return false;
    }
    bool picture = false, bitmap = false;
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
        const xcb_format_t& f = *it.data;
        if (f.depth == depth && f.bits_per_pixel == 32 && f.scanline_pad == 32) {
            picture = true;
        }
        if (f.depth == 1 && f.bits_per_pixel == 1 && f.scanline_pad == 32) {
            bitmap = true;
        }
    }
    return picture && bitmap;
}

} // namespace

std::unique_ptr<X11SpriteSurface> X11SpriteSurface::create(QWidget& window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    // The frames are in the desktop's own pixels; a scaled desktop is left
    // to Qt, which scales them.
    if (!c || window.devicePixelRatioF() != 1.0) {
        return nullptr;
    }
    const xcb_query_extension_reply_t* shape = xcb_get_extension_data(c, &xcb_shape_id);
    if (!shape || !shape->present) {
        return nullptr;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    if (!geometry) {
        return nullptr;
    }
    const quint8 depth = geometry->depth;
    std::free(geometry);
    if ((depth != 24 && depth != 32) || !layoutServed(xcb_get_setup(c), depth)) {
        return nullptr;
    }
    // The server paints the window from its background by itself, so the
    // exposures that every change of shape causes need no answer from here.
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr);
    if (attributes) {
        const uint32_t events = attributes->your_event_mask & ~uint32_t(XCB_EVENT_MASK_EXPOSURE);
        std::free(attributes);
        xcb_change_window_attributes(c, id, XCB_CW_EVENT_MASK, &events);
    }
    return std::unique_ptr<X11SpriteSurface>(new X11SpriteSurface(c, id, {depth}));
}

X11SpriteSurface::X11SpriteSurface(xcb_connection_t* c, quint32 window, Layout layout)
    : c_(c), window_(window), layout_(layout) {}

X11SpriteSurface::~X11SpriteSurface() {
    for (const Frame& f : frames_) {
        release(f);
    }
    if (pictureGc_) {
        xcb_free_gc(c_, pictureGc_);
    }
    if (maskGc_) {
        xcb_free_gc(c_, maskGc_);
    }
    xcb_flush(c_);
}

void X11SpriteSurface::show(const Sprite& sprite) {
    if (sprite.image.isNull() || shown_ == sprite.key) {
        return;
    }
    const bool reshape = !shown_ || shapeVersion_ != sprite.shapeVersion;
    const Frame& f = frameFor(sprite);
    if (reshape) {
        xcb_shape_mask(c_, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, window_, 0, 0, f.mask);
        // Compositors that mix X11 windows with their own take the input
        // shape, not the bounding one, for where clicks go.
        xcb_shape_combine(c_, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_SHAPE_SK_BOUNDING, window_,
                          0, 0, window_);
    }
    const uint32_t background = f.picture;
    xcb_change_window_attributes(c_, window_, XCB_CW_BACK_PIXMAP, &background);
    xcb_clear_area(c_, 0, window_, 0, 0, 0, 0);
    shown_ = sprite.key;
    shapeVersion_ = sprite.shapeVersion;
}

const X11SpriteSurface::Frame& X11SpriteSurface::frameFor(const Sprite& sprite) {
    ++shows_;
    auto it = std::find_if(frames_.begin(), frames_.end(),
                           [&](const Frame& f) { return f.key == sprite.key; });
    if (it == frames_.end()) {
        if (static_cast<int>(frames_.size()) >= kMaxFrames) {
            auto oldest = std::min_element(
                frames_.begin(), frames_.end(),
                [](const Frame& a, const Frame& b) { return a.lastShown < b.lastShown; });
            release(*oldest);
            frames_.erase(oldest);
        }
        frames_.push_back(upload(sprite));
        it = frames_.end() - 1;
    }
    it->lastShown = shows_;
    return *it;
}

X11SpriteSurface::Frame X11SpriteSurface::upload(const Sprite& sprite) {
    const QImage image = sprite.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto w = static_cast<uint16_t>(image.width());
    const auto h = static_cast<uint16_t>(image.height());
    Frame f;
    f.key = sprite.key;
    f.picture = xcb_generate_id(c_);
    xcb_create_pixmap(c_, layout_.depth, f.picture, window_, w, h);
    f.mask = xcb_generate_id(c_);
    xcb_create_pixmap(c_, 1, f.mask, window_, w, h);
    if (!pictureGc_) {
        pictureGc_ = xcb_generate_id(c_);
        xcb_create_gc(c_, pictureGc_, f.picture, 0, nullptr);
        maskGc_ = xcb_generate_id(c_);
        xcb_create_gc(c_, maskGc_, f.mask, 0, nullptr);
    }
    putRows(f.picture, pictureGc_, layout_.depth, w, h, image.constBits(),
            static_cast<int>(image.bytesPerLine()));
    const OpaqueMask mask = opaqueMask(image);
    putRows(f.mask, maskGc_, 1, w, h, mask.bits.data(), mask.bytesPerLine);
    return f;
}

void X11SpriteSurface::putRows(quint32 pixmap, quint32 gc, quint8 depth, int width, int height,
                               const uchar* bits, int bytesPerLine) {
    // A large scale can exceed one request; send bands of whole rows.
    constexpr int kRequestHeader = 24;
    const qint64 maxBytes = qint64(xcb_get_maximum_request_length(c_)) * 4 - kRequestHeader;
    const int rowsPerRequest = static_cast<int>(std::max<qint64>(1, maxBytes / bytesPerLine));
    for (int y = 0; y < height; y += rowsPerRequest) {
        const int rows = std::min(rowsPerRequest, height - y);
        xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, static_cast<uint16_t>(width),
                      static_cast<uint16_t>(rows), 0, static_cast<int16_t>(y), 0, depth,
                      static_cast<uint32_t>(rows * bytesPerLine),
                      bits + static_cast<std::ptrdiff_t>(y) * bytesPerLine);
    }
}

void X11SpriteSurface::release(const Frame& f) {
    xcb_free_pixmap(c_, f.picture);
    xcb_free_pixmap(c_, f.mask);
}
