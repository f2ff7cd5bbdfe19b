#include "figure_parts.h"

namespace {

constexpr Tone kWhite = {0xFFF7F5F0, 0xFFFFFFFF};

bool has(const Look& l, unsigned extra) {
    return (l.extras & extra) != 0;
}

// A five-pointed star of 5 x 5 pixels centred on (cx, cy).
void star(Figure& f, int cx, int cy, QRgb colour, int part) {
    static constexpr const char* kStar[5] = {"..X..", ".XXX.", "XXXXX", ".XXX.", ".X.X."};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            if (kStar[r][c] == 'X') {
                f.dot(cx - 2 + c, cy - 2 + r, colour, part);
            }
        }
    }
}

void bow(Figure& f, double cx, double cy, double w, const Tone& t, int part) {
    const QPainterPath wings =
        polygon({{cx - w, cy - 2.5}, {cx, cy}, {cx - w, cy + 2.5}})
            .united(polygon({{cx + w, cy - 2.5}, {cx, cy}, {cx + w, cy + 2.5}}));
    f.paint(wings, t, part);
    f.paint(box(cx - 1, cy - 1, 2, 2), t, part + 1);
    f.highlight(box(cx - w + 1, cy - 1, 1, 1).united(box(cx + w - 2, cy - 1, 1, 1)), t, part);
}

} // namespace

void hemFrill(Figure& f, double left, double right) {
    const double y = f.look.hem + 0.5;
    for (double x = left; x <= right + 0.1; x += 3) {
        f.paint(ellipse(x, y, 4, 4), kWhite, kExtra2);
    }
    f.paint(box(left, y - 1.5, right - left, 2), kWhite, kExtra2);
}

void drawOutfitDetailsFront(Figure& f) {
    const Look& l = f.look;
    const double hem = l.hem + 1;
    if (has(l, kHemFrill)) {
        hemFrill(f, 26, 54);
    }
    if (has(l, kVest) || has(l, kCardigan)) {
        const QPainterPath panel = polygon({{30.5, 72}, {36.5, 72}, {37.5, 89}, {29.5, 89}});
        f.paint(withMirror(panel), l.extra, kExtra);
        f.highlight(box(31, 74, 1, 12), l.extra, kExtra);
    }
    if (has(l, kApron)) {
        const double low = hem - 3;
        f.paint(polygon({{34, 78},
                         {46, 78},
                         {46, 86},
                         {49.5, 86},
                         {52, low},
                         {28, low},
                         {30.5, 86},
                         {34, 86}}),
                l.extra, kExtra);
        // Frilled hem and shoulder straps.
        for (double x = 29; x < 52; x += 3) {
            f.paint(ellipse(x + 0.5, low, 3, 3), l.extra, kExtra);
        }
        f.paint(withMirror(limb({34.5, 78}, {33, 72.5}, 2)), l.extra, kExtra);
        f.highlight(box(35, 79, 1, 6), l.extra, kExtra);
    }
    if (has(l, kStraps)) {
        f.paint(box(34, 78, 12, 10), l.extra, kExtra);
        f.paint(withMirror(limb({34.5, 79}, {33, 72}, 2)), l.extra, kExtra);
        f.highlight(box(35, 79, 2, 1), l.extra, kExtra);
        f.dot(35, 79, l.extra2.base, kExtra);
        f.dot(44, 79, l.extra2.base, kExtra);
        // A pocket.
        f.line({QPointF(37, 82), QPointF(37, 85), QPointF(42, 85), QPointF(42, 82)},
               shade(l.extra.base), kExtra);
    }
    if (has(l, kHood)) {
        f.paint(polygon({{31, 71}, {49, 71}, {46, 76}, {40, 78}, {34, 76}}), l.top, kExtra2);
        f.line({QPointF(37, 77), QPointF(37, 82)}, kWhite.base, kTorso);
        f.line({QPointF(42, 77), QPointF(42, 82)}, kWhite.base, kTorso);
    }
    if (has(l, kCollar)) {
        const QPainterPath wing = polygon({{33, 71}, {39.5, 73}, {39, 77}, {32.5, 75}});
        f.paint(withMirror(wing), kWhite, kExtra2);
    }
    if (has(l, kChestBow)) {
        bow(f, kAxis, 77, 5, l.extra2, kAcc2);
    }
    if (has(l, kButtons)) {
        for (int y = 79; y <= 87; y += 4) {
            f.dot(39, y, l.extra2.base, kTorso);
            f.dot(40, y, l.extra2.hi, kTorso);
        }
    }
    if (has(l, kBelt)) {
        f.paint(box(30, 84, 21, 2), l.extra2, kExtra2);
        f.paint(box(38, 83.5, 4, 3), l.extra2.hi, kAcc3);
    }
    if (has(l, kSash)) {
        f.paint(box(29.5, 83, 21, 3), l.extra2, kExtra2);
        f.highlight(box(31, 83, 18, 1), l.extra2, kExtra2);
    }
    if (has(l, kEmblem)) {
        star(f, 40, 80, l.extra2.base, 0);
    }
}

