#pragma once

class LabelButton;

#include "settings/settei_model.h"

#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
struct Mascot;

// The settings panel's own window: frameless, above other windows, no
// taskbar entry. It mirrors the core's Settei model (twips / 15 = pixels)
// and hands presses, pointer moves, typing, ticks, choices and bar moves to
// the panel's handlers. It takes the keyboard when it opens and when it is
// clicked, so its boxes can be typed into; Esc saves and quits as it does on
// the character.
class SetteiWindow : public QWidget {
    Q_OBJECT
public:
    explicit SetteiWindow(Mascot& m, QWidget* parent = nullptr);

    // Brings the window in line with the model; sends nothing to the window
    // system when the model is as it was last applied.
    void sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    class TwoLineBox;

    void build();
    void watch(QWidget* child);
    void takeKeyboard();
    void applyBoxes(const SetteiModel& s, const SetteiModel* before);
    void applyChoices(const SetteiModel& s, const SetteiModel* before);
    void pressed(int index, Qt::MouseButton button);
    void hovered(int index);
    void edited(SetteiBox box, const QString& text);

    Mascot& m_;
    std::optional<SetteiModel> applied_;
    std::array<QLabel*, SetteiLabel::Count> labels_{};
    QLineEdit* setteiText_ = nullptr;
    QLineEdit* text1_ = nullptr;
    TwoLineBox* text2_ = nullptr;
    TwoLineBox* text3_ = nullptr;
    QScrollBar* hscroll1_ = nullptr;
    QScrollBar* hscroll2_ = nullptr;
    std::array<QCheckBox*, SetteiCheck::Count> checks_{}; // no box 3
    QComboBox* combo1_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QListWidget* list1_ = nullptr;
    std::array<LabelButton*, SetteiButton::Count> buttons_{};
};
