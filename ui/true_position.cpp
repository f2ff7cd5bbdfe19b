#include "ui/true_position.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

std::optional<QPoint> truePosition(QWidget& window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c || !window.testAttribute(Qt::WA_WState_Created) || window.devicePixelRatioF() != 1.0) {
        return std::nullopt;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, static_cast<xcb_window_t>(window.winId()), root, 0, 0),
        nullptr);
    if (!reply) {
        return std::nullopt;
    }
    const QPoint at(reply->dst_x, reply->dst_y);
    std::free(reply);
    return at;
}
