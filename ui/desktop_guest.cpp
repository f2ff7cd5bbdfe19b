#include "ui/desktop_guest.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPoint>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>
#include <vector>

namespace {

xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// Sets the input field of WM_HINTS, keeping what Qt wrote in the others.
void setInputHint(xcb_connection_t* c, xcb_window_t id, bool input) {
    constexpr uint32_t kInputHint = 1;
    constexpr std::size_t kFields = 9; // flags, input, ..., window group
    std::array<uint32_t, kFields> hints{};
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, kFields), nullptr);
    if (reply) {
        const auto count = std::min<std::size_t>(
            kFields, static_cast<std::size_t>(xcb_get_property_value_length(reply)) / 4);
        std::copy_n(static_cast<const uint32_t*>(xcb_get_property_value(reply)), count,
                    hints.begin());
        std::free(reply);
    }
    hints[0] |= kInputHint;
    hints[1] = input ? 1 : 0;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                        kFields, hints.data());
    xcb_flush(c);
}

// Writes the window manager hints that Qt does not give, each time the
// window is about to map: managers drop _NET_WM_STATE when a window is
// withdrawn, and read it only when it maps.
//
// The window type is utility (floating, no task bar entry, not focused on
// map where managers know the type) and, unlike Qt's tool windows, the
// window is transient for nothing: some managers hide the utility windows
// of an application that is not active, which would silence a character
// that talks on its own.
//
// The character's and the balloon's windows do not accept the keyboard
// (WM_HINTS) except between a click on them and losing the focus: some managers give a new
// window the focus whatever its user time says. Neither it nor the balloon
// offers to take the focus when a manager hands it over (WM_TAKE_FOCUS):
// some managers take such an offer as having given the focus.
//
// Once mapped, the window is sent to where it was put again: a tiling
// manager may place a new floating window as if it had a title bar, but
// honours a move. And it asks not to be flagged as demanding attention,
// which managers with focus stealing prevention do to every window they
// did not give the focus.
class GuestHints : public QObject, public QAbstractNativeEventFilter {
public:
    GuestHints(QWidget& window, GuestRole role) : QObject(&window), role_(role) {
        if (takesKeyboardWhenClicked()) {
            QCoreApplication::instance()->installNativeEventFilter(this);
        }
    }
    ~GuestHints() override {
        if (takesKeyboardWhenClicked() && QCoreApplication::instance()) {
            QCoreApplication::instance()->removeNativeEventFilter(this);
        }
    }
    GuestHints(const GuestHints&) = delete;
    GuestHints& operator=(const GuestHints&) = delete;

    // A press on the character or its balloon lets the manager give it the keyboard
    // before Qt asks for it, which Qt does before the press reaches the
    // widget; and it takes the keyboard itself with the press's time, as a
    // manager that handled the click before the hint changed refuses the
    // request.
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        const auto* e = static_cast<const xcb_generic_event_t*>(message);
        const std::optional<Press> press = pressOf(e);
        auto& window = static_cast<QWidget&>(*parent());
        if (press && window.testAttribute(Qt::WA_WState_Created) &&
            press->window == static_cast<xcb_window_t>(window.winId())) {
            if (xcb_connection_t* c = x11Connection()) {
                setInputHint(c, press->window, true);
                xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, press->window, press->time);
                xcb_flush(c);
            }
        }
        return false;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto& window = static_cast<QWidget&>(*watched);
        // The show event comes after the native window exists and before
        // it maps.
        if (event->type() == QEvent::Show) {
            write(window);
            const QPoint at = window.pos();
            QMetaObject::invokeMethod(
                this, [this, &window, at] { settle(window, at); }, Qt::QueuedConnection);
        } else if (event->type() == QEvent::WindowDeactivate && takesKeyboardWhenClicked()) {
            if (xcb_connection_t* c = x11Connection()) {
                setInputHint(c, static_cast<xcb_window_t>(window.winId()), false);
            }
        }
        return false;
    }

