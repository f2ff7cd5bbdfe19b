#include "ui/alarm_box_window.h"
#include "ui/desktop_guest.h"

#include "ui/label_button.h"

#include "ui/shell_units.h"

#include "alarm/alarm_box.h"
#include "core/mascot.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <functional>

namespace {

constexpr int kCaptionPoints = 9;

} // namespace

AlarmBoxWindow::AlarmBoxWindow(Mascot& m, QWidget* parent) : QWidget(parent), m_(m) {
    makeDesktopGuest(*this, GuestRole::Panel);
    setWindowTitle(QStringLiteral("アラーム"));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("alalabel%1").arg(i));
        labels_[static_cast<std::size_t>(i)] = label;

        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("AlaText%1").arg(i));
        box->setFont(minchoFontPoints(kAlarmDigitsPoints));
        box->setAlignment(Qt::AlignCenter);
        box->setTextMargins(0, 0, 0, 0);
        connect(box, &QLineEdit::textEdited, this,
                [this, i](const QString& text) { edited(i, text); });
        boxes_[static_cast<std::size_t>(i)] = box;
    }
    labels_[0]->setFont(minchoFontPoints(kCaptionPoints));
    labels_[1]->setFont(minchoFontPoints(kAlarmDigitsPoints));
    labels_[1]->setAlignment(Qt::AlignCenter);

    for (int i = 0; i < Alaon::Count; ++i) {
        auto* button = new LabelButton(
            this, [this, i](Qt::MouseButton b) { pressed(i, b); }, [this, i] { hovered(i); });
        button->setObjectName(QStringLiteral("alaon%1").arg(i));
        button->setFont(minchoFontPoints(kCaptionPoints));
        if (i >= Alaon::HoursDown && i <= Alaon::MinutesUp) {
            button->countEveryPress(); // the ▲ and ▼ steppers
        }
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    // The separator reaches a little into the minutes box: the boxes lie on top.
    for (QLineEdit* box : boxes_) {
        box->raise();
    }
}

void AlarmBoxWindow::applyLabel(QLabel* widget, const LabelModel& model, const LabelModel* before) {
    if (before != nullptr && *before == model) {
        return;
    }
    if (before == nullptr || before->caption != model.caption) {
        widget->setText(model.caption);
    }
    if (before == nullptr || before->geometry != model.geometry) {
        widget->setGeometry(toPixels(model.geometry));
    }
    if (before == nullptr || before->background != model.background) {
        // Without a colour of its own a label stands on the panel's ground.
        widget->setAutoFillBackground(model.background.isValid());
        if (model.background.isValid()) {
            QPalette p = widget->palette();
            p.setColor(QPalette::Window, model.background);
            widget->setPalette(p);
        }
    }
    if (before == nullptr || before->visible != model.visible) {
        widget->setVisible(model.visible);
    }
}

void AlarmBoxWindow::applyBox(int index, const AlarmBoxModel& box, const AlarmBoxModel* before) {
    const auto i = static_cast<std::size_t>(index);
    const TextBoxModel& model = box.AlaText[i];
    if (before != nullptr && before->AlaText[i] == model) {
        return;
    }
    QLineEdit* edit = boxes_[i];
    // Typing already put the text there; setting it again would move the caret.
    if (edit->text() != model.text) {
        edit->setText(model.text);
    }
    if (before == nullptr || before->AlaText[i].geometry != model.geometry) {
        edit->setGeometry(toPixels(model.geometry));
    }
    if (before == nullptr || before->AlaText[i].visible != model.visible) {
        edit->setVisible(model.visible);
    }
}

void AlarmBoxWindow::sync() {
    const AlarmBoxModel& box = m_.AlarmBox;
    if (applied_ && *applied_ == box) {
        return;
    }
    const AlarmBoxModel* before = applied_ ? &*applied_ : nullptr;
    if (before == nullptr || before->geometry != box.geometry) {
        setGeometry(toPixels(box.geometry));
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        applyLabel(labels_[i], box.alalabel[i], before ? &before->alalabel[i] : nullptr);
    }
    for (int i = 0; i < 2; ++i) {
        applyBox(i, box, before);
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        applyLabel(buttons_[i], box.alaon[i], before ? &before->alaon[i] : nullptr);
    }
    const bool wasVisible = before != nullptr && before->visible;
    if (box.visible && !wasVisible) {
        show();
        raise();
        // The boxes are typed into: the panel takes the keyboard when it opens.
        activateWindow();
    } else if (!box.visible && (wasVisible || before == nullptr)) {
        hide();
    }
    applied_ = box;
}

void AlarmBoxWindow::pressed(int index, Qt::MouseButton button) {
    alaon_MouseDown(m_, index, mouseButtonCode(button));
    sync();
}

void AlarmBoxWindow::hovered(int index) {
    alaon_MouseMove(m_, index);
    sync();
}

void AlarmBoxWindow::edited(int index, const QString& text) {
    AlaText_Change(m_, index, text);
    sync();
}
