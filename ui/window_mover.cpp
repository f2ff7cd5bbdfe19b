#include "ui/window_mover.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QSize>
#include <QWidget>

#include <xcb/xcb.h>

// Swallows the ConfigureNotify events that answer our own moves: the size
// the window has, the position we asked for.
class MoveEchoFilter : public QAbstractNativeEventFilter {
public:
    explicit MoveEchoFilter(xcb_connection_t* c) : connection(c) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        auto* e = static_cast<xcb_generic_event_t*>(message);
        if ((e->response_type & 0x7F) != XCB_CONFIGURE_NOTIFY || (e->response_type & 0x80)) {
            return false;
        }
        auto* c = reinterpret_cast<xcb_configure_notify_event_t*>(e);
        const auto it = expected.constFind(c->window);
        return it != expected.cend() && it->size == QSize(c->width, c->height) &&
               it->pos == QPoint(c->x, c->y);
    }

    struct Placement {
        QPoint pos;
        QSize size;
    };
    xcb_connection_t* connection;
    QHash<xcb_window_t, Placement> expected;
};

WindowMover::WindowMover() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->connection()) {
        filter_ = std::make_unique<MoveEchoFilter>(x11->connection());
        QCoreApplication::instance()->installNativeEventFilter(filter_.get());
    }
}

WindowMover::~WindowMover() {
    if (filter_ && QCoreApplication::instance()) {
        QCoreApplication::instance()->removeNativeEventFilter(filter_.get());
    }
}

void WindowMover::move(QWidget& window, QPoint topLeft) {
    // X11 requests speak device pixels; with a scaled desktop Qt converts.
    if (!filter_ || !window.isVisible() || !window.testAttribute(Qt::WA_WState_Created) ||
        window.devicePixelRatioF() != 1.0) {
        window.move(topLeft);
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    filter_->expected.insert(id, {topLeft, window.size()});
    const uint32_t values[] = {static_cast<uint32_t>(topLeft.x()),
                               static_cast<uint32_t>(topLeft.y())};
    xcb_configure_window(filter_->connection, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                         values);
}

void WindowMover::flush() {
    if (filter_) {
        xcb_flush(filter_->connection);
    }
}