private:
    // The character and its balloon appear by themselves; a panel is opened
    // by the user and takes the keyboard as it opens.
    [[nodiscard]] bool takesKeyboardWhenClicked() const { return role_ != GuestRole::Panel; }

    struct Press {
        xcb_window_t window;
        xcb_timestamp_t time;
    };

    // The window a button was pressed on, and when, from the core event
    // or, as Qt takes the pointer, from the input extension's.
    std::optional<Press> pressOf(const xcb_generic_event_t* e) {
        const uint8_t type = e->response_type & 0x7F;
        if (type == XCB_BUTTON_PRESS) {
            const auto* press = reinterpret_cast<const xcb_button_press_event_t*>(e);
            return Press{press->event, press->time};
        }
        if (type != XCB_GE_GENERIC) {
            return std::nullopt;
        }
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(e);
        if (generic->extension != inputOpcode() || generic->event_type != kInputButtonPress) {
            return std::nullopt;
        }
        // The extension's device events: event type, device, time, detail,
        // root, then the window, after the generic header.
        Press press{};
        const auto* bytes = reinterpret_cast<const char*>(e);
        std::memcpy(&press.window, bytes + kInputEventWindowOffset, sizeof press.window);
        std::memcpy(&press.time, bytes + kInputEventTimeOffset, sizeof press.time);
        return press;
    }

    uint8_t inputOpcode() {
        if (!inputOpcode_) {
            inputOpcode_ = 0;
            if (xcb_connection_t* c = x11Connection()) {
                static constexpr char kName[] = "XInputExtension";
                xcb_query_extension_reply_t* reply = xcb_query_extension_reply(
                    c, xcb_query_extension(c, sizeof kName - 1, kName), nullptr);
                if (reply && reply->present) {
                    inputOpcode_ = reply->major_opcode;
                }
                std::free(reply);
            }
        }
        return *inputOpcode_;
    }

    static constexpr uint16_t kInputButtonPress = 4;
    static constexpr std::size_t kInputEventTimeOffset = 12;
    static constexpr std::size_t kInputEventWindowOffset = 24;

    enum Atom {
        State,
        SkipTaskbar,
        SkipPager,
        DemandsAttention,
        Type,
        Utility,
        Protocols,
        TakeFocus,
        Count
    };

    // Runs after the window's map request went out.
    void settle(QWidget& window, QPoint at) {
        xcb_connection_t* c = x11Connection();
        if (!c || !interned_ || !window.isVisible()) {
            return;
        }
        const auto id = static_cast<xcb_window_t>(window.winId());
        // X11 requests speak device pixels; with a scaled desktop Qt places.
        if (window.devicePixelRatioF() == 1.0) {
            const std::array<uint32_t, 2> values{static_cast<uint32_t>(at.x()),
                                                 static_cast<uint32_t>(at.y())};
            xcb_configure_window(c, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values.data());
        }
        constexpr uint32_t kRemove = 0;
        constexpr uint32_t kFromApplication = 1;
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = id;
        message.type = atoms_[State];
        message.data.data32[0] = kRemove;
        message.data.data32[1] = atoms_[DemandsAttention];
        message.data.data32[3] = kFromApplication;
        xcb_send_event(c, 0, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(c);
    }

    void dropTakeFocus(xcb_connection_t* c, xcb_window_t id) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, id, atoms_[Protocols], XCB_ATOM_ATOM, 0, 32), nullptr);
        if (!reply) {
            return;
        }
        const auto* begin = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const auto* end = begin + xcb_get_property_value_length(reply) / 4;
        std::vector<xcb_atom_t> kept;
        std::remove_copy(begin, end, std::back_inserter(kept), atoms_[TakeFocus]);
        std::free(reply);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atoms_[Protocols], XCB_ATOM_ATOM, 32,
                            static_cast<uint32_t>(kept.size()), kept.data());
    }

    void write(QWidget& window) {
        xcb_connection_t* c = x11Connection();
        if (!c || !window.isWindow()) {
            return;
        }
        if (!interned_ && !intern(c)) {
            return;
        }
        const auto id = static_cast<xcb_window_t>(window.winId());
        const std::array<xcb_atom_t, 2> states{atoms_[SkipTaskbar], atoms_[SkipPager]};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atoms_[State], XCB_ATOM_ATOM, 32,
                            states.size(), states.data());
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atoms_[Type], XCB_ATOM_ATOM, 32, 1,
                            &atoms_[Utility]);
        if (takesKeyboardWhenClicked()) {
            setInputHint(c, id, false);
        }
        if (role_ != GuestRole::Panel) {
            dropTakeFocus(c, id);
        }
    }

    bool intern(xcb_connection_t* c) {
        static constexpr std::array<const char*, Count> names{"_NET_WM_STATE",
                                                              "_NET_WM_STATE_SKIP_TASKBAR",
                                                              "_NET_WM_STATE_SKIP_PAGER",
                                                              "_NET_WM_STATE_DEMANDS_ATTENTION",
                                                              "_NET_WM_WINDOW_TYPE",
                                                              "_NET_WM_WINDOW_TYPE_UTILITY",
                                                              "WM_PROTOCOLS",
                                                              "WM_TAKE_FOCUS"};
        std::array<xcb_intern_atom_cookie_t, Count> cookies{};
        for (std::size_t i = 0; i < names.size(); ++i) {
            cookies[i] = xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(names[i])), names[i]);
        }
        bool all = true;
        for (std::size_t i = 0; i < names.size(); ++i) {
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookies[i], nullptr);
            all = all && reply;
            atoms_[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
            std::free(reply);
        }
        interned_ = all;
        return all;
    }

    GuestRole role_;
    std::optional<uint8_t> inputOpcode_;
    bool interned_ = false;
    std::array<xcb_atom_t, Count> atoms_{};
};

} // namespace

void makeDesktopGuest(QWidget& window, GuestRole role) {
    // A plain window rather than Qt's tool window: Qt makes tool windows
    // transient for their parent or the application.
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    if (role != GuestRole::Panel) {
        // Tells the manager the window maps without a user's action behind it.
        window.setAttribute(Qt::WA_ShowWithoutActivating);
    }
    window.installEventFilter(new GuestHints(window, role));
}
