#pragma once

class LabelButton;

#include "alarm/alarm_box_model.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
struct Mascot;

// The alarm panel's own window: frameless, above other windows, no taskbar
// entry. It mirrors the core's AlarmBox model (twips / 15 = pixels) and
// hands presses, pointer moves and typing to the panel's handlers.
class AlarmBoxWindow : public QWidget {
    Q_OBJECT
public:
    explicit AlarmBoxWindow(Mascot& m, QWidget* parent = nullptr);

    // Brings the window in line with the model; sends nothing to the window
    // system when the model is as it was last applied.
    void sync();

private:
    void applyLabel(QLabel* widget, const LabelModel& model, const LabelModel* before);
    void applyBox(int index, const AlarmBoxModel& box, const AlarmBoxModel* before);
    void pressed(int index, Qt::MouseButton button);
    void hovered(int index);
    void edited(int index, const QString& text);

    Mascot& m_;
    std::optional<AlarmBoxModel> applied_;
    std::array<QLabel*, 2> labels_{};
    std::array<QLineEdit*, 2> boxes_{};
    std::array<LabelButton*, Alaon::Count> buttons_{};
};
