// Short hair styles: bob, spikes, bun, fluff, tousled, kid's tufts.
#include "hair_shapes.h"

// Chin-length bob, swept bangs

namespace {

QPainterPath bobShape(double cx) {
    return ellipse(cx, 46.5, 56, 48)
        .united(polygon({{cx - 28, 47},
                         {cx + 28, 47},
                         {cx + 27, 66},
                         {cx + 22, 71},
                         {cx - 22, 71},
                         {cx - 27, 66}}));
}

} // namespace

void bob(Figure& f, HairLayer layer) {
    if (layer == HairLayer::Behind) {
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

// Short wild spikes

void spiky(Figure& f, HairLayer layer) {
    if (layer == HairLayer::Behind) {
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

// Neat parted hair with a bun

void bun(Figure& f, HairLayer layer) {
    switch (f.view) {
    case View::Front:
        if (layer == HairLayer::Behind) {
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
        if (layer == HairLayer::Over) {
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
        if (layer == HairLayer::Over) {
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

// Short fluffy hair

namespace {

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

} // namespace

void fluffy(Figure& f, HairLayer layer) {
    if (layer == HairLayer::Behind) {
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

// Tousled medium hair

void messy(Figure& f, HairLayer layer) {
    if (layer == HairLayer::Behind) {
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

// Short tufty kid hair

void kidShort(Figure& f, HairLayer layer) {
    if (layer == HairLayer::Behind) {
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
