#include "figure_parts.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979;

// A round body with a few tufts of fur on the crown and the cheeks.
QPainterPath furBall(double cx, double cy, double w, double h, bool sideView) {
    QPainterPath p = ellipse(cx, cy, w, h);
    const double top = cy - h / 2;
    p = p.united(polygon({{cx - 8, top + 3}, {cx - 5, top - 3}, {cx - 1, top + 2}}));
    p = p.united(polygon({{cx + 1, top + 2}, {cx + 6, top - 2}, {cx + 8, top + 3}}));
    const double cheekY = cy - h * 0.06;
    if (!sideView) {
        p = p.united(polygon({{cx - w / 2 + 1, cheekY - 6},
                              {cx - w / 2 - 3, cheekY},
                              {cx - w / 2 + 1, cheekY + 4}}));
        p = p.united(polygon({{cx + w / 2 - 1, cheekY - 6},
                              {cx + w / 2 + 3, cheekY},
                              {cx + w / 2 - 1, cheekY + 4}}));
    } else {
        p = p.united(polygon({{cx - w / 2 + 1, cheekY - 6},
                              {cx - w / 2 - 3, cheekY},
                              {cx - w / 2 + 1, cheekY + 4}}));
    }
    return p;
}

QPainterPath star(double cx, double cy, double r) {
    QPolygonF pts;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + kPi * i / 5;
        const double rr = i % 2 == 0 ? r : r * 0.45;
        pts.append(QPointF(cx + std::cos(a) * rr, cy + std::sin(a) * rr));
    }
    QPainterPath p;
    p.addPolygon(pts);
    p.closeSubpath();
    return p;
}

void antenna(Figure& f, double baseX) {
    const Look& l = f.look;
    const double sway = f.step == 0 ? 0 : (f.step == 1 ? -2 : 2);
    const QPointF tip(baseX + 3 + sway, 19);
    f.paint(limb({baseX, 38}, {baseX + 2 + sway / 2, 27}, 2), l.acc2, kAcc2);
    f.paint(limb({baseX + 2 + sway / 2, 27}, tip, 2), l.acc2, kAcc2);
    f.paint(star(tip.x(), tip.y() - 3, 6.5), l.acc, kAcc);
    f.highlight(box(tip.x() - 2, tip.y() - 5, 1, 2), l.acc, kAcc);
}

int footLift(const Figure& f, bool a) {
    const int s = f.stride();
    if (s == 0) {
        return 0;
    }
    return ((s == 1) == a) ? -1 : 2;
}

void feetFront(Figure& f) {
    f.ground();
    for (int i = 0; i < 2; ++i) {
        const bool a = i == 0;
        const double x = a ? 30 : 50;
        const double y = 108.5 - footLift(f, a);
        f.paint(ellipse(x, y, 12, 8), f.look.shoes, a ? kShoeA : kShoeB);
        f.highlight(box(x - 3, y - 2, 3, 1), f.look.shoes, a ? kShoeA : kShoeB);
    }
}

void ears(Figure& f, double cx, bool inner) {
    const Look& l = f.look;
    const QPainterPath ear = polygon({{cx - 22, 48}, {cx - 20, 30}, {cx - 8, 42}});
    f.paint(ear.united(mirrored(ear).translated(2 * (cx - kAxis), 0)), l.skin, kEar);
    if (inner) {
        const QPainterPath in = polygon({{cx - 19, 44}, {cx - 18, 35}, {cx - 12, 42}});
        f.tint(in.united(mirrored(in).translated(2 * (cx - kAxis), 0)), l.blush, kEar);
    }
}

void body(Figure& f, double cx, double w, bool sideView) {
    const Look& l = f.look;
    f.paint(furBall(cx, 72, w, 66, sideView), l.skin, kFace);
    // Shine on the upper left of the fur.
    QPainterPath shine = ellipse(cx - 2, 68, w - 8, 56).subtracted(ellipse(cx + 1, 71, w - 8, 56));
    shine = shine.intersected(box(0, 0, cx - 4, 64));
    f.tint(shine, l.hair.hi, kFace);
}

} // namespace

void drawCreature(Figure& f) {
    const Look& l = f.look;
    const int s = f.stride();
    switch (f.view) {
    case View::Front:
    case View::Back: {
        const bool front = f.view == View::Front;
        feetFront(f);
        f.upper();
        ears(f, kAxis, front);
        body(f, kAxis, 58, false);
        if (front) {
            f.tint(ellipse(kAxis, 90, 30, 22), l.top.base, kFace);
            f.tint(box(21, 61, 4, 1).united(box(22, 62, 2, 1)), l.blush, kFace);
            f.tint(box(55, 61, 4, 1).united(box(55, 62, 2, 1)), l.blush, kFace);
        } else {
            f.paint(ellipse(kAxis, 95, 16, 14), l.top, kTail);
        }
        // Paws swing against the feet.
        const double swingA = s == 0 ? 0 : (s == 1 ? -2 : 2);
        f.paint(ellipse(13.5, 80 + swingA, 8, 11), l.shoes, kArmA);
        f.paint(ellipse(66.5, 80 - swingA, 8, 11), l.shoes, kArmB);
        antenna(f, kAxis - 1);
        break;
    }
    default: {
        f.ground();
        for (int i = 0; i < 2; ++i) {
            const bool near = i == 1;
            const int swing = near ? s : -s;
            const double x = (near ? 42 : 36) + swing * 4;
            const double y = 108.5 - (swing < 0 ? 1 : 0);
            f.paint(ellipse(x, y, 13, 8), l.shoes, near ? kShoeA : kShoeB);
        }
        f.upper();
        f.paint(ellipse(12, 93, 16, 14), l.top, kTail);
        ears(f, 38, false);
        body(f, 38, 56, true);
        f.tint(ellipse(48, 90, 22, 22), l.top.base, kFace);
        f.tint(box(51, 61, 4, 1).united(box(52, 62, 2, 1)), l.blush, kFace);
        f.paint(ellipse(40 - s * 3, 82, 9, 11), l.shoes, kArmA);
        antenna(f, 37);
        break;
    }
    }
}
