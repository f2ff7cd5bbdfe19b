#include "figure_parts.h"

namespace {

constexpr double kHip = 92;      // top of the legs, standing
constexpr double kFootEnd = 117; // one below the standing feet
constexpr double kShoulderY = 76;

bool has(const Look& l, unsigned extra) {
    return (l.extras & extra) != 0;
}

Tone skinTone(const Look& l) {
    return {l.skin, l.skin};
}

Tone legTone(const Look& l) {
    if (l.lower == Lower::Trousers) {
        return l.bottom;
    }
    return has(l, kStockings) ? l.legs : skinTone(l);
}

Tone sleeveTone(const Look& l) {
    return has(l, kCardigan) ? l.extra : l.top;
}

// How far leg A or B lifts its foot above the standing foot in this pose:
// the leading foot comes down a pixel, the trailing one lifts.
int footLift(const Figure& f, bool a) {
    const int s = f.stride();
    if (s == 0) {
        return 0;
    }
    return ((s == 1) == a) ? -1 : 2;
}

// Swing of the arm on the side of leg A or B, against that leg: +1 forward.
int armSwing(const Figure& f, bool a) {
    const int s = f.stride();
    if (s == 0) {
        return 0;
    }
    return ((s == 1) == a) ? -1 : 1;
}

void shoe(Figure& f, QRectF r, int part, bool sideView) {
    const Look& l = f.look;
    QPainterPath p;
    p.addRoundedRect(r, 2.5, 2.5);
    if (has(l, kBoots)) {
        p.addRect(QRectF(r.left() + (sideView ? 1.5 : 0.5), r.top() - 9,
                         sideView ? 6 : r.width() - 1, 11));
        p = p.simplified();
    }
    f.paint(p, l.shoes, part);
    f.highlight(box(r.left() + 1, r.top() + 1, 2, 1), l.shoes, part);
    if (has(l, kBoots)) {
        f.highlight(box(r.left() + (sideView ? 2 : 1), r.top() - 8, 1, 7), l.shoes, part);
    }
}

void skirtFront(Figure& f, double hem) {
    const Look& l = f.look;
    f.paint(polygon({{30, 85}, {50, 85}, {55.5, hem}, {24.5, hem}}), l.bottom, kLower);
    f.highlight(polygon({{31, 86}, {34, 86}, {30, hem - 1}, {27, hem - 1}}), l.bottom, kLower);
    const QRgb pleat = shade(l.bottom.base);
    f.line({QPointF(35, 89), QPointF(33, hem - 1)}, pleat, kLower);
    f.line({QPointF(40, 89), QPointF(40, hem - 1)}, pleat, kLower);
    f.line({QPointF(44, 89), QPointF(46, hem - 1)}, pleat, kLower);
}

void lowerFront(Figure& f) {
    const Look& l = f.look;
    const double hem = l.hem + 1;
    switch (l.lower) {
    case Lower::Skirt:
        skirtFront(f, hem);
        break;
    case Lower::Shorts: {
        QPainterPath shorts = polygon({{30, 85}, {50, 85}, {51.5, hem}, {28.5, hem}});
        shorts = shorts.subtracted(box(39, hem - 3, 2, 3));
        f.paint(shorts, l.bottom, kLower);
        f.highlight(box(31, 87, 2, hem - 89), l.bottom, kLower);
        break;
    }
    case Lower::Trousers:
        f.paint(polygon({{30, 85}, {50, 85}, {50.5, 97}, {29.5, 97}}).subtracted(box(39, 94, 2, 3)),
                l.bottom, kLower);
        f.highlight(box(31, 87, 2, 8), l.bottom, kLower);
        break;
    case Lower::Dress:
        break;
    }
}

void torsoFront(Figure& f) {
    const Look& l = f.look;
    if (l.lower == Lower::Dress) {
        const double hem = l.hem + 1;
        f.paint(polygon({{30.5, 72}, {49.5, 72}, {50.5, 84}, {56, hem}, {24, hem}, {29.5, 84}}),
                l.top, kTorso);
        f.highlight(polygon({{31, 74}, {33, 74}, {32, 84}, {28, hem - 1}, {26, hem - 1}, {30, 84}}),
                    l.top, kTorso);
    } else {
        f.paint(polygon({{30.5, 72}, {49.5, 72}, {50.5, 88}, {29.5, 88}}), l.top, kTorso);
        f.highlight(box(31, 74, 2, 12), l.top, kTorso);
    }
}

void armsFront(Figure& f) {
    const Look& l = f.look;
    for (int i = 0; i < 2; ++i) {
        const bool a = i == 0;
        const double sign = a ? -1 : 1;
        const int swing = armSwing(f, a);
        const QPointF shoulder(kAxis + sign * 10, kShoulderY);
        const QPointF hand(kAxis + sign * (swing > 0 ? 13 : 14),
                           swing > 0 ? 92.5 : (swing < 0 ? 88.5 : 90.5));
        const QPointF wrist = hand - QPointF(0, 1);
        const int armPart = a ? kArmA : kArmB;
        if (l.sleeves == Sleeves::Short) {
            f.paint(limb(shoulder, wrist, 5), skinTone(l), armPart);
            if (l.puffSleeves) {
                f.paint(ellipse(shoulder.x() + sign * 0.5, shoulder.y(), 9, 8), l.top, armPart);
            } else {
                f.paint(limb(shoulder, shoulder + (wrist - shoulder) * 0.3, 7), l.top, armPart);
            }
            f.highlight(box(shoulder.x() - 2, shoulder.y() - 3, 3, 1), l.top, armPart);
        } else {
            const Tone t = sleeveTone(l);
            f.paint(limb(shoulder, wrist, 6.5), t, armPart);
            f.highlight(box(shoulder.x() - 1, shoulder.y() - 2, 2, 6), t, armPart);
        }
        f.paint(ellipse(hand.x(), hand.y(), 6, 6), skinTone(l), a ? kHandA : kHandB);
    }
}

void lowerSide(Figure& f) {
    const Look& l = f.look;
    const double hem = l.hem + 1;
    switch (l.lower) {
    case Lower::Skirt:
        f.paint(polygon({{32.5, 85}, {47.5, 85}, {52.5, hem}, {28, hem}}), l.bottom, kLower);
        f.highlight(polygon({{33, 86}, {35, 86}, {31, hem - 1}, {29, hem - 1}}), l.bottom, kLower);
        f.line({QPointF(41, 89), QPointF(42, hem - 1)}, shade(l.bottom.base), kLower);
        break;
    case Lower::Shorts:
        f.paint(polygon({{33, 85}, {47, 85}, {49, hem}, {31.5, hem}}), l.bottom, kLower);
        f.highlight(box(34, 87, 2, hem - 89), l.bottom, kLower);
        break;
    case Lower::Trousers:
        f.paint(polygon({{33, 85}, {47, 85}, {47.5, 97}, {33, 97}}), l.bottom, kLower);
        f.highlight(box(34, 87, 2, 8), l.bottom, kLower);
        break;
    case Lower::Dress:
        break;
    }
}

void torsoSide(Figure& f) {
    const Look& l = f.look;
    if (l.lower == Lower::Dress) {
        const double hem = l.hem + 1;
        f.paint(polygon({{34, 72}, {46, 72}, {47.5, 84}, {52.5, hem}, {28, hem}, {33, 84}}), l.top,
                kTorso);
        f.highlight(polygon({{35, 74}, {37, 74}, {35, 84}, {31, hem - 1}, {29, hem - 1}, {34, 84}}),
                    l.top, kTorso);
    } else {
        f.paint(polygon({{34, 72}, {46, 72}, {47.5, 88}, {33, 88}}), l.top, kTorso);
        f.highlight(box(35, 74, 2, 12), l.top, kTorso);
    }
}

// One arm in the side view. `swing` +1 forward, -1 back.
void armSide(Figure& f, int swing, int armPart, int handPart) {
    const Look& l = f.look;
    const QPointF shoulder(40, kShoulderY);
    const QPointF hand(40 + swing * 6, swing == 0 ? 90.5 : 89.5);
    const QPointF wrist = shoulder + (hand - shoulder) * 0.95;
    if (l.sleeves == Sleeves::Short) {
        f.paint(limb(shoulder, wrist, 5), skinTone(l), armPart);
        if (l.puffSleeves) {
            f.paint(ellipse(shoulder.x(), shoulder.y(), 8, 8), l.top, armPart);
        } else {
            f.paint(limb(shoulder, shoulder + (wrist - shoulder) * 0.3, 7), l.top, armPart);
        }
    } else {
        const Tone t = sleeveTone(l);
        f.paint(limb(shoulder, wrist, 6.5), t, armPart);
        f.highlight(box(shoulder.x() - 2, shoulder.y() - 1, 1, 6), t, armPart);
    }
    f.paint(ellipse(hand.x(), hand.y(), 6, 6), skinTone(l), handPart);
}

// One leg in the side view. `swing` +1 forward, -1 back.
void legSide(Figure& f, int swing, int legPart, int shoePart) {
    const Look& l = f.look;
    const double lift = swing < 0 ? 1 : 0;
    const QPointF hip(40, kHip + f.bob + 2);
    const QPointF ankle(40 + swing * 5, kFootEnd - 4 - lift);
    f.paint(limb(hip, ankle, 6), legTone(l), legPart);
    shoe(f, QRectF(ankle.x() - 3.5, kFootEnd - 5 - lift, 9, 5), shoePart, true);
}

} // namespace

