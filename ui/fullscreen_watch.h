#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <memory>
#include <optional>

#include <xcb/xcb.h>

class QWidget;

// Follows, on X11, whether the window that has the focus is fullscreen on
// the screen the character stands on: a video, a game, a presentation. It
// listens to the window manager's notes on the root window and on the
// focused window, so it costs nothing while nothing changes.
class FullscreenWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Returns nullptr where there is no X11 window manager to ask.
    [[nodiscard]] static std::unique_ptr<FullscreenWatch> create(QWidget& character);
    ~FullscreenWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // Emitted when the answer changes, and once at start when it is yes.
    void changed(bool fullscreenHere);

private:
    FullscreenWatch(QWidget& character, xcb_connection_t* c, xcb_window_t root);
    void checkSoon();
    void check();
    [[nodiscard]] xcb_window_t activeWindow() const;
    [[nodiscard]] bool isFullscreen(xcb_window_t w) const;
    [[nodiscard]] bool onCharactersScreen(xcb_window_t w) const;
    void follow(xcb_window_t w);
    [[nodiscard]] xcb_atom_t atom(const char* name) const;

    QWidget& character_;
    xcb_connection_t* c_;
    xcb_window_t root_;
    xcb_atom_t activeAtom_ = 0;
    xcb_atom_t stateAtom_ = 0;
    xcb_atom_t fullscreenAtom_ = 0;
    xcb_window_t followed_ = 0; // the focused window whose state changes are heard
    bool checkPending_ = false;
    std::optional<bool> last_;
};
