#include "ui/label_button.h"

#include <QMouseEvent>

LabelButton::LabelButton(QWidget* parent, std::function<void(Qt::MouseButton)> onPress,
                         std::function<void()> onMove)
    : QLabel(parent), onPress_(std::move(onPress)), onMove_(std::move(onMove)) {
    setMouseTracking(true);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void LabelButton::mousePressEvent(QMouseEvent* e) {
    onPress_(e->button());
}

void LabelButton::mouseMoveEvent(QMouseEvent*) {
    onMove_();
}
