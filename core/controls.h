#pragma once

#include <QColor>
#include <QString>

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

// A panel beside the character: where it is and whether it shows.
struct PanelModel {
    TwipsRect geometry;
    bool visible = false;
    bool operator==(const PanelModel&) const = default;
};
