#pragma once

#include "canvas.h"
#include "figure.h"
#include "geometry.h"
#include "look.h"

// Parts of a figure: where two parts meet, the one painted first gets a line.
enum Part : int {
    kHairBehind = 1,
    kTail,
    kLegA, // the screen-left leg in front and back views, the near leg in side views
    kLegB,
    kShoeA,
    kShoeB,
    kLower,
    kTorso,
    kExtra,
    kExtra2,
    kArmA,
    kArmB,
    kHandA,
    kHandB,
    kNeck,
    kEar,
    kFace,
    kHair,
    kHairLock,
    kCurlA, // alternate segments of curls and braids
    kCurlB,
    kAcc,
    kAcc2,
    kAcc3,
};

// The darker tone a colour takes for lines inside the figure.
[[nodiscard]] QRgb shade(QRgb c);

// Everything one cell's drawing needs: the look, the view, the pose, and the
// canvas, with the joints of the pose worked out once.
class Figure {
public:
    Figure(const Look& look, View view, int step);

    [[nodiscard]] QImage render(QRgb background, std::vector<QPoint>* holes) const {
        return canvas.render(background, kOutline, holes);
    }

    Canvas canvas{kCellW, kCellH};
    const Look& look;
    View view;
    int step;
    int bob;        // 1 in the step poses
    bool side;      // a side view, drawn facing right (the left view is mirrored)
    bool nearRight; // in a side view, whether the character's right side faces us

    // Which leg leads: +1 leg A forward, -1 leg B forward, 0 standing.
    [[nodiscard]] int stride() const { return step == 0 ? 0 : (step == 1 ? 1 : -1); }

    void paint(const QPainterPath& path, const Tone& tone, int part) {
        canvas.paint(path, {tone.base, shade(tone.base), part});
    }
    void paint(const QPainterPath& path, QRgb colour, int part) {
        canvas.paint(path, {colour, shade(colour), part});
    }
    void highlight(const QPainterPath& path, const Tone& tone, int part) {
        canvas.tint(path, tone.hi, part);
    }
    void tint(const QPainterPath& path, QRgb colour, int part) { canvas.tint(path, colour, part); }
    void dot(int x, int y, QRgb colour, int part) { canvas.tintPixel(x, y, colour, part); }
    void line(const QPolygonF& pts, QRgb colour, int part) { canvas.tintLine(pts, colour, part); }
    // The upper body moves with the bob; legs are placed by hand.
    void upper() { canvas.setOffset({0, static_cast<double>(bob)}); }
    void ground() { canvas.setOffset({0, 0}); }
};

// The person's body: legs, lower garment, torso, arms, head (figure_body.cpp).
void drawBodyFront(Figure& f, bool back);
void drawBodySide(Figure& f);
void drawHeadFront(Figure& f);
void drawHeadBack(Figure& f);
void drawHeadSide(Figure& f);
void drawOutfitDetailsFront(Figure& f);
void drawOutfitDetailsBack(Figure& f);
void drawOutfitDetailsSide(Figure& f);

// Hair by style (figure_hair.cpp): what lies behind the body, and what lies
// over the head.
void drawHairBehind(Figure& f);
void drawHairOver(Figure& f);

// The accessory (figure_accessory.cpp), behind and over everything else.
void drawAccessoryBehind(Figure& f);
void drawAccessoryOver(Figure& f);

// The round creature (figure_creature.cpp).
void drawCreature(Figure& f);
