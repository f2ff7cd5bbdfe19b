#include "ui/balloon_window.h"
#include "ui/desktop_guest.h"
#include "ui/see_through.h"

#include "core/mascot.h"
#include "settings/choice_menu.h"
#include "ui/balloon_labels.h"
#include "ui/press_timing.h"
#include "ui/window_mover.h"

#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCornerRadius = 7; // pixels

// A rounded rectangle built from whole-pixel rows, so that the window's
// shape and the painted balloon are exactly the same pixels.
QRegion roundedRows(QRect r, int radius) {
    radius = std::min({radius, r.width() / 2, r.height() / 2});
    QRegion region(r.adjusted(0, radius, 0, -radius));
    for (int row = 0; row < radius; ++row) {
        const double dy = radius - row - 0.5;
        const int inset =
            static_cast<int>(std::lround(radius - std::sqrt(radius * radius - dy * dy)));
        const int width = r.width() - 2 * inset;
        region += QRect(r.left() + inset, r.top() + row, width, 1);
        region += QRect(r.left() + inset, r.bottom() - row, width, 1);
    }
    return region;
}

} // namespace

QRect BalloonWindow::besideTrueCharacter(QRect balloon, const TrueCharacter& character,
                                         QRect screen) {
    balloon.translate(character.displacement);
    const QRect& figure = character.rect;
    // Moved with the character, the balloon keeps its gap to it; where that
    // leaves the screen, it goes to the character's other side.
    if (balloon.left() < screen.left()) {
        const int gap = figure.left() - balloon.right();
        balloon.moveLeft(figure.right() + gap);
    } else if (balloon.right() > screen.right()) {
        const int gap = balloon.left() - figure.right();
        balloon.moveRight(figure.left() - gap);
    }
    return balloon;
}

BalloonWindow::ChoiceHandlers BalloonWindow::coreHandlers() {
    return {&Sentaku_MouseMove, &Sentaku_MouseDown};
}

BalloonWindow::BalloonWindow(Mascot& m, QWidget* parent)
    : BalloonWindow(m, coreHandlers(), parent) {}

BalloonWindow::BalloonWindow(Mascot& m, ChoiceHandlers handlers, QWidget* parent)
    : QWidget(parent), m_(m), handlers_(std::move(handlers)), text_(new BalloonText(this)) {
    setObjectName(QStringLiteral("HanasuBox"));
    makeDesktopGuest(*this, GuestRole::Balloon);
    setWindowTitle(QStringLiteral("sanpo balloon"));
    // Where a compositor draws the desktop, the rounded corners are
    // see-through by alpha, not only shaped away.
    if (desktopComposites()) {
        setAttribute(Qt::WA_TranslucentBackground);
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < kChoiceLabels; ++i) {
        auto* choice = new ChoiceLabel(i, this);
        connect(choice, &ChoiceLabel::hovered, this, &BalloonWindow::choiceMoved);
        connect(choice, &ChoiceLabel::pressed, this, &BalloonWindow::choicePressed);
        choices_[static_cast<std::size_t>(i)] = choice;
    }
}

BalloonWindow::~BalloonWindow() = default;

QRegion BalloonWindow::outline(QSize size) {
    return roundedRows(QRect(QPoint(0, 0), size), kCornerRadius);
}

void BalloonWindow::sync() {
    const HanasuBoxModel& box = m_.HanasuBox;
    if (!box.visible) {
        if (isVisible()) {
            hide();
        }
        return;
    }
    QRect wanted = toPixels(box.geometry);
    if (trueCharacter_) {
        wanted = besideTrueCharacter(wanted, trueCharacter_(), screen()->geometry());
    }
    if (!placed_ || placed_->size() != wanted.size()) {
        resize(wanted.size());
        outer_ = outline(wanted.size());
        inner_ = roundedRows(QRect(QPoint(1, 1), wanted.size() - QSize(2, 2)), kCornerRadius - 1);
        setMask(outer_);
        shapeInputToBounding(*this);
        update();
    }
    if (!placed_ || placed_->topLeft() != wanted.topLeft()) {
        if (mover_) {
            mover_->move(*this, wanted.topLeft());
        } else {
            move(wanted.topLeft());
        }
    }
    placed_ = wanted;
    if (offersSeen_ != box.offers) {
        offersSeen_ = box.offers;
        guard_.offered(pressClockMs());
    }
    text_->apply(box.HanasuNaiyo);
    const QRect textRect = toPixels(box.HanasuNaiyo.geometry);
    int shown = textRect.height();
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        choices_[i]->apply(box.Sentaku[i]);
        if (box.Sentaku[i].visible) {
            shown = std::min(shown, toPixels(box.Sentaku[i].geometry).top() - textRect.top());
        }
    }
    text_->setShownHeight(shown);
    if (!isVisible()) {
        show();
        raise();
        shapeInputToBounding(*this); // the window exists from its first show
    }
}

void BalloonWindow::followDisplacedCharacter(std::function<TrueCharacter()> character) {
    trueCharacter_ = std::move(character);
    // The desktop would place the balloon itself too, over the character. A
    // new native window: the manager may keep the old one in its frame.
    hide();
    destroy();
    setWindowFlag(Qt::X11BypassWindowManagerHint);
    placed_.reset();
    sync();
}

void BalloonWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setClipRegion(outer_);
    p.fillRect(rect(), palette().color(QPalette::WindowText));
    p.setClipRegion(inner_);
    p.fillRect(rect(), palette().color(QPalette::Window));
}

void BalloonWindow::choiceMoved(int index) {
    if (handlers_.moved) {
        handlers_.moved(m_, index);
    }
    sync();
}

void BalloonWindow::choicePressed(int index, PressKind kind) {
    if (!guard_.accepts(kind, pressClockMs(), doubleClickMs())) {
        return;
    }
    if (handlers_.pressed) {
        handlers_.pressed(m_, index);
    }
    sync();
    emit choiceMade();
}
