#pragma once

#include <QLabel>

#include <functional>

// A caption on a coloured ground that reports presses and pointer moves: the
// panels' buttons, whose colours and actions live in the core.
class LabelButton : public QLabel {
public:
    LabelButton(QWidget* parent, std::function<void(Qt::MouseButton)> onPress,
                std::function<void()> onMove);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    std::function<void(Qt::MouseButton)> onPress_;
    std::function<void()> onMove_;
};
