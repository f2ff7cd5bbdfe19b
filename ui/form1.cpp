#include "ui/form1.h"
#include "ui/desktop_guest.h"
#include "ui/see_through.h"

#include "ui/shell_units.h"

#include "core/dragging.h"
#include "core/hiding.h"
#include "core/mascot.h"
#include "core/pace.h"
#include "core/startup.h"
#include "ui/true_position.h"
#include "ui/window_mover.h"
#include "ui/x11_sprite_surface.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <cstdio>

namespace {
constexpr int kPlacementCheckMs = 1000;

// The core works in screen twips: a drag keeps its meaning while the window
// moves under the pointer.
QPoint twips(const QMouseEvent* e) {
    const QPoint p = e->globalPosition().toPoint();
    return {p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel};
}
} // namespace

Form1::Form1(Mascot& m, QWidget* parent) : QWidget(parent), m_(m) {
    makeDesktopGuest(*this, GuestRole::Character);
    // Where a compositor draws the desktop, the figure's edges are see-through
    // by alpha: some compositors draw the shaped-away pixels black or leave
    // old frames behind there. The shape stays, for the pointer and for
    // desktops without one.
    if (desktopComposites()) {
        setAttribute(Qt::WA_TranslucentBackground);
    }
    setWindowTitle(QStringLiteral("sanpo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    Form_Load(m_);
    // Until the first frame is drawn the window has nothing to show.
    resize(1, 1);
    if (QGuiApplication::platformName() == u"xcb") {
        // The X server paints the window from its own copy of the frame.
        setAttribute(Qt::WA_PaintOnScreen);
        surface_ = X11SpriteSurface::create(*this);
        if (!surface_) {
            setAttribute(Qt::WA_PaintOnScreen, false);
        }
    }
    if (!surface_) {
        setMask(QRegion(0, 0, 1, 1));
    }
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Form1::wake);
    clock_.start();
    timer_.start(0);
}

Form1::~Form1() = default;

void Form1::wake() {
    lateness_.woke(clock_.elapsed());
    pacer_.runDue(m_, clock_.elapsed());
    sync();
    armTimer(pacer_.msUntilWake(m_, clock_.elapsed()));
}

void Form1::wakeOnNextTick() {
    armTimer(pacer_.msUntilNextTick(clock_.elapsed()));
}

void Form1::armTimer(qint64 ms) {
    lateness_.planned(clock_.elapsed() + ms);
    timer_.start(static_cast<int>(ms));
}

void Form1::sync() {
    if (::isHidden(m_) != hidden_) {
        hidden_ = !hidden_;
        if (hidden_) {
            hide();
        } else {
            pacer_.resume(clock_.elapsed());
        }
        emit hiddenChanged(hidden_);
    }
    if (hidden_) {
        return; // the windows that follow stay as they were put away
    }
    const Sprite& sprite = m_.sprite;
    if (sprite.image.isNull()) {
        emit synced();
        mover_.flush();
        return;
    }
    if (size() != sprite.image.size()) {
        resize(sprite.image.size());
    }
    const QPoint at(sprite.x, sprite.y);
    if (placedAt_ != at) {
        if (placedAt_ && placementChecks_ == 1) {
            // Checked once where it first showed, which a desktop placing
            // windows itself may have chosen too: once more after a move.
            placementChecks_ = 2;
            QTimer::singleShot(kPlacementCheckMs, this, &Form1::checkPlacement);
        }
        placedAt_ = at;
        movedAt_ = clock_.elapsed();
        mover_.move(*this, at);
    }
    if (surface_) {
        surface_->show(sprite);
    } else {
        if (shapedVersion_ != sprite.shapeVersion) {
            shapedVersion_ = sprite.shapeVersion;
            setMask(QBitmap::fromImage(sprite.image.createAlphaMask()));
            shapeInputToBounding(*this);
        }
        if (paintedVersion_ != sprite.version) {
            paintedVersion_ = sprite.version;
            update();
        }
    }
    if (!isVisible()) {
        show();
        // Well after the window manager placed it.
        if (placementChecks_ == 0) {
            placementChecks_ = 1;
            QTimer::singleShot(kPlacementCheckMs, this, &Form1::checkPlacement);
        }
    }
    emit synced();
    mover_.flush();
}

void Form1::checkPlacement() {
    if (placedByDesktop_ || !placedAt_ || !isVisible()) {
        return;
    }
    // A move just sent may not have reached the window manager yet.
    constexpr qint64 kSettleMs = 200;
    if (clock_.elapsed() - movedAt_ < kSettleMs) {
        QTimer::singleShot(kSettleMs, this, &Form1::checkPlacement);
        return;
    }
    const std::optional<QPoint> at = truePosition(*this);
    if (!at || *at == *placedAt_) {
        return;
    }
    placedByDesktop_ = true;
    std::fprintf(stderr,
                 "sanpo: the desktop keeps the character's window at %d,%d, not at %d,%d where it "
                 "was put: it places X11 windows itself, so the character cannot walk or be "
                 "carried here; its balloon stays beside it.\n",
                 at->x(), at->y(), placedAt_->x(), placedAt_->y());
    emit placedByDesktop();
}

QPoint Form1::displacement() {
    if (!placedByDesktop_ || !placedAt_) {
        return {};
    }
    const std::optional<QPoint> at = truePosition(*this);
    return at ? *at - *placedAt_ : QPoint();
}

QRect Form1::trueGeometry() {
    return {truePosition(*this).value_or(pos()), size()};
}

QPaintEngine* Form1::paintEngine() const {
    return surface_ ? nullptr : QWidget::paintEngine();
}

void Form1::paintEvent(QPaintEvent*) {
    if (surface_) {
        return; // the window's background is the frame
    }
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, m_.sprite.image);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    // A click gives the character the keyboard, so Esc works.
    activateWindow();
    setFocus(Qt::MouseFocusReason);
    const QPoint t = twips(event);
    Form_MouseDown(m_, mouseButtonCode(event->button()), shiftCode(event->modifiers()), t.x(),
                   t.y());
    sync();
    wakeOnNextTick();
}

void Form1::mouseDoubleClickEvent(QMouseEvent* event) {
    // A right double-click is one command: its second press would close the
    // menu the first one opened. The left button just picks it up again.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    mousePressEvent(event);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint t = twips(event);
    Form_MouseMove(m_, mouseButtonCode(event->button()), shiftCode(event->modifiers()), t.x(),
                   t.y());
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint t = twips(event);
    Form_MouseUp(m_, mouseButtonCode(event->button()), shiftCode(event->modifiers()), t.x(), t.y());
    sync();
    wakeOnNextTick();
}
