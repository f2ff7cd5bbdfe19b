#pragma once

#include "ui/shell_units.h"

#include "core/controls.h"
#include "core/press_guard.h"

#include <QColor>
#include <QWidget>

#include <optional>

// The balloon's text: lines broken at CR LF, wrapped at the label's width
// (between words, or anywhere when a word is too long) and cut off below
// the last whole line that fits. It paints only the text; the balloon's
// ground shows through.
class BalloonText : public QWidget {
    Q_OBJECT
public:
    explicit BalloonText(QWidget* parent);

    // Mirrors the text label's model; repaints only when the text changed.
    void apply(const LabelModel& model);
    [[nodiscard]] QString text() const { return applied_ ? applied_->caption : QString(); }
    // Lines are shown down to `pixels` from the label's top at most: the
    // choices cover the text below that.
    void setShownHeight(int pixels);

    // Returns how many characters of a text can show in `pixels` with lines
    // `lineSpacing` apart: every line that fits holds at most one character
    // per pixel of width, or ends at a line break. Only that many are laid
    // out, so a text of any length costs what a full balloon costs.
    [[nodiscard]] static qsizetype shownCharacters(QSize pixels, qreal lineSpacing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<LabelModel> applied_;
    int shownHeight_ = 0;
};

// One choice under the balloon's text: a caption on a coloured ground that
// reports the pointer moving over it and presses on it, telling the second
// press of a double-click from a press of its own.
class ChoiceLabel : public QWidget {
    Q_OBJECT
public:
    ChoiceLabel(int index, QWidget* parent);

    // Mirrors the choice's model; repaints only when caption or colour
    // changed, moves only when the geometry changed.
    void apply(const LabelModel& model);
    [[nodiscard]] QString caption() const { return applied_ ? applied_->caption : QString(); }
    [[nodiscard]] QColor background() const { return applied_ ? applied_->background : QColor(); }

signals:
    void hovered(int index);
    void pressed(int index, PressKind kind);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int index_;
    std::optional<LabelModel> applied_;
};
