#include "figure_parts.h"

#include <array>
#include <vector>

namespace {

enum class Layer { Behind, Over };

// Hair caps: the hair's outline around the head in each view.
QPainterPath capFront() {
    return ellipse(kAxis, 46.5, 54, 48);
}
QPainterPath capSide() {
    return ellipse(37.5, 46.5, 53, 48).united(ellipse(32, 50, 42, 44));
}
QPainterPath capBack() {
    return ellipse(kAxis, 47, 54, 50);
}

// The region below the lower edge `edge` (left to right) down to row 100: the
// face window under the bangs.
QPainterPath below(std::initializer_list<QPointF> edge) {
    QPolygonF pts{QList<QPointF>(edge)};
    pts.append(QPointF(pts.last().x(), 100));
    pts.append(QPointF(pts.first().x(), 100));
    QPainterPath p;
    p.addPolygon(pts);
    p.closeSubpath();
    return p;
}

// The highlight arc across the crown.
void shine(Figure& f, double cx, double cy, double w, int part = kHair) {
    QPainterPath band = ellipse(cx, cy, w, 26).subtracted(ellipse(cx, cy + 2, w, 26));
    band = band.intersected(box(0, 0, 80, cy - 7));
    band = band.subtracted(box(cx - 13, 0, 2, 80)).subtracted(box(cx + 11, 0, 2, 80));
    f.highlight(band, f.look.hair, part);
}

void strands(Figure& f, std::initializer_list<QPolygonF> lines, int part) {
    for (const QPolygonF& l : lines) {
        f.line(l, shade(f.look.hair.base), part);
    }
}

// Segments of a curl or braid along `centres`, alternating parts so that each
// segment is set off from the next by a line.
void segments(Figure& f, const std::vector<QPointF>& centres, double w, double h, double shrink) {
    double sw = w;
    double sh = h;
    for (size_t i = 0; i < centres.size(); ++i) {
        f.paint(ellipse(centres[i].x(), centres[i].y(), sw, sh), f.look.hair,
                i % 2 == 0 ? kCurlA : kCurlB);
        f.highlight(box(centres[i].x() - sw / 2 + 1.5, centres[i].y() - sh / 2 + 1.5, 1, 2),
                    f.look.hair, i % 2 == 0 ? kCurlA : kCurlB);
        sw -= shrink;
        sh -= shrink * 0.5;
    }
}

// A ringlet hanging from `top`: turns that narrow to a point, each set off by
// a slanting line. `lean` +1 turns the slant one way, -1 the other.
void drill(Figure& f, QPointF top, int turns, double w, int lean) {
    QPainterPath shape;
    double tw = w;
    std::vector<std::pair<QPointF, double>> rings;
    for (int i = 0; i < turns; ++i) {
        const QPointF c(top.x() + ((i % 2 == 0) ? 0 : 0.5 * lean), top.y() + i * 6.5);
        shape = shape.united(ellipse(c.x(), c.y(), tw, 9));
        rings.emplace_back(c, tw);
        tw -= 1.1;
    }
    shape = shape.united(polygon({{top.x() - tw / 2, top.y() + turns * 6.5 - 5},
                                  {top.x() + tw / 2, top.y() + turns * 6.5 - 5},
                                  {top.x() + 0.5, top.y() + turns * 6.5 + 1}}));
    f.paint(shape, f.look.hair, kCurlA);
    const QRgb line = shade(f.look.hair.base);
    for (size_t i = 1; i < rings.size(); ++i) {
        const QPointF c = rings[i].first;
        const double hw = rings[i].second / 2 - 1;
        f.line({QPointF(c.x() - hw, c.y() - 3 + lean * 1.5),
                QPointF(c.x() + hw, c.y() - 3 - lean * 1.5)},
               line, kCurlA);
    }
    for (const auto& [c, rw] : rings) {
        f.highlight(box(c.x() - rw / 2 + 2, c.y() - 1, 1, 2), f.look.hair, kCurlA);
    }
}

void paintHair(Figure& f, const QPainterPath& p, int part = kHair) {
    f.paint(p, f.look.hair, part);
}

// Long hair seen from behind: as wide as the head at the nape, narrowing over
// the back so that the arms show beside it.
QPainterPath backCurtain(double bottom) {
    return polygon(
        {{14, 48}, {66, 48}, {64, 66}, {53, 78}, {52, bottom}, {28, bottom}, {27, 78}, {16, 66}});
}

// ---- Long soft waves --------------------------------------------------------

QPainterPath wavyCurtain(double left, double right, double top, double bottom) {
    QPainterPath p = box(left, top, right - left, bottom - top);
    for (double x = left + 3; x <= right - 2; x += 7) {
        p = p.united(ellipse(x, bottom, 8, 7));
    }
    for (double y = top + 8; y < bottom; y += 12) {
        p = p.united(ellipse(left, y, 5, 10)).united(ellipse(right, y, 5, 10));
    }
    return p;
}

void longWavy(Figure& f, Layer layer) {
    switch (f.view) {
    case View::Front:
        if (layer == Layer::Behind) {
            paintHair(f, ellipse(kAxis, 47, 56, 50).united(wavyCurtain(15, 65, 50, 94)),
                      kHairBehind);
            f.highlight(withMirror(polygon({{16, 64}, {18, 64}, {19, 88}, {17, 88}})), f.look.hair,
                        kHairBehind);
        } else {
            paintHair(f, capFront().subtracted(below({{18, 62},
                                                      {18, 50},
                                                      {20, 45},
                                                      {23, 50},
                                                      {27, 43},
                                                      {31, 49},
                                                      {35, 41},
                                                      {38, 46},
                                                      {40, 39},
                                                      {42, 46},
                                                      {45, 41},
                                                      {49, 49},
                                                      {53, 43},
                                                      {57, 50},
                                                      {60, 45},
                                                      {62, 50},
                                                      {62, 62}})));
            shine(f, kAxis, 40, 42);
            const QPainterPath lock = polygon({{14, 44},
                                               {21, 47},
                                               {22, 58},
                                               {20, 66},
                                               {21, 76},
                                               {17, 82},
                                               {14, 75},
                                               {15, 66},
                                               {13, 56}});
            // The locks flow into the hair behind without a parting line.
            paintHair(f, withMirror(lock), kHairBehind);
            strands(f, {{QPointF(17, 52), QPointF(18, 62), QPointF(17, 70)}}, kHairBehind);
            strands(f, {{QPointF(62, 52), QPointF(61, 62), QPointF(62, 70)}}, kHairBehind);
        }
        break;
    case View::Back:
        if (layer == Layer::Over) {
            QPainterPath hair = capBack().united(backCurtain(94));
            for (double x = 30.5; x <= 50; x += 6.5) {
                hair = hair.united(ellipse(x, 94, 8, 7));
            }
            hair = hair.united(ellipse(16, 62, 7, 14)).united(ellipse(64, 62, 7, 14));
            paintHair(f, hair);
            shine(f, kAxis, 40, 44);
            strands(f,
                    {{QPointF(30, 56), QPointF(29, 70), QPointF(31, 92)},
                     {QPointF(40, 50), QPointF(40, 94)},
                     {QPointF(50, 56), QPointF(51, 70), QPointF(49, 92)},
                     {QPointF(20, 56), QPointF(21, 70)},
                     {QPointF(60, 56), QPointF(59, 70)}},
                    kHair);
        }
        break;
    default:
        if (layer == Layer::Behind) {
            paintHair(f, wavyCurtain(13, 33, 46, 94), kHairBehind);
            strands(f, {{QPointF(22, 60), QPointF(21, 76), QPointF(22, 90)}}, kHairBehind);
        } else {
            paintHair(f, capSide().subtracted(below({{34, 62},
                                                     {34, 50},
                                                     {37, 45},
                                                     {41, 49},
                                                     {45, 42},
                                                     {49, 48},
                                                     {53, 42},
                                                     {57, 48},
                                                     {60, 43},
                                                     {63, 47},
                                                     {66, 44}})));
            shine(f, 37, 40, 42);
            paintHair(f,
                      polygon({{29, 44},
                               {36, 47},
                               {36, 60},
                               {34, 68},
                               {35, 76},
                               {31, 81},
                               {29, 74},
                               {30, 64},
                               {28, 55}}),
                      kHairLock);
        }
        break;
    }
}

// ---- Long straight, straight-cut bangs -----------------------------------------

void longStraight(Figure& f, Layer layer) {
    const QPainterPath curtain = box(14, 50, 52, 47);
    switch (f.view) {
    case View::Front:
        if (layer == Layer::Behind) {
            paintHair(f, ellipse(kAxis, 47, 56, 50).united(curtain), kHairBehind);
            strands(f, {{QPointF(18, 66), QPointF(18, 95)}, {QPointF(61, 66), QPointF(61, 95)}},
                    kHairBehind);
        } else {
            paintHair(f, capFront().subtracted(below({{20, 62},
                                                      {20, 46},
                                                      {30, 46},
                                                      {31, 44},
                                                      {32, 46},
                                                      {47, 46},
                                                      {48, 44},
                                                      {49, 46},
                                                      {60, 46},
                                                      {60, 62}})));
            shine(f, kAxis, 40, 42);
            // Side locks cut level with the chin.
            paintHair(f, withMirror(box(14, 44, 7, 29)), kHairLock);
            f.highlight(withMirror(box(15, 46, 1, 24)), f.look.hair, kHairLock);
        }
        break;
    case View::Back:
        if (layer == Layer::Over) {
            paintHair(f, capBack().united(backCurtain(96)));
            shine(f, kAxis, 40, 44);
            strands(f,
                    {{QPointF(22, 54), QPointF(22, 70)},
                     {QPointF(31, 54), QPointF(31, 95)},
                     {QPointF(40, 50), QPointF(40, 95)},
                     {QPointF(49, 54), QPointF(49, 95)},
                     {QPointF(58, 54), QPointF(58, 70)}},
                    kHair);
        }
        break;
    default:
        if (layer == Layer::Behind) {
            paintHair(f, box(12, 46, 22, 51), kHairBehind);
            strands(f, {{QPointF(20, 56), QPointF(20, 95)}}, kHairBehind);
        } else {
            paintHair(f, capSide().subtracted(
                             below({{35, 62}, {35, 46}, {54, 46}, {55, 44}, {56, 46}, {66, 46}})));
            shine(f, 37, 40, 42);
            paintHair(f, box(29, 44, 6, 28), kHairLock);
            f.highlight(box(30, 46, 1, 23), f.look.hair, kHairLock);
        }
        break;
    }
}

// ---- Chin-length bob, swept bangs -------------------------------------------------

QPainterPath bobShape(double cx) {
    return ellipse(cx, 46.5, 56, 48)
        .united(polygon({{cx - 28, 47},
                         {cx + 28, 47},
                         {cx + 27, 66},
                         {cx + 22, 71},
                         {cx - 22, 71},
                         {cx - 27, 66}}));
}

void bob(Figure& f, Layer layer) {
    if (layer == Layer::Behind) {
        return;
    }
    switch (f.view) {
    case View::Front:
        paintHair(f, bobShape(kAxis).subtracted(below({{20, 72},
                                                       {20, 50},
                                                       {26, 46},
                                                       {35, 44},
                                                       {44, 42},
                                                       {50, 40},
                                                       {53, 44},
                                                       {56, 42},
                                                       {59, 47},
                                                       {60, 50},
                                                       {60, 72}})));
        shine(f, kAxis, 40, 44);
        strands(f, {{QPointF(16, 52), QPointF(17, 68)}, {QPointF(63, 52), QPointF(62, 68)}}, kHair);
        break;
    case View::Back:
        paintHair(f, bobShape(kAxis));
        shine(f, kAxis, 40, 46);
        strands(f,
                {{QPointF(30, 56), QPointF(29, 69)},
                 {QPointF(40, 54), QPointF(40, 70)},
                 {QPointF(50, 56), QPointF(51, 69)}},
                kHair);
        break;
    default: {
        // Cut longer at the front than at the back.
        QPainterPath shape = capSide().united(
            polygon({{10, 47}, {40, 47}, {42, 73}, {36, 72}, {20, 67}, {12, 63}, {10, 58}}));
        QPainterPath window = below({{39, 66},
                                     {37, 56},
                                     {36, 50},
                                     {42, 46},
                                     {50, 44},
                                     {57, 42},
                                     {60, 45},
                                     {63, 43},
                                     {66, 47}});
        paintHair(f, shape.subtracted(window));
        shine(f, 37, 40, 44);
        strands(f, {{QPointF(20, 54), QPointF(22, 65)}, {QPointF(29, 54), QPointF(31, 68)}}, kHair);
        break;
    }
    }
}

// ---- Short wild spikes ---------------------------------------------------------

QPainterPath spikes(std::initializer_list<std::array<QPointF, 3>> tris) {
    QPainterPath p;
    for (const auto& t : tris) {
        p.addPolygon(QPolygonF({t[0], t[1], t[2]}));
        p.closeSubpath();
    }
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

// The back of the head down to the nape, for short hair seen from the side.
QPainterPath nape() {
    return polygon({{12, 40}, {34, 40}, {33, 62}, {30, 69}, {22, 68}, {15, 62}, {12, 52}});
}

void spiky(Figure& f, Layer layer) {
    if (layer == Layer::Behind) {
        return;
    }
    const QPainterPath crown = ellipse(kAxis, 44, 52, 42);
    switch (f.view) {
    case View::Front: {
        const QPainterPath top = spikes({{{{20, 32}, {11, 20}, {30, 27}}},
                                         {{{28, 27}, {27, 11}, {40, 25}}},
                                         {{{37, 25}, {46, 8}, {50, 26}}},
                                         {{{48, 26}, {63, 14}, {59, 33}}},
                                         {{{58, 32}, {71, 28}, {64, 42}}},
                                         {{{16, 38}, {7, 42}, {16, 48}}},
                                         {{{64, 46}, {72, 52}, {63, 54}}},
                                         {{{17, 48}, {9, 55}, {18, 55}}}});
        QPainterPath window = below({{18, 60},
                                     {18, 49},
                                     {21, 44},
                                     {24, 47},
                                     {28, 44},
                                     {32, 47},
                                     {36, 43},
                                     {40, 51},
                                     {44, 43},
                                     {48, 47},
                                     {52, 44},
                                     {56, 47},
                                     {59, 45},
                                     {62, 50},
                                     {62, 60}});
        window = window.united(box(8, 54, 12, 30)).united(box(60, 54, 12, 30));
        paintHair(f, crown.united(top).subtracted(window));
        shine(f, kAxis, 39, 40);
        break;
    }
    case View::Back: {
        const QPainterPath all = spikes({{{{20, 32}, {11, 20}, {30, 27}}},
                                         {{{28, 27}, {27, 11}, {40, 25}}},
                                         {{{37, 25}, {46, 8}, {50, 26}}},
                                         {{{48, 26}, {63, 14}, {59, 33}}},
                                         {{{58, 32}, {71, 28}, {64, 42}}},
                                         {{{16, 38}, {7, 42}, {16, 48}}},
                                         {{{64, 46}, {72, 52}, {63, 54}}},
                                         {{{17, 48}, {9, 55}, {18, 55}}},
                                         {{{24, 60}, {28, 69}, {33, 62}}},
                                         {{{33, 63}, {38, 71}, {43, 63}}},
                                         {{{43, 63}, {49, 69}, {53, 61}}}});
        paintHair(f, ellipse(kAxis, 46, 52, 38).united(all));
        shine(f, kAxis, 39, 42);
        break;
    }
    default: {
        const QPainterPath back = spikes({{{{24, 30}, {9, 24}, {18, 40}}},
                                          {{{16, 38}, {3, 42}, {15, 50}}},
                                          {{{14, 48}, {5, 60}, {19, 58}}},
                                          {{{28, 27}, {27, 10}, {40, 25}}},
                                          {{{38, 25}, {50, 10}, {52, 29}}},
                                          {{{52, 30}, {65, 24}, {60, 38}}}});
        QPainterPath window = below({{31, 66},
                                     {31, 54},
                                     {34, 52},
                                     {36, 48},
                                     {40, 47},
                                     {44, 44},
                                     {47, 47},
                                     {52, 43},
                                     {56, 50},
                                     {60, 42},
                                     {64, 48},
                                     {66, 48}});
        paintHair(f, ellipse(38, 44, 52, 42).united(nape()).united(back).subtracted(window));
        shine(f, 37, 39, 40);
        break;
    }
    }
}

// ---- Neat parted hair with a bun --------------------------------------------------

void bun(Figure& f, Layer layer) {
    switch (f.view) {
    case View::Front:
        if (layer == Layer::Behind) {
            paintHair(f, ellipse(kAxis, 24, 20, 14), kHairBehind);
        } else {
            QPainterPath window = below({{19, 58},
                                         {19, 48},
                                         {22, 42},
                                         {27, 37},
                                         {30, 42},
                                         {38, 45},
                                         {46, 46},
                                         {54, 47},
                                         {59, 50},
                                         {61, 56},
                                         {61, 58}});
            window = window.united(box(8, 55, 12, 30)).united(box(60, 55, 12, 30));
            paintHair(f, capFront().subtracted(window));
            shine(f, kAxis, 40, 44);
            strands(f,
                    {{QPointF(27, 38), QPointF(22, 44), QPointF(20, 52)},
                     {QPointF(28, 38), QPointF(40, 42), QPointF(56, 44)}},
                    kHair);
        }
        break;
    case View::Back:
        if (layer == Layer::Over) {
            paintHair(f, capBack()
                             .united(box(16, 47, 48, 18))
                             .subtracted(polygon(
                                 {{14, 62}, {30, 68}, {50, 68}, {66, 62}, {66, 90}, {14, 90}})));
            strands(f, {{QPointF(26, 60), QPointF(36, 46)}, {QPointF(54, 60), QPointF(44, 46)}},
                    kHair);
            paintHair(f, ellipse(kAxis, 42, 20, 18), kHairLock);
            f.highlight(box(35, 36, 4, 1).united(box(34, 37, 2, 2)), f.look.hair, kHairLock);
            strands(f, {{QPointF(35, 44), QPointF(38, 47), QPointF(43, 47)}}, kHairLock);
            shine(f, kAxis, 40, 46);
        }
        break;
    default:
        if (layer == Layer::Over) {
            QPainterPath window = below(
                {{31, 66}, {31, 55}, {34, 50}, {40, 46}, {50, 45}, {58, 45}, {64, 46}, {66, 47}});
            paintHair(f, capSide().subtracted(window));
            shine(f, 38, 40, 44);
            strands(f, {{QPointF(34, 49), QPointF(26, 44), QPointF(18, 42)}}, kHair);
            paintHair(f, ellipse(14, 40, 16, 16), kHairLock);
            f.highlight(box(10, 35, 3, 1).united(box(9, 36, 1, 2)), f.look.hair, kHairLock);
        }
        break;
    }
}

// ---- Long ringlets -----------------------------------------------------------------

void ringlets(Figure& f, Layer layer) {
    const QPainterPath backHair = box(15, 50, 50, 28).united(ellipse(kAxis, 78, 50, 8));
    switch (f.view) {
    case View::Front:
        if (layer == Layer::Behind) {
            paintHair(f, ellipse(kAxis, 47, 56, 50).united(backHair), kHairBehind);
        } else {
            paintHair(f, capFront().subtracted(below({{19, 60},
                                                      {19, 48},
                                                      {22, 44},
                                                      {26, 48},
                                                      {30, 42},
                                                      {35, 46},
                                                      {40, 40},
                                                      {45, 46},
                                                      {50, 42},
                                                      {54, 48},
                                                      {58, 44},
                                                      {61, 48},
                                                      {61, 60}})));
            shine(f, kAxis, 40, 42);
            drill(f, {14, 50}, 7, 11, 1);
            drill(f, {66, 50}, 7, 11, -1);
        }
        break;
    case View::Back:
        if (layer == Layer::Over) {
            paintHair(f, capBack().united(backHair));
            shine(f, kAxis, 40, 44);
            strands(f,
                    {{QPointF(30, 58), QPointF(30, 78)},
                     {QPointF(40, 56), QPointF(40, 80)},
                     {QPointF(50, 58), QPointF(50, 78)}},
                    kHair);
            drill(f, {14, 50}, 7, 11, 1);
            drill(f, {66, 50}, 7, 11, -1);
        }
        break;
    default:
        if (layer == Layer::Behind) {
            paintHair(f, box(12, 46, 22, 32).united(ellipse(23, 78, 22, 8)), kHairBehind);
        } else {
            paintHair(f, capSide().subtracted(below({{34, 62},
                                                     {34, 48},
                                                     {38, 44},
                                                     {42, 48},
                                                     {47, 42},
                                                     {52, 47},
                                                     {57, 42},
                                                     {61, 47},
                                                     {66, 45}})));
            shine(f, 37, 40, 42);
            drill(f, {30, 50}, 7, 10, 1);
        }
        break;
    }
}

// ---- Short fluffy hair -------------------------------------------------------------

QPainterPath fluff(double cx, bool sideView) {
    QPainterPath p = ellipse(cx, 45.5, 52, 46);
    const double d = cx - kAxis;
    for (const QPointF c : {QPointF(16, 55), QPointF(64, 55), QPointF(14.5, 45), QPointF(65.5, 45),
                            QPointF(24, 28.5), QPointF(40, 24.5), QPointF(56, 28.5)}) {
        if (sideView && c.x() > 60) {
            continue; // the face side has no tufts
        }
        p = p.united(ellipse(c.x() + d, c.y(), 10, 9));
    }
    return p;
}

void fluffy(Figure& f, Layer layer) {
    if (layer == Layer::Behind) {
        return;
    }
    switch (f.view) {
    case View::Front:
        paintHair(f, fluff(kAxis, false)
                         .subtracted(below({{19, 62},
                                            {19, 50},
                                            {22, 46},
                                            {25, 47},
                                            {29, 44},
                                            {33, 47},
                                            {37, 43},
                                            {41, 49},
                                            {45, 43},
                                            {48, 47},
                                            {53, 44},
                                            {56, 47},
                                            {60, 46},
                                            {61, 62}})));
        shine(f, kAxis, 41, 44);
        break;
    case View::Back:
        paintHair(f, fluff(kAxis, false).united(ellipse(kAxis, 58, 44, 22)));
        shine(f, kAxis, 41, 46);
        strands(f, {{QPointF(32, 60), QPointF(34, 66)}, {QPointF(48, 60), QPointF(46, 66)}}, kHair);
        break;
    default:
        paintHair(f, fluff(38, true)
                         .united(ellipse(22, 58, 22, 22))
                         .subtracted(below({{34, 64},
                                            {34, 50},
                                            {38, 46},
                                            {41, 47},
                                            {46, 44},
                                            {49, 47},
                                            {54, 44},
                                            {58, 50},
                                            {61, 45},
                                            {66, 48}})));
        shine(f, 37, 41, 44);
        break;
    }
}

// ---- Side ponytail -------------------------------------------------------------------

// The tail hanging from the screen-right side of the head in the front view.
QPainterPath ponyTail() {
    return polygon({{58, 34},
                    {66, 33},
                    {72, 42},
                    {73, 58},
                    {71, 72},
                    {72, 86},
                    {67, 97},
                    {65, 86},
                    {63, 72},
                    {62, 54}});
}

void sidePony(Figure& f, Layer layer) {
    // The tail hangs on the character's left side.
    switch (f.view) {
    case View::Front:
        if (layer == Layer::Behind) {
            paintHair(f, ponyTail(), kHairBehind);
            f.highlight(polygon({{66, 38}, {68, 40}, {69, 56}, {67, 56}}), f.look.hair,
                        kHairBehind);
            strands(f, {{QPointF(67, 60), QPointF(67, 90)}}, kHairBehind);
        } else {
            paintHair(f, capFront().subtracted(below({{18, 66},
                                                      {18, 52},
                                                      {21, 47},
                                                      {25, 47},
                                                      {30, 46},
                                                      {34, 49},
                                                      {38, 43},
                                                      {42, 46},
                                                      {47, 40},
                                                      {51, 43},
                                                      {55, 39},
                                                      {58, 43},
                                                      {61, 48},
                                                      {62, 66}})));
            shine(f, kAxis, 40, 44);
            paintHair(
                f, polygon({{14, 44}, {21, 48}, {22, 62}, {20, 76}, {17, 80}, {15, 70}, {13, 56}}),
                kHairLock);
        }
        break;
    case View::Back:
        if (layer == Layer::Over) {
            paintHair(f, capBack().united(box(18, 50, 44, 16)));
            shine(f, kAxis, 40, 46);
            paintHair(f, mirrored(ponyTail()), kHairLock);
            strands(f, {{QPointF(13, 60), QPointF(13, 90)}}, kHairLock);
            strands(f, {{QPointF(30, 52), QPointF(30, 64)}, {QPointF(50, 52), QPointF(50, 64)}},
                    kHair);
        }
        break;
    default: {
        const QPainterPath tail = polygon({{18, 40},
                                           {28, 40},
                                           {30, 56},
                                           {27, 72},
                                           {28, 86},
                                           {22, 97},
                                           {20, 86},
                                           {19, 72},
                                           {16, 56}});
        const bool tailNear = !f.nearRight;
        if (layer == Layer::Behind && !tailNear) {
            paintHair(f, tail.translated(-6, 4), kHairBehind);
        }
        if (layer == Layer::Over) {
            paintHair(f, capSide()
                             .united(box(14, 46, 22, 20))
                             .subtracted(below({{34, 66},
                                                {34, 52},
                                                {38, 48},
                                                {42, 50},
                                                {47, 42},
                                                {51, 46},
                                                {56, 40},
                                                {60, 44},
                                                {66, 42}})));
            shine(f, 37, 40, 44);
            if (tailNear) {
                paintHair(f, tail, kHairLock);
                f.highlight(polygon({{22, 42}, {24, 42}, {25, 56}, {23, 56}}), f.look.hair,
                            kHairLock);
            }
        }
        break;
    }
    }
}

// ---- One braid over the shoulder ---------------------------------------------------

const std::vector<QPointF> kBraidFront = {{19, 66}, {21, 71}, {21, 76},
                                          {23, 81}, {22, 86}, {24, 91}};

void braid(Figure& f, Layer layer) {
    // The braid lies over the character's right shoulder.
    switch (f.view) {
    case View::Front:
        if (layer == Layer::Behind) {
            // Hair gathered at the nape into the braid.
            paintHair(f, polygon({{14, 50}, {30, 60}, {33, 70}, {28, 77}, {19, 74}, {14, 64}}),
                      kHairBehind);
        } else {
            paintHair(f, capFront().subtracted(below({{19, 60},
                                                      {19, 48},
                                                      {23, 44},
                                                      {30, 46},
                                                      {38, 45},
                                                      {45, 41},
                                                      {48, 38},
                                                      {51, 42},
                                                      {56, 46},
                                                      {60, 50},
                                                      {61, 60}})));
            shine(f, kAxis, 40, 44);
            strands(f, {{QPointF(48, 38), QPointF(40, 43), QPointF(24, 46)}}, kHair);
            paintHair(f, polygon({{13, 50}, {21, 50}, {22, 64}, {15, 66}}), kHairLock);
            segments(f, kBraidFront, 8, 7, 0.4);
            f.paint(box(21, 94, 5, 2), f.look.acc, kAcc3);
            f.paint(polygon({{21, 96}, {26, 96}, {27, 100}, {23.5, 102}, {20, 100}}), f.look.hair,
                    kCurlA);
        }
        break;
    case View::Back:
        if (layer == Layer::Over) {
            paintHair(f, capBack().united(polygon(
                             {{18, 50}, {62, 50}, {62, 64}, {52, 68}, {28, 66}, {18, 60}})));
            shine(f, kAxis, 40, 46);
            strands(f,
                    {{QPointF(26, 56), QPointF(40, 62), QPointF(54, 64)},
                     {QPointF(32, 50), QPointF(44, 58), QPointF(56, 60)}},
                    kHair);
            segments(f, {{58, 65}, {61, 70}, {63, 75}}, 8, 7, 0.4);
        }
        break;
    default: {
        const bool braidNear = f.nearRight;
        if (layer == Layer::Over) {
            paintHair(f, capSide()
                             .united(box(14, 46, 20, 20))
                             .subtracted(below({{34, 62},
                                                {34, 50},
                                                {38, 46},
                                                {44, 47},
                                                {50, 45},
                                                {56, 42},
                                                {60, 45},
                                                {66, 44}})));
            shine(f, 37, 40, 44);
            if (braidNear) {
                segments(f, {{33, 64}, {36, 69}, {38, 74}, {41, 79}, {42, 84}, {44, 89}}, 8, 7,
                         0.4);
                f.paint(box(42, 92, 5, 2), f.look.acc, kAcc3);
                f.paint(polygon({{42, 94}, {47, 94}, {48, 98}, {44.5, 100}, {41, 98}}), f.look.hair,
                        kCurlA);
            }
        }
        break;
    }
    }
}

// ---- Tousled medium hair ----------------------------------------------------------

void messy(Figure& f, Layer layer) {
    if (layer == Layer::Behind) {
        return;
    }
    switch (f.view) {
    case View::Front: {
        const QPainterPath tufts = spikes({{{{15, 44}, {7, 50}, {16, 54}}},
                                           {{{16, 54}, {10, 62}, {19, 60}}},
                                           {{{65, 44}, {73, 50}, {64, 54}}},
                                           {{{64, 54}, {70, 62}, {61, 60}}}});
        QPainterPath window = below({{18, 58},
                                     {18, 50},
                                     {22, 47},
                                     {25, 47},
                                     {29, 46},
                                     {33, 47},
                                     {36, 45},
                                     {41, 51},
                                     {45, 44},
                                     {48, 47},
                                     {53, 46},
                                     {56, 47},
                                     {59, 47},
                                     {62, 58}});
        window = window.united(box(8, 57, 11, 30)).united(box(61, 57, 11, 30));
        paintHair(f, capFront().united(tufts).subtracted(window));
        shine(f, kAxis, 40, 44);
        break;
    }
    case View::Back: {
        const QPainterPath tufts = spikes({{{{15, 44}, {7, 50}, {16, 54}}},
                                           {{{16, 54}, {10, 62}, {19, 60}}},
                                           {{{65, 44}, {73, 50}, {64, 54}}},
                                           {{{64, 54}, {70, 62}, {61, 60}}},
                                           {{{26, 60}, {30, 70}, {35, 62}}},
                                           {{{35, 62}, {40, 71}, {45, 62}}},
                                           {{{45, 62}, {50, 70}, {54, 60}}}});
        paintHair(f, capBack().united(tufts).united(box(20, 50, 40, 12)));
        shine(f, kAxis, 40, 46);
        break;
    }
    default: {
        const QPainterPath tufts = spikes({{{{16, 42}, {6, 46}, {14, 52}}},
                                           {{{14, 52}, {7, 60}, {18, 60}}},
                                           {{{18, 60}, {14, 68}, {25, 64}}}});
        QPainterPath window = below({{31, 66},
                                     {31, 56},
                                     {34, 53},
                                     {36, 48},
                                     {40, 47},
                                     {44, 45},
                                     {48, 47},
                                     {52, 44},
                                     {56, 50},
                                     {60, 44},
                                     {63, 48},
                                     {66, 47}});
        paintHair(f, capSide().united(tufts).subtracted(window));
        shine(f, 37, 40, 44);
        break;
    }
    }
}

// ---- Short tufty kid hair ---------------------------------------------------------

void kidShort(Figure& f, Layer layer) {
    if (layer == Layer::Behind) {
        return;
    }
    switch (f.view) {
    case View::Front: {
        QPainterPath window = below({{18, 56},
                                     {18, 48},
                                     {23, 44},
                                     {27, 47},
                                     {32, 43},
                                     {37, 51},
                                     {41, 42},
                                     {46, 47},
                                     {50, 43},
                                     {55, 47},
                                     {58, 45},
                                     {62, 48},
                                     {62, 56}});
        window = window.united(box(8, 54, 12, 30)).united(box(60, 54, 12, 30));
        // Tufts stick out over the ears.
        const QPainterPath tufts = spikes({{{{15, 40}, {8, 46}, {15, 48}}},
                                           {{{15, 47}, {10, 54}, {18, 53}}},
                                           {{{65, 40}, {72, 46}, {65, 48}}},
                                           {{{65, 47}, {70, 54}, {62, 53}}}});
        paintHair(f, capFront().united(tufts).subtracted(window));
        shine(f, kAxis, 40, 42);
        break;
    }
    case View::Back: {
        const QPainterPath tufts = spikes({{{{15, 40}, {8, 46}, {15, 48}}},
                                           {{{15, 47}, {10, 54}, {18, 53}}},
                                           {{{65, 40}, {72, 46}, {65, 48}}},
                                           {{{65, 47}, {70, 54}, {62, 53}}},
                                           {{{27, 58}, {31, 67}, {35, 60}}},
                                           {{{35, 61}, {40, 69}, {45, 61}}},
                                           {{{45, 60}, {49, 67}, {53, 58}}}});
        paintHair(f, capBack()
                         .united(box(20, 50, 40, 10))
                         .subtracted(
                             polygon({{14, 58}, {30, 64}, {50, 64}, {66, 58}, {66, 90}, {14, 90}}))
                         .united(tufts));
        shine(f, kAxis, 40, 46);
        strands(f, {{QPointF(32, 48), QPointF(31, 58)}, {QPointF(48, 48), QPointF(49, 58)}}, kHair);
        break;
    }
    default: {
        QPainterPath window = below({{31, 66},
                                     {31, 54},
                                     {34, 52},
                                     {36, 48},
                                     {40, 47},
                                     {44, 44},
                                     {48, 47},
                                     {53, 43},
                                     {58, 50},
                                     {62, 44},
                                     {66, 47}});
        paintHair(f,
                  capSide().subtracted(window).united(spikes({{{{14, 40}, {5, 44}, {13, 50}}},
                                                              {{{13, 50}, {6, 57}, {16, 58}}},
                                                              {{{17, 60}, {14, 68}, {24, 65}}}})));
        shine(f, 37, 40, 42);
        break;
    }
    }
}

void drawStyle(Figure& f, Layer layer) {
    switch (f.look.hairStyle) {
    case HairStyle::LongStraight:
        longStraight(f, layer);
        break;
    case HairStyle::Bob:
        bob(f, layer);
        break;
    case HairStyle::Spiky:
        spiky(f, layer);
        break;
    case HairStyle::Bun:
        bun(f, layer);
        break;
    case HairStyle::Ringlets:
        ringlets(f, layer);
        break;
    case HairStyle::Fluffy:
        fluffy(f, layer);
        break;
    case HairStyle::SidePony:
        sidePony(f, layer);
        break;
    case HairStyle::Braid:
        braid(f, layer);
        break;
    case HairStyle::Messy:
        messy(f, layer);
        break;
    case HairStyle::KidShort:
        kidShort(f, layer);
        break;
    case HairStyle::LongWavy:
        longWavy(f, layer);
        break;
    }
}

} // namespace

void drawHairBehind(Figure& f) {
    f.upper();
    drawStyle(f, Layer::Behind);
}

void drawHairOver(Figure& f) {
    f.upper();
    drawStyle(f, Layer::Over);
}
