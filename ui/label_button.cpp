#include "ui/label_button.h"

#include "ui/press_timing.h"

#include <QMouseEvent>

LabelButton::LabelButton(QWidget* parent, std::function<void(Qt::MouseButton)> onPress,
                         std::function<void()> onMove)
    : QLabel(parent), onPress_(std::move(onPress)), onMove_(std::move(onMove)) {
    setMouseTracking(true);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void LabelButton::showEvent(QShowEvent* e) {
    // Also sent each time the panel opens again.
    guard_.offered(pressClockMs());
    QLabel::showEvent(e);
}

void LabelButton::mousePressEvent(QMouseEvent* e) {
    press(e, PressKind::Single);
}

void LabelButton::mouseDoubleClickEvent(QMouseEvent* e) {
    press(e, everyPress_ ? PressKind::Single : PressKind::Repeat);
}

void LabelButton::press(QMouseEvent* e, PressKind kind) {
    e->accept();
    if (guard_.accepts(kind, pressClockMs(), doubleClickMs())) {
        onPress_(e->button());
    }
}

void LabelButton::mouseMoveEvent(QMouseEvent*) {
    onMove_();
}