void drawOutfitDetailsBack(Figure& f) {
    const Look& l = f.look;
    if (has(l, kHemFrill)) {
        hemFrill(f, 26, 54);
    }
    if (has(l, kVest) || has(l, kCardigan)) {
        f.paint(polygon({{30.5, 72}, {49.5, 72}, {50.5, 89}, {29.5, 89}}), l.extra, kExtra);
        f.line({QPointF(40, 78), QPointF(40, 88)}, shade(l.extra.base), kExtra);
        f.highlight(box(31, 74, 1, 12), l.extra, kExtra);
    }
    if (has(l, kApron)) {
        f.paint(polygon({{33, 72}, {35, 72}, {46, 85}, {44, 85}}), l.extra, kExtra);
        f.paint(polygon({{45, 72}, {47, 72}, {36, 85}, {34, 85}}), l.extra, kExtra);
        f.paint(box(30, 84, 21, 2), l.extra, kExtra);
        bow(f, kAxis, 85, 6, l.extra, kAcc2);
        f.paint(polygon({{38, 86}, {40, 86}, {37, 93}, {35, 92}}), l.extra, kAcc2);
        f.paint(polygon({{42, 86}, {40, 86}, {43, 93}, {45, 92}}), l.extra, kAcc2);
    }
    if (has(l, kStraps)) {
        f.paint(polygon({{33, 72}, {35, 72}, {46, 86}, {44, 86}}), l.extra, kExtra);
        f.paint(polygon({{45, 72}, {47, 72}, {36, 86}, {34, 86}}), l.extra, kExtra);
    }
    if (has(l, kHood)) {
        f.paint(polygon({{31, 71}, {49, 71}, {48, 82}, {40, 86}, {32, 82}}), l.top, kExtra2);
        f.tint(polygon({{34, 73}, {46, 73}, {45, 80}, {40, 83}, {35, 80}}), shade(l.top.base),
               kExtra2);
    }
    if (has(l, kCollar)) {
        f.paint(box(32, 71, 16, 3), kWhite, kExtra2);
    }
    if (has(l, kBelt)) {
        f.paint(box(30, 84, 21, 2), l.extra2, kExtra2);
    }
    if (has(l, kSash)) {
        f.paint(box(29.5, 83, 21, 3), l.extra2, kExtra2);
        f.paint(polygon({{38, 86}, {40, 86}, {36, 96}, {33, 95}}), l.extra2, kAcc);
        f.paint(polygon({{42, 86}, {40, 86}, {44, 96}, {47, 95}}), l.extra2, kAcc);
        bow(f, kAxis, 84.5, 7, l.extra2, kAcc2);
    }
}

void drawOutfitDetailsSide(Figure& f) {
    const Look& l = f.look;
    const double hem = l.hem + 1;
    if (has(l, kHemFrill)) {
        hemFrill(f, 30, 51);
    }
    if (has(l, kVest) || has(l, kCardigan)) {
        f.paint(polygon({{34, 72}, {43, 72}, {44, 89}, {33, 89}}), l.extra, kExtra);
        f.highlight(box(35, 74, 1, 12), l.extra, kExtra);
    }
    if (has(l, kApron)) {
        f.paint(polygon({{44, 78}, {47, 78}, {47.5, 85}, {52, hem - 3}, {45, hem - 3}, {43, 85}}),
                l.extra, kExtra);
        f.paint(box(33, 84, 12, 2), l.extra, kExtra);
        f.paint(ellipse(31.5, 85, 5, 5), l.extra, kAcc2);
    }
    if (has(l, kStraps)) {
        f.paint(box(44, 78, 3.5, 10), l.extra, kExtra);
        f.paint(limb({43, 79}, {41, 72}, 2), l.extra, kExtra);
    }
    if (has(l, kHood)) {
        f.paint(polygon({{31, 70}, {39, 70}, {38, 82}, {32, 84}, {30, 78}}), l.top, kExtra2);
        f.tint(polygon({{32, 72}, {36, 72}, {35, 80}, {32, 81}}), shade(l.top.base), kExtra2);
    }
    if (has(l, kCollar)) {
        f.paint(polygon({{40, 71}, {46, 71}, {47, 74}, {42, 75}}), kWhite, kExtra2);
    }
    if (has(l, kChestBow)) {
        f.paint(polygon({{45, 74}, {48.5, 75}, {48.5, 80}, {45, 79}}), l.extra2, kAcc2);
    }
    if (has(l, kButtons)) {
        for (int y = 79; y <= 87; y += 4) {
            f.dot(45, y, l.extra2.base, kTorso);
        }
    }
    if (has(l, kBelt)) {
        f.paint(box(33, 84, 15, 2), l.extra2, kExtra2);
    }
    if (has(l, kSash)) {
        f.paint(box(33, 83, 15, 3), l.extra2, kExtra2);
        f.paint(polygon({{33, 85}, {31, 85}, {27, 95}, {30, 96}}), l.extra2, kAcc);
        f.paint(polygon({{29, 81}, {33, 84}, {29, 88}}), l.extra2, kAcc2);
    }
    if (has(l, kEmblem)) {
        f.dot(46, 79, l.extra2.base, 0);
        f.dot(46, 80, l.extra2.base, 0);
    }
}
