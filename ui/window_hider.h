#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

// Takes the mascot's windows out of sight and brings them back. A panel
// stays open in the core while it is out of sight, and its window only shows
// again when asked; the balloon follows the core on every sync by itself.
class WindowHider {
public:
    // `wanted` tells on the return whether `window` is still to show; a
    // window that shows itself on sync passes nullptr.
    void add(QWidget* window, std::function<bool()> wanted);

    // Hides every window (true), or shows again those it hid that are still
    // wanted (false).
    void apply(bool hidden);

private:
    struct Entry {
        QPointer<QWidget> window;
        std::function<bool()> wanted;
        bool putAway = false;
    };
    std::vector<Entry> windows_;
};
