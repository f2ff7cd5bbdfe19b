// Long hair styles: waves, straight hime cut, ringlets, side ponytail, braid.
#include "hair_shapes.h"

// Long soft waves

namespace {

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

} // namespace

void longWavy(Figure& f, HairLayer layer) {
    switch (f.view) {
    case View::Front:
        if (layer == HairLayer::Behind) {
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
        if (layer == HairLayer::Over) {
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
        if (layer == HairLayer::Behind) {
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

// Long straight, straight-cut bangs

void longStraight(Figure& f, HairLayer layer) {
    const QPainterPath curtain = box(14, 50, 52, 47);
    switch (f.view) {
    case View::Front:
        if (layer == HairLayer::Behind) {
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
        if (layer == HairLayer::Over) {
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
        if (layer == HairLayer::Behind) {
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

// Long ringlets

void ringlets(Figure& f, HairLayer layer) {
    const QPainterPath backHair = box(15, 50, 50, 28).united(ellipse(kAxis, 78, 50, 8));
    switch (f.view) {
    case View::Front:
        if (layer == HairLayer::Behind) {
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
        if (layer == HairLayer::Over) {
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
        if (layer == HairLayer::Behind) {
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

// Side ponytail

// The tail hanging from the screen-right side of the head in the front view.
namespace {

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

} // namespace

void sidePony(Figure& f, HairLayer layer) {
    // The tail hangs on the character's left side.
    switch (f.view) {
    case View::Front:
        if (layer == HairLayer::Behind) {
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
        if (layer == HairLayer::Over) {
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
        if (layer == HairLayer::Behind && !tailNear) {
            paintHair(f, tail.translated(-6, 4), kHairBehind);
        }
        if (layer == HairLayer::Over) {
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

// One braid over the shoulder

namespace {

const std::vector<QPointF> kBraidFront = {{19, 66}, {21, 71}, {21, 76},
                                          {23, 81}, {22, 86}, {24, 91}};

} // namespace

void braid(Figure& f, HairLayer layer) {
    // The braid lies over the character's right shoulder.
    switch (f.view) {
    case View::Front:
        if (layer == HairLayer::Behind) {
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
        if (layer == HairLayer::Over) {
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
        if (layer == HairLayer::Over) {
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
