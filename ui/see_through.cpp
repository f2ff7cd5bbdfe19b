#include "ui/see_through.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

bool desktopComposites() {
    xcb_connection_t* c = x11Connection();
    if (!c) {
        return false;
    }
    static constexpr char kXWayland[] = "XWAYLAND";
    const xcb_query_extension_cookie_t xwayland =
        xcb_query_extension(c, sizeof kXWayland - 1, kXWayland);
    // The desktop is the first screen: one X screen per monitor is a thing
    // of the past.
    static constexpr char kSelection[] = "_NET_WM_CM_S0";
    const xcb_intern_atom_cookie_t atom = xcb_intern_atom(c, 0, sizeof kSelection - 1, kSelection);
    bool composites = false;
    if (xcb_query_extension_reply_t* reply = xcb_query_extension_reply(c, xwayland, nullptr)) {
        composites = reply->present;
        std::free(reply);
    }
    if (xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, atom, nullptr)) {
        if (xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
                c, xcb_get_selection_owner(c, reply->atom), nullptr)) {
            composites = composites || owner->owner != XCB_NONE;
            std::free(owner);
        }
        std::free(reply);
    }
    return composites;
}

void shapeInputToBounding(QWidget& window) {
    xcb_connection_t* c = x11Connection();
    if (!c || !window.testAttribute(Qt::WA_WState_Created)) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_shape_combine(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_SHAPE_SK_BOUNDING, id, 0, 0, id);
}
