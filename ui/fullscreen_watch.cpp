#include "ui/fullscreen_watch.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
constexpr int kFirstLookMs = 2000;

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Freed = std::unique_ptr<T, FreeReply>;

// Is `w` one of this program's own windows? Those are never fullscreen, and
// their event masks are Qt's business.
bool ours(xcb_window_t w) {
    for (const QWindow* window : QGuiApplication::allWindows()) {
        if (window->handle() != nullptr && window->winId() == w) {
            return true;
        }
    }
    return false;
}

// The screen's rectangle in the X server's pixels: Qt keeps a scaled
// screen's corner and scales its size.
QRect nativeRect(const QScreen* s) {
    const QRect g = s->geometry();
    return {g.topLeft(), g.size() * s->devicePixelRatio()};
}
} // namespace

std::unique_ptr<FullscreenWatch> FullscreenWatch::create(QWidget& character) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (c == nullptr) {
        return nullptr;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (screen == nullptr) {
        return nullptr;
    }
    std::unique_ptr<FullscreenWatch> watch(new FullscreenWatch(character, c, screen->root));
    QCoreApplication::instance()->installNativeEventFilter(watch.get());
    // The first look waits until the mascot has drawn itself: asking the X
    // server while Qt draws the first frames delays them on a busy machine.
    QTimer::singleShot(kFirstLookMs, watch.get(), &FullscreenWatch::checkSoon);
    return watch;
}

FullscreenWatch::FullscreenWatch(QWidget& character, xcb_connection_t* c, xcb_window_t root)
    : character_(character), c_(c), root_(root) {
    activeAtom_ = atom("_NET_ACTIVE_WINDOW");
    stateAtom_ = atom("_NET_WM_STATE");
    fullscreenAtom_ = atom("_NET_WM_STATE_FULLSCREEN");
    // Add property changes to what this connection hears from the root,
    // keeping what Qt listens to there.
    const auto cookie = xcb_get_window_attributes(c_, root_);
    const Freed<xcb_get_window_attributes_reply_t> attrs{
        xcb_get_window_attributes_reply(c_, cookie, nullptr)};
    const uint32_t mask =
        (attrs ? attrs->your_event_mask : 0U) | uint32_t(XCB_EVENT_MASK_PROPERTY_CHANGE);
    xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c_);
    if (QWindow* w = character_.windowHandle()) {
        connect(w, &QWindow::screenChanged, this, &FullscreenWatch::checkSoon);
    }
}

FullscreenWatch::~FullscreenWatch() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
    follow(0);
}

xcb_atom_t FullscreenWatch::atom(const char* name) const {
    const auto cookie = xcb_intern_atom(c_, 0, static_cast<uint16_t>(std::strlen(name)), name);
    const Freed<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(c_, cookie, nullptr)};
    return reply ? reply->atom : 0;
}

bool FullscreenWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* e = static_cast<const xcb_generic_event_t*>(message);
    const int type = e->response_type & 0x7f;
    if (type == XCB_PROPERTY_NOTIFY) {
        const auto* p = reinterpret_cast<const xcb_property_notify_event_t*>(e);
        if ((p->window == root_ && p->atom == activeAtom_) ||
            (p->window == followed_ && followed_ != 0 && p->atom == stateAtom_)) {
            checkSoon();
        }
    } else if (followed_ != 0 && (type == XCB_UNMAP_NOTIFY || type == XCB_DESTROY_NOTIFY ||
                                  type == XCB_CONFIGURE_NOTIFY)) {
        // The focused window went away, was minimised or moved to another
        // screen; window managers do not always say so on the root.
        const auto* n = reinterpret_cast<const xcb_unmap_notify_event_t*>(e);
        if (n->window == followed_) {
            checkSoon();
        }
    }
    return false; // Qt sees every event too
}

void FullscreenWatch::checkSoon() {
    // One look after a burst of changes, outside Qt's event handling.
    if (!checkPending_) {
        checkPending_ = true;
        QTimer::singleShot(0, this, &FullscreenWatch::check);
    }
}

xcb_window_t FullscreenWatch::activeWindow() const {
    const auto cookie = xcb_get_property(c_, 0, root_, activeAtom_, XCB_ATOM_WINDOW, 0, 1);
    const Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(c_, cookie, nullptr)};
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4) {
        return 0;
    }
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

bool FullscreenWatch::isFullscreen(xcb_window_t w) const {
    const auto shown = xcb_get_window_attributes(c_, w);
    const Freed<xcb_get_window_attributes_reply_t> attrs{
        xcb_get_window_attributes_reply(c_, shown, nullptr)};
    if (!attrs || attrs->map_state != XCB_MAP_STATE_VIEWABLE) {
        return false;
    }
    const auto cookie = xcb_get_property(c_, 0, w, stateAtom_, XCB_ATOM_ATOM, 0, 64);
    const Freed<xcb_get_property_reply_t> reply{xcb_get_property_reply(c_, cookie, nullptr)};
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int n = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < n; ++i) {
        if (atoms[i] == fullscreenAtom_) {
            return true;
        }
    }
    return false;
}

bool FullscreenWatch::onCharactersScreen(xcb_window_t w) const {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const QScreen* mine = character_.screen();
    if (screens.size() <= 1 || mine == nullptr) {
        return true;
    }
    const auto geo = xcb_get_geometry(c_, w);
    const auto at = xcb_translate_coordinates(c_, w, root_, 0, 0);
    const Freed<xcb_get_geometry_reply_t> g{xcb_get_geometry_reply(c_, geo, nullptr)};
    const Freed<xcb_translate_coordinates_reply_t> t{
        xcb_translate_coordinates_reply(c_, at, nullptr)};
    if (!g || !t) {
        return false;
    }
    const QPoint centre(t->dst_x + g->width / 2, t->dst_y + g->height / 2);
    return nativeRect(mine).contains(centre);
}

void FullscreenWatch::follow(xcb_window_t w) {
    if (w == followed_) {
        return;
    }
    // The window may be gone already: its error is dropped, not reported.
    if (followed_ != 0) {
        const uint32_t none = 0;
        const auto cookie =
            xcb_change_window_attributes_checked(c_, followed_, XCB_CW_EVENT_MASK, &none);
        xcb_discard_reply(c_, cookie.sequence);
    }
    followed_ = w;
    if (followed_ != 0) {
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        const auto cookie =
            xcb_change_window_attributes_checked(c_, followed_, XCB_CW_EVENT_MASK, &mask);
        xcb_discard_reply(c_, cookie.sequence);
    }
    xcb_flush(c_);
}

void FullscreenWatch::check() {
    checkPending_ = false;
    xcb_window_t active = activeWindow();
    if (active != 0 && ours(active)) {
        active = 0;
    }
    // Listen first, then look: a change in between is not missed.
    follow(active);
    const bool here = active != 0 && isFullscreen(active) && onCharactersScreen(active);
    if (last_ == here || (!last_ && !here)) {
        last_ = here;
        return;
    }
    last_ = here;
    emit changed(here);
}
