#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

// Models of the controls that the desktop shell mirrors. Geometry is in
// twips (15 to the pixel), as the core computes it; the shell divides by 15.

inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect&) const = default;
};

// A caption on a coloured ground that reacts to the mouse (balloon choices,
// panel buttons).
struct LabelModel {
    QString caption;
    TwipsRect geometry;
    bool visible = false;
    QColor background = Qt::white;
    bool operator==(const LabelModel&) const = default;
};

// A label shown from the start: how the panels' layouts are written down.
[[nodiscard]] inline LabelModel shownLabel(const QString& caption, TwipsRect geometry,
                                           QColor background = QColor()) {
    LabelModel l;
    l.caption = caption;
    l.geometry = geometry;
    l.visible = true;
    l.background = background;
    return l;
}

// A panel beside the character: where it is and whether it shows.
struct PanelModel {
    TwipsRect geometry;
    bool visible = false;
    bool operator==(const PanelModel&) const = default;
};

// An editable text box; without a `background` it has the system's.
struct TextBoxModel {
    QString text;
    TwipsRect geometry;
    bool visible = true;
    QColor background = QColor();
    bool operator==(const TextBoxModel&) const = default;
};

// A check box: `value` 1 checked, 0 cleared.
struct CheckBoxModel {
    QString caption;
    TwipsRect geometry;
    bool visible = true;
    int value = 0;
    bool operator==(const CheckBoxModel&) const = default;
};

// A horizontal scroll bar and the value it stands at, min <= value <= max.
struct ScrollBarModel {
    TwipsRect geometry;
    bool visible = true;
    int min = 0;
    int max = 0;
    int value = 0;
    bool operator==(const ScrollBarModel&) const = default;
};

// A list of rows with at most one selected (`ListIndex`, -1 none).
struct ListBoxModel {
    QStringList rows;
    TwipsRect geometry;
    bool visible = true;
    int ListIndex = -1;
    bool operator==(const ListBoxModel&) const = default;
};
