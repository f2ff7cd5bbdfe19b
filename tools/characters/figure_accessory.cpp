#include "figure_parts.h"

#include <cmath>

namespace {

constexpr QRgb kFlowerCentre = 0xFFFFD850;

// A flower of four petals around a centre pixel.
void flower(Figure& f, int x, int y, const Tone& petals) {
    const QPainterPath p = box(x - 1, y - 2, 3, 5).united(box(x - 2, y - 1, 5, 3));
    f.paint(p, petals, kAcc);
    f.highlight(box(x - 1, y - 2, 1, 1).united(box(x - 2, y - 1, 1, 1)), petals, kAcc);
    f.dot(x, y, kFlowerCentre, kAcc);
}

void leaf(Figure& f, int x, int y, const Tone& t) {
    f.paint(box(x, y, 2, 2), t, kAcc2);
    f.highlight(box(x, y, 1, 1), t, kAcc2);
}

void flowerCrown(Figure& f) {
    const Look& l = f.look;
    const Tone white = {0xFFF8F6FA, 0xFFFFFFFF};
    if (f.view == View::Front || f.view == View::Back) {
        const int xs[] = {18, 25, 32, 40, 48, 55, 62};
        const int ys[] = {39, 33, 29, 27, 29, 33, 39};
        for (int i = 0; i < 6; ++i) {
            leaf(f, (xs[i] + xs[i + 1]) / 2 - 1, (ys[i] + ys[i + 1]) / 2, l.acc2);
        }
        for (int i = 0; i < 7; ++i) {
            flower(f, xs[i], ys[i], i % 2 == 0 ? l.acc : white);
        }
    } else {
        const int xs[] = {22, 29, 37, 45, 52};
        const int ys[] = {29, 26, 25, 27, 31};
        for (int i = 0; i < 4; ++i) {
            leaf(f, (xs[i] + xs[i + 1]) / 2 - 1, (ys[i] + ys[i + 1]) / 2, l.acc2);
        }
        for (int i = 0; i < 5; ++i) {
            flower(f, xs[i], ys[i], i % 2 == 0 ? l.acc : white);
        }
    }
}

QPainterPath crescent(double cx, double cy, double r, double dx, double dy) {
    return ellipse(cx, cy, 2 * r, 2 * r).subtracted(ellipse(cx + dx, cy + dy, 2 * r, 2 * r));
}

void moonPin(Figure& f) {
    // Pinned over the character's left temple.
    QPointF at;
    switch (f.view) {
    case View::Front:
        at = {58, 36};
        break;
    case View::Back:
        at = {22, 36};
        break;
    default:
        if (f.nearRight) {
            return;
        }
        at = {30, 36};
        break;
    }
    f.paint(crescent(at.x(), at.y(), 4.5, 2.5, -1.5), f.look.acc, kAcc);
    f.highlight(box(at.x() - 3, at.y() - 1, 1, 2), f.look.acc, kAcc);
    f.paint(ellipse(at.x() + 3, at.y() + 4, 3, 3), f.look.acc, kAcc2);
}

void hairband(Figure& f) {
    const Look& l = f.look;
    QPointF bowAt;
    switch (f.view) {
    case View::Front:
    case View::Back: {
        const QPainterPath band = ellipse(kAxis, 46, 56, 46)
                                      .subtracted(ellipse(kAxis, 49, 56, 46))
                                      .intersected(box(0, 0, 80, 44));
        f.paint(band, l.acc, kAcc);
        f.highlight(box(30, 24, 20, 1), l.acc, kAcc);
        bowAt = f.view == View::Front ? QPointF(59, 30) : QPointF(21, 30);
        break;
    }
    default: {
        f.paint(polygon({{41, 21}, {45, 22}, {39, 50}, {35.5, 49}})
                    .intersected(ellipse(38, 46.5, 56, 48)),
                l.acc, kAcc);
        if (f.nearRight) {
            return;
        }
        bowAt = {42, 25};
        break;
    }
    }
    const QPainterPath wings = polygon({{bowAt.x() - 6, bowAt.y() - 4},
                                        {bowAt.x(), bowAt.y()},
                                        {bowAt.x() - 6, bowAt.y() + 4}})
                                   .united(polygon({{bowAt.x() + 6, bowAt.y() - 4},
                                                    {bowAt.x(), bowAt.y()},
                                                    {bowAt.x() + 6, bowAt.y() + 4}}));
    f.paint(wings, l.acc2, kAcc2);
    f.highlight(
        box(bowAt.x() - 5, bowAt.y() - 2, 1, 2).united(box(bowAt.x() + 4, bowAt.y() - 2, 1, 2)),
        l.acc2, kAcc2);
    f.paint(box(bowAt.x() - 1, bowAt.y() - 1, 3, 3), l.acc2, kAcc3);
}

void bandana(Figure& f, bool behind) {
    const Look& l = f.look;
    const Tone plaster = l.acc2;
    switch (f.view) {
    case View::Front:
        if (behind) {
            return;
        }
        f.paint(box(14, 36, 52, 5).intersected(ellipse(kAxis, 44, 54, 44)), l.acc, kAcc);
        f.highlight(box(16, 37, 48, 1), l.acc, kAcc);
        // Plaster on the character's left cheek.
        f.paint(box(51, 60, 7, 3), plaster, kAcc2);
        f.dot(53, 61, shade(plaster.base), kAcc2);
        f.dot(55, 61, shade(plaster.base), kAcc2);
        break;
    case View::Back:
        if (behind) {
            return;
        }
        f.paint(box(14, 36, 52, 5).intersected(ellipse(kAxis, 44, 54, 44)), l.acc, kAcc);
        f.paint(ellipse(kAxis, 39, 6, 6), l.acc, kAcc2);
        f.paint(polygon({{38, 40}, {41, 41}, {37, 56}, {33, 54}}), l.acc, kAcc3);
        f.paint(polygon({{42, 40}, {39, 41}, {44, 55}, {47, 52}}), l.acc, kAcc3);
        break;
    default: {
        const double flap = f.step == 0 ? 0 : (f.step == 1 ? -2 : 2);
        if (behind) {
            // Tails flutter behind the knot.
            f.paint(polygon({{14, 36}, {14, 41}, {3, 45 + flap}, {2, 40 + flap}}), l.acc, kAcc3);
            f.paint(polygon({{14, 38}, {14, 42}, {6, 52 - flap}, {4, 48 - flap}}), l.acc, kAcc3);
            return;
        }
        f.paint(box(10, 35, 56, 5).intersected(ellipse(38, 44, 52, 42).united(box(10, 35, 6, 5))),
                l.acc, kAcc);
        f.highlight(box(18, 36, 40, 1), l.acc, kAcc);
        f.paint(ellipse(13, 38, 6, 7), l.acc, kAcc2);
        if (!f.nearRight) {
            f.paint(box(49, 57, 6, 3), plaster, kAcc2);
            f.dot(51, 58, shade(plaster.base), kAcc2);
            f.dot(53, 58, shade(plaster.base), kAcc2);
        }
        break;
    }
    }
}

void maidCap(Figure& f) {
    const Look& l = f.look;
    const QRgb ribbon = 0xFF2C2A3C;
    if (f.side) {
        // Seen from the side: the band and its lace lie along the crown.
        const QPainterPath crown = ellipse(37.5, 46.5, 53, 48);
        QPainterPath cap =
            crown.subtracted(crown.translated(1.5, 3.5)).intersected(box(29, 0, 19, 40));
        for (double x = 31; x <= 46; x += 4) {
            const double t = (x - 37.5) / 26.5;
            cap = cap.united(ellipse(x, 47 - 24 * std::sqrt(1 - t * t) + 0.5, 5, 5));
        }
        f.paint(cap, l.acc, kAcc);
        f.line({QPointF(31, 25), QPointF(37, 24), QPointF(45, 25)}, ribbon, kAcc);
        return;
    }
    // A curved band over the crown with a scalloped lace edge.
    const QPainterPath arc = ellipse(kAxis, 47, 52, 46).subtracted(ellipse(kAxis, 51, 52, 46));
    QPainterPath cap = arc.intersected(box(0, 0, 80, 36));
    for (double x = 22; x <= 58; x += 4) {
        const double t = (x - kAxis) / 26;
        const double top = 47 - 23 * std::sqrt(1 - t * t);
        cap = cap.united(ellipse(x, top + 0.5, 5, 5));
    }
    f.paint(cap, l.acc, kAcc);
    QPolygonF line;
    for (double x = 23; x <= 57; x += 1) {
        const double t = (x - kAxis) / 26;
        line.append(QPointF(x, std::round(47 - 23 * std::sqrt(1 - t * t)) + 2));
    }
    f.line(line, ribbon, kAcc);
    f.highlight(box(30, 23, 6, 1), l.acc, kAcc);
}

void bigBow(Figure& f) {
    const Look& l = f.look;
    const double cx = f.side ? 30 : kAxis;
    const double cy = f.side ? 24 : 21;
    const double w = f.side ? 9 : 14;
    const QPainterPath loops =
        polygon({{cx, cy}, {cx - w, cy - 8}, {cx - w - 2, cy + 4}})
            .united(polygon({{cx, cy}, {cx + w, cy - 8}, {cx + w + 2, cy + 4}}));
    if (f.view == View::Back) {
        f.paint(polygon({{cx - 2, cy}, {cx + 1, cy}, {cx - 6, cy + 26}, {cx - 10, cy + 23}}), l.acc,
                kAcc3);
        f.paint(polygon({{cx + 2, cy}, {cx - 1, cy}, {cx + 6, cy + 26}, {cx + 10, cy + 23}}), l.acc,
                kAcc3);
    }
    f.paint(loops, l.acc, kAcc);
    f.highlight(
        polygon({{cx - w + 1, cy - 6}, {cx - w + 3, cy - 6}, {cx - w + 1, cy}})
            .united(polygon({{cx + w - 3, cy - 6}, {cx + w - 1, cy - 6}, {cx + w - 1, cy - 4}})),
        l.acc, kAcc);
    f.line({QPointF(cx - w + 2, cy + 1), QPointF(cx - 3, cy - 1)}, shade(l.acc.base), kAcc);
    f.line({QPointF(cx + w - 2, cy + 1), QPointF(cx + 3, cy - 1)}, shade(l.acc.base), kAcc);
    f.paint(ellipse(cx, cy, 6, 6), l.acc, kAcc2);
    f.highlight(box(cx - 1, cy - 2, 1, 1), l.acc, kAcc2);
}

QPainterPath earShape(double baseL, double baseR, double baseY, QPointF tip) {
    return polygon({{baseL, baseY}, tip, {baseR, baseY}});
}

void foxEars(Figure& f, bool behind) {
    const Look& l = f.look;
    const Tone fur = l.acc;
    const Tone inner = l.acc2;
    if (behind) {
        if (f.view == View::Front || f.view == View::Back) {
            const QPainterPath ear = earShape(13, 33, 34, {11, 4});
            f.paint(withMirror(ear), fur, kAcc);
            if (f.view == View::Front) {
                f.tint(withMirror(earShape(17, 28, 32, {15, 11})), inner.base, kAcc);
            }
            f.highlight(withMirror(box(13, 12, 1, 10)), fur, kAcc);
        } else {
            f.paint(earShape(30, 46, 32, {34, 3}), fur, kAcc);
            f.paint(earShape(18, 32, 34, {14, 6}), fur, kAcc2);
            f.tint(earShape(34, 43, 30, {35, 10}), inner.base, kAcc);
        }
    }
    // The tail: behind the body, except seen from the back.
    const QPainterPath tail = polygon({{42, 92},
                                       {52, 86},
                                       {64, 76},
                                       {70, 66},
                                       {74, 72},
                                       {73, 86},
                                       {66, 96},
                                       {54, 100},
                                       {44, 98}});
    const QPainterPath tip = ellipse(72, 68, 9, 9);
    const double sway = f.step == 0 ? 0 : (f.step == 1 ? -1 : 1);
    switch (f.view) {
    case View::Front:
        if (behind) {
            f.paint(tail.translated(0, sway), fur, kTail);
            f.tint(tip.translated(0, sway), 0xFFFFFAF0, kTail);
            f.highlight(box(60, 82 + sway, 6, 1), fur, kTail);
        }
        break;
    case View::Back:
        if (!behind) {
            const QPainterPath t = mirrored(tail).translated(6, -2 + sway);
            f.paint(t, fur, kTail);
            f.tint(mirrored(tip).translated(6, -2 + sway), 0xFFFFFAF0, kTail);
            f.highlight(box(20, 80 + sway, 6, 1), fur, kTail);
        }
        break;
    default:
        if (behind) {
            const QPainterPath t = polygon(
                {{36, 98}, {26, 99}, {14, 93}, {6, 83}, {4, 75}, {12, 77}, {22, 85}, {34, 92}});
            f.paint(t.translated(0, sway), fur, kTail);
            f.tint(ellipse(6, 77, 8, 8).translated(0, sway), 0xFFFFFAF0, kTail);
            f.highlight(box(14, 85 + sway, 8, 1), fur, kTail);
        }
        break;
    }
}

void feather(Figure& f) {
    const Look& l = f.look;
    QPointF tie;
    QPointF tipDir;
    switch (f.view) {
    case View::Front:
        tie = {62, 36};
        tipDir = {10, -18};
        break;
    case View::Back:
        tie = {18, 36};
        tipDir = {-10, -18};
        break;
    default:
        if (f.nearRight) {
            return;
        }
        tie = {24, 40};
        tipDir = {-12, -16};
        break;
    }
    const QPointF tip = tie + tipDir;
    f.paint(limb(tie + tipDir * 0.15, tip, 4.5), l.acc, kAcc2);
    f.tint(limb(tie + tipDir * 0.8, tip, 4.5), l.acc2.base, kAcc2);
    f.line({tie, tie + tipDir * 0.9}, shade(l.acc.base), kAcc2);
    f.paint(ellipse(tie.x(), tie.y(), 5, 5), l.acc2, kAcc3);
    f.highlight(box(tie.x() - 1, tie.y() - 1, 1, 1), l.acc2, kAcc3);
}

void beret(Figure& f) {
    const Look& l = f.look;
    // Worn tilted: the crown sits to one side and overhangs there.
    const double cx = f.side ? 36 : (f.view == View::Front ? 43 : 37);
    const double lean = f.view == View::Back ? -1 : 1;
    const QPainterPath crown = ellipse(cx, 27, 48, 14).united(ellipse(cx + lean * 6, 24, 34, 14));
    f.paint(crown, l.acc, kAcc);
    f.highlight(ellipse(cx + lean * 2 - 6, 21, 16, 3), l.acc, kAcc);
    f.line({QPointF(cx - 20, 31), QPointF(cx - 10, 33), QPointF(cx + 10, 33), QPointF(cx + 20, 31)},
           shade(l.acc.base), kAcc);
    f.paint(box(cx + lean * 6 - 1, 15, 2, 3), l.acc, kAcc2);
}

void cap(Figure& f) {
    const Look& l = f.look;
    const QPainterPath dome = ellipse(kAxis, 38, 52, 32).intersected(box(0, 0, 80, 38));
    switch (f.view) {
    case View::Front:
        // Worn backwards: the front shows the cap's back with its strap gap.
        f.paint(dome.united(box(14, 35, 52, 4)), l.acc, kAcc);
        f.highlight(ellipse(32, 27, 16, 6).intersected(dome), l.acc, kAcc);
        f.paint(ellipse(kAxis, 38, 10, 6).intersected(box(0, 0, 80, 38)), l.acc2, kAcc2);
        f.paint(box(38, 20, 4, 2), l.acc2, kAcc3);
        break;
    case View::Back:
        f.paint(dome.united(box(14, 35, 52, 4)), l.acc, kAcc);
        f.highlight(ellipse(32, 27, 16, 6).intersected(dome), l.acc, kAcc);
        f.paint(ellipse(kAxis, 39, 42, 10).intersected(box(0, 38, 80, 10)), l.acc, kAcc2);
        f.highlight(box(24, 39, 32, 1), l.acc, kAcc2);
        f.paint(box(38, 20, 4, 2), l.acc2, kAcc3);
        break;
    default: {
        const QPainterPath sideDome = ellipse(38, 38, 52, 32).intersected(box(0, 0, 80, 38));
        f.paint(sideDome.united(box(12, 35, 52, 4)), l.acc, kAcc);
        f.highlight(ellipse(32, 27, 16, 6).intersected(sideDome), l.acc, kAcc);
        f.paint(polygon({{14, 35}, {2, 37}, {2, 40}, {14, 39}}), l.acc, kAcc2);
        f.paint(box(36, 20, 4, 2), l.acc2, kAcc3);
        break;
    }
    }
}

void propeller(Figure& f) {
    const Look& l = f.look;
    const double cx = f.side ? 38 : kAxis;
    const QPainterPath dome = ellipse(cx, 38, 50, 30).intersected(box(0, 0, 80, 37));
    f.paint(dome, l.acc2, kAcc);
    // Segments in turn.
    f.tint(polygon({{cx - 5, 20}, {cx + 5, 20}, {cx + 9, 38}, {cx - 9, 38}}), l.acc.base, kAcc);
    f.tint(polygon({{cx - 14, 24}, {cx - 19, 26}, {cx - 26, 38}, {cx - 18, 38}}), 0xFF4A8AE6, kAcc);
    f.tint(polygon({{cx + 14, 24}, {cx + 19, 26}, {cx + 26, 38}, {cx + 18, 38}}), 0xFF4A8AE6, kAcc);
    f.highlight(box(cx - 12, 27, 1, 4), l.acc2, kAcc);
    f.paint(box(cx - 25, 34, 50, 4).intersected(ellipse(cx, 40, 54, 40)), l.acc, kAcc2);
    f.highlight(box(cx - 20, 35, 40, 1), l.acc, kAcc2);
    // The stick and its blades, caught at a different turn in each pose.
    f.paint(box(cx - 1, 14, 2, 8), 0xFF8A8A94, kAcc3);
    const Tone blade = {0xFF4A8AE6, 0xFF9AC4FF};
    switch (f.step) {
    case 0:
        f.paint(ellipse(cx - 7, 13, 13, 4).united(ellipse(cx + 7, 13, 13, 4)), blade, kAcc3 + 0);
        break;
    case 1:
        f.paint(ellipse(cx - 4, 13, 7, 4).united(ellipse(cx + 5, 13, 11, 4)), blade, kAcc3 + 0);
        break;
    default:
        f.paint(ellipse(cx - 5, 13, 11, 4).united(ellipse(cx + 4, 13, 7, 4)), blade, kAcc3 + 0);
        break;
    }
    f.paint(box(cx - 1, 12, 2, 2), l.acc2, kAcc2);
}

} // namespace

void drawAccessoryBehind(Figure& f) {
    f.upper();
    switch (f.look.accessory) {
    case Accessory::Bandana:
        bandana(f, true);
        break;
    case Accessory::FoxEars:
        foxEars(f, true);
        break;
    default:
        break;
    }
}

void drawAccessoryOver(Figure& f) {
    f.upper();
    switch (f.look.accessory) {
    case Accessory::MoonPin:
        moonPin(f);
        break;
    case Accessory::Hairband:
        hairband(f);
        break;
    case Accessory::Bandana:
        bandana(f, false);
        break;
    case Accessory::MaidCap:
        maidCap(f);
        break;
    case Accessory::BigBow:
        bigBow(f);
        break;
    case Accessory::FoxEars:
        foxEars(f, false);
        break;
    case Accessory::Feather:
        feather(f);
        break;
    case Accessory::Beret:
        beret(f);
        break;
    case Accessory::Antenna:
        break;
    case Accessory::Cap:
        cap(f);
        break;
    case Accessory::Propeller:
        propeller(f);
        break;
    case Accessory::FlowerCrown:
        flowerCrown(f);
        break;
    }
}
