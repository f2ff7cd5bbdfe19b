#include "ui/rss_box_window.h"
#include "ui/desktop_guest.h"

#include "ui/press_timing.h"
#include "ui/selection_list.h"
#include "ui/shell_units.h"

#include "core/mascot.h"
#include "feeds/rss_box.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace {

constexpr int kCaptionPixels = 16;
constexpr int kSmallPixels = 11;
constexpr int kControlPixels = 12;

int vbButtons(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? kLeftButton : 0) | (b & Qt::RightButton ? kRightButton : 0) |
           (b & Qt::MiddleButton ? 4 : 0);
}

void setBackground(QLabel* label, const QColor& colour) {
    const bool fill = colour.alpha() != 0;
    label->setAutoFillBackground(fill);
    if (fill) {
        QPalette p = label->palette();
        p.setColor(QPalette::Window, colour);
        label->setPalette(p);
    }
}

} // namespace

RssBoxWindow::RssBoxWindow(Mascot& m, QWidget* parent) : QWidget(parent), m_(m) {
    makeDesktopGuest(*this, GuestRole::Panel);
    setWindowTitle(QStringLiteral("RSS"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);

    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(QStringLiteral("RssLabel%1").arg(i));
        labels_[i]->setFont(minchoFontPixels(i == 0 ? kCaptionPixels : kSmallPixels));
    }
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("Combo2"));
    list_ = new SelectionList(this);
    list_->setObjectName(QStringLiteral("List2"));
    QFont controls = font();
    controls.setPixelSize(kControlPixels);
    combo_->setFont(controls);
    list_->setFont(controls);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new QLabel(this);
        buttons_[i]->setObjectName(QStringLiteral("RssLButton%1").arg(i));
        buttons_[i]->setAlignment(Qt::AlignCenter);
        buttons_[i]->setFont(controls);
        buttons_[i]->setMouseTracking(true);
        buttons_[i]->installEventFilter(this);
    }

    connect(combo_, &QComboBox::activated, this, [this](int index) {
        Combo2_Click(m_, index);
        sync();
    });
    // Only a row the user selected, and that shows so, is the article chosen.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        List2_Click(m_, selectedRow(*list_));
        sync();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        List2_Click(m_, list_->row(item));
        List2_DblClick(m_);
        sync();
    });
}

void RssBoxWindow::applyLabel(QLabel* label, const LabelModel& model, const LabelModel* before) {
    if (!before || before->caption != model.caption) {
        label->setText(model.caption);
    }
    if (!before || before->geometry != model.geometry) {
        label->setGeometry(toPixels(model.geometry));
    }
    if (!before || before->background != model.background) {
        setBackground(label, model.background);
    }
    if (!before || before->visible != model.visible) {
        label->setVisible(model.visible);
    }
}

void RssBoxWindow::sync() {
    const RssBoxModel& box = m_.RssBox;
    if (shown_ && *shown_ == box) {
        return;
    }
    const RssBoxModel* before = shown_ ? &*shown_ : nullptr;

    if (!before || before->geometry != box.geometry) {
        setGeometry(toPixels(box.geometry));
    }
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        applyLabel(labels_[i], box.RssLabel[i], before ? &before->RssLabel[i] : nullptr);
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        applyLabel(buttons_[i], box.RssLButton[i], before ? &before->RssLButton[i] : nullptr);
    }

    // Filling the controls from the model is not the user's doing: their
    // change signals stay quiet.
    if (!before || before->Combo2 != box.Combo2) {
        const QSignalBlocker quiet(combo_);
        if (!before || before->Combo2.items != box.Combo2.items) {
            combo_->clear();
            combo_->addItems(box.Combo2.items);
        }
        combo_->setCurrentIndex(box.Combo2.listIndex);
        combo_->setGeometry(toPixels(box.Combo2.geometry));
    }
    if (!before || before->List2 != box.List2) {
        const QSignalBlocker quiet(list_);
        if (!before || before->List2.rows != box.List2.rows) {
            list_->clear();
            list_->addItems(box.List2.rows);
        }
        list_->setCurrentRow(box.List2.ListIndex);
        if (box.List2.ListIndex < 0) {
            list_->clearSelection();
        }
        list_->setGeometry(toPixels(box.List2.geometry));
    }

    if (!before || before->visible != box.visible) {
        setVisible(box.visible);
    }
    shown_ = box;
}

int RssBoxWindow::buttonIndex(const QObject* watched) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i] == watched) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool RssBoxWindow::eventFilter(QObject* watched, QEvent* event) {
    const int index = buttonIndex(watched);
    if (index >= 0 &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove)) {
        const auto* e = static_cast<QMouseEvent*>(event);
        const int x = qRound(e->position().x()) * kTwipsPerPixel;
        const int y = qRound(e->position().y()) * kTwipsPerPixel;
        if (event->type() == QEvent::MouseButtonPress) {
            // Not when the panel appeared under a click meant for the menu.
            if (!guard_.accepts(PressKind::Single, pressClockMs(), doubleClickMs())) {
                return true;
            }
            RssLButton_MouseDown(m_, index, mouseButtonCode(e->button()), shiftCode(e->modifiers()),
                                 x, y);
        } else {
            RssLButton_MouseMove(m_, index, vbButtons(e->buttons()), shiftCode(e->modifiers()), x,
                                 y);
        }
        sync();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void RssBoxWindow::showEvent(QShowEvent* event) {
    guard_.offered(pressClockMs());
    QWidget::showEvent(event);
}
