#pragma once

#include "core/press_guard.h"

#include <QLabel>

#include <functional>

// A caption on a coloured ground that reports presses and pointer moves: the
// panels' buttons, whose colours and actions live in the core. A press that
// belongs to the click before it (see core/press_guard.h) is not reported:
// the second press of a double-click, or one that comes too soon after the
// panel appeared under the pointer.
class LabelButton : public QLabel {
public:
    LabelButton(QWidget* parent, std::function<void(Qt::MouseButton)> onPress,
                std::function<void()> onMove);

    // For a button that steps a value: each press of a double-click is one
    // more step, as quick clicks on a stepper mean.
    void countEveryPress() { everyPress_ = true; }

protected:
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void press(QMouseEvent* e, PressKind kind);

    std::function<void(Qt::MouseButton)> onPress_;
    std::function<void()> onMove_;
    PressGuard guard_;
    bool everyPress_ = false;
};