void drawBodyFront(Figure& f, bool back) {
    const Look& l = f.look;
    f.ground();
    for (int i = 0; i < 2; ++i) {
        const bool a = i == 0;
        const double x = a ? 33 : 41;
        const double end = kFootEnd - footLift(f, a);
        const double top = kHip + f.bob;
        f.paint(box(x, top, 6, end - 3 - top), legTone(l), a ? kLegA : kLegB);
        shoe(f, QRectF(x - 1, end - 5, 8, 5), a ? kShoeA : kShoeB, false);
    }
    f.upper();
    torsoFront(f);
    lowerFront(f);
    if (back) {
        drawOutfitDetailsBack(f);
    } else {
        drawOutfitDetailsFront(f);
    }
    armsFront(f);
}

void drawBodySide(Figure& f) {
    const int s = f.stride();
    f.upper();
    armSide(f, s, kArmB, kHandB); // the far arm swings with the near leg
    f.ground();
    legSide(f, -s, kLegB, kShoeB);
    legSide(f, s, kLegA, kShoeA);
    f.upper();
    torsoSide(f);
    lowerSide(f);
    drawOutfitDetailsSide(f);
    armSide(f, -s, kArmA, kHandA);
}

void drawHeadFront(Figure& f) {
    const Look& l = f.look;
    f.upper();
    f.paint(box(36, 67, 8, 7), skinTone(l), kNeck);
    f.paint(withMirror(ellipse(17.5, 56, 5, 8)), skinTone(l), kEar);
    f.paint(ellipse(kAxis, 49.5, 46, 43), skinTone(l), kFace);
    const QPainterPath cheek = box(22, 61, 4, 1).united(box(23, 62, 2, 1));
    f.tint(withMirror(cheek), l.blush, kFace);
}

void drawHeadBack(Figure& f) {
    const Look& l = f.look;
    f.upper();
    f.paint(box(36, 67, 8, 7), skinTone(l), kNeck);
    f.paint(withMirror(ellipse(17.5, 56, 5, 8)), skinTone(l), kEar);
    f.paint(ellipse(kAxis, 49.5, 46, 43), skinTone(l), kFace);
}

void drawHeadSide(Figure& f) {
    const Look& l = f.look;
    f.upper();
    f.paint(box(37, 67, 7, 7), skinTone(l), kNeck);
    f.paint(ellipse(38.5, 49.5, 46, 43).united(ellipse(49.5, 61, 16, 16)), skinTone(l), kFace);
    f.paint(ellipse(33, 57, 5, 7), skinTone(l), kEar);
    f.tint(box(51, 61, 4, 1).united(box(52, 62, 2, 1)), l.blush, kFace);
}
