#pragma once

#include <QtGlobal>

#include <optional>

// How a press reached a control: on its own, or as the second press of a
// double-click (which the window system reports separately).
enum class PressKind { Single, Repeat };

// Tells a deliberate press on something the user can choose from a press
// that still belongs to the click before it. The second press of a
// double-click never counts: the first one already acted, and may have put
// something new under the pointer. Nor does a press that comes sooner after
// new choices were put up than the desktop's double-click interval: the user
// cannot have seen them yet. Times are milliseconds on one steady clock.
class PressGuard {
public:
    // New choices were put up at `nowMs`.
    void offered(qint64 nowMs) { offeredAt_ = nowMs; }

    // Returns whether a press of `kind` at `nowMs` runs its action, given the
    // desktop's double-click interval `settleMs`.
    [[nodiscard]] bool accepts(PressKind kind, qint64 nowMs, int settleMs) const;

private:
    std::optional<qint64> offeredAt_;
};
