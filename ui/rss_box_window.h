#pragma once

#include "core/press_guard.h"
#include "feeds/rss_box_model.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
struct Mascot;

// The feed panel's own window: frameless, above other windows, no taskbar
// entry. It mirrors m.RssBox (twips / 15 = pixels) and forwards the user's
// input to the panel's handlers in the core.
class RssBoxWindow : public QWidget {
    Q_OBJECT
public:
    explicit RssBoxWindow(Mascot& m, QWidget* parent = nullptr);

    // Brings the window in line with m.RssBox; sends nothing to the window
    // system when the model did not change since the last call.
    void sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyLabel(QLabel* label, const LabelModel& model, const LabelModel* before);
    [[nodiscard]] int buttonIndex(const QObject* watched) const;

    Mascot& m_;
    std::optional<RssBoxModel> shown_; // the model as last applied
    std::array<QLabel*, 2> labels_{};
    QComboBox* combo_ = nullptr;
    QListWidget* list_ = nullptr;
    std::array<QLabel*, 3> buttons_{};
    PressGuard guard_; // for the label buttons
};
