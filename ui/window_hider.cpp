#include "ui/window_hider.h"

void WindowHider::add(QWidget* window, std::function<bool()> wanted) {
    windows_.push_back({window, std::move(wanted), false});
}

void WindowHider::apply(bool hidden) {
    for (Entry& e : windows_) {
        if (!e.window) {
            continue;
        }
        if (hidden) {
            e.putAway = e.putAway || e.window->isVisible();
            e.window->hide();
        } else {
            if (e.putAway && e.wanted && e.wanted()) {
                e.window->show();
                e.window->raise();
            }
            e.putAway = false;
        }
    }
}
