#include "ui/balloon_labels.h"

#include "core/rounding.h"
#include "ui/balloon_font.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace {

constexpr int kCaptionIndent = 4; // pixels between a choice's edge and its caption

// Applies what every label shares, geometry and visibility, as far as they
// differ from what was applied `before`.
void applyFrame(QWidget& w, const LabelModel& now, const std::optional<LabelModel>& before) {
    if (!before || now.geometry != before->geometry) {
        w.setGeometry(toPixels(now.geometry));
    }
    if (!before || now.visible != before->visible) {
        w.setVisible(now.visible);
    }
}

QStringList paragraphs(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    return lines.split(u'\n');
}

} // namespace

BalloonText::BalloonText(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HanasuNaiyo"));
    setFont(balloonFont(kBalloonTextPixels));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void BalloonText::apply(const LabelModel& model) {
    if (applied_ == model) {
        return;
    }
    const std::optional<LabelModel> before = std::exchange(applied_, model);
    applyFrame(*this, model, before);
    if (!before || model.caption != before->caption) {
        update();
    }
}

void BalloonText::setShownHeight(int pixels) {
    if (pixels != shownHeight_) {
        shownHeight_ = pixels;
        update();
    }
}

qsizetype BalloonText::shownCharacters(QSize pixels, qreal lineSpacing) {
    const qsizetype lines =
        static_cast<qsizetype>(pixels.height() / std::max(lineSpacing, 1.0)) + 1;
    return lines * (std::max(pixels.width(), 0) + 1);
}

void BalloonText::paintEvent(QPaintEvent*) {
    if (!applied_) {
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    const qreal leading = metrics.leading();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const int bottom = std::min(height(), shownHeight_);
    const QString shown =
        applied_->caption.left(shownCharacters(QSize(width(), bottom), metrics.height()));
    qreal y = 0;
    bool firstLine = true;
    for (const QString& paragraph : paragraphs(shown)) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width());
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            // Only whole lines are shown; the first always, cut if need be.
            if (!firstLine && y + line.height() > bottom) {
                return;
            }
            line.draw(&p, QPointF(0, y - line.y()));
            y += line.height() + leading;
            firstLine = false;
        }
    }
}

ChoiceLabel::ChoiceLabel(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("Sentaku%1").arg(index));
    setFont(balloonFont(kBalloonChoicePixels));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void ChoiceLabel::apply(const LabelModel& model) {
    if (applied_ == model) {
        return;
    }
    const std::optional<LabelModel> before = std::exchange(applied_, model);
    applyFrame(*this, model, before);
    if (!before || model.caption != before->caption || model.background != before->background) {
        update();
    }
}

void ChoiceLabel::paintEvent(QPaintEvent*) {
    if (!applied_) {
        return;
    }
    QPainter p(this);
    p.fillRect(rect(), applied_->background);
    // The ground is always light, whatever the desktop's colours.
    p.setPen(Qt::black);
    const QRect text = rect().adjusted(kCaptionIndent, 0, -kCaptionIndent, 0);
    const QString caption =
        fontMetrics().elidedText(applied_->caption, Qt::ElideRight, text.width());
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, caption);
}

void ChoiceLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit hovered(index_);
}

void ChoiceLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(index_, PressKind::Single);
}

void ChoiceLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(index_, PressKind::Repeat);
}
