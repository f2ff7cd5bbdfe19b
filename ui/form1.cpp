#include "ui/form1.h"

#include "ui/shell_units.h"

#include "core/dragging.h"
#include "core/main_tick.h"
#include "core/mascot.h"
#include "core/pace.h"
#include "core/startup.h"
#include "ui/window_mover.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace {
// After a stall (a suspended laptop) the ticks of the lost time are not
// replayed; a short delay is caught up.
constexpr int kMaxCatchUpTicks = 2 * kMaxBatchTicks;

// The core works in screen twips: a drag keeps its meaning while the window
// moves under the pointer.
QPoint twips(const QMouseEvent* e) {
    const QPoint p = e->globalPosition().toPoint();
    return {p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel};
}
} // namespace

Form1::Form1(Mascot& m, QWidget* parent) : QWidget(parent), m_(m) {
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    setWindowTitle(QStringLiteral("sanpo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    Form_Load(m_);
    // Until the first frame is drawn the window has nothing to show.
    resize(1, 1);
    setMask(QRegion(0, 0, 1, 1));
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Form1::wake);
    clock_.start();
    nextTickAt_ = 0;
    timer_.start(0);
}

void Form1::wake() {
    const qint64 now = clock_.elapsed();
    for (int ran = 0; nextTickAt_ <= now && ran < kMaxCatchUpTicks; ++ran) {
        Timer1_Timer(m_);
        nextTickAt_ += kTickMs;
    }
    if (nextTickAt_ <= now) {
        nextTickAt_ = now + kTickMs;
    }
    sync();
    scheduleWake();
}

void Form1::scheduleWake() {
    const int due = ticksUntilVisibleChange(m_, m_.platform.now().time());
    const qint64 wakeAt = nextTickAt_ + qint64(due - 1) * kTickMs;
    timer_.start(static_cast<int>(std::max<qint64>(0, wakeAt - clock_.elapsed())));
}

void Form1::wakeOnNextTick() {
    timer_.start(static_cast<int>(std::max<qint64>(0, nextTickAt_ - clock_.elapsed())));
}

void Form1::sync() {
    const Sprite& sprite = m_.sprite;
    if (sprite.image.isNull()) {
        emit synced();
        return;
    }
    if (size() != sprite.image.size()) {
        resize(sprite.image.size());
    }
    const QPoint at(sprite.x, sprite.y);
    if (placedAt_ != at) {
        placedAt_ = at;
        mover_.move(*this, at);
    }
    if (shapedVersion_ != sprite.shapeVersion) {
        shapedVersion_ = sprite.shapeVersion;
        setMask(QBitmap::fromImage(sprite.image.createAlphaMask()));
    }
    if (paintedVersion_ != sprite.version) {
        paintedVersion_ = sprite.version;
        update();
    }
    if (!isVisible()) {
        show();
    }
    emit synced();
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, m_.sprite.image);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Form_KeyDown(m_, kKeyEscape, 0);
        return;
    }
    QWidget::keyPressEvent(event);
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
