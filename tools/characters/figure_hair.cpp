#include "hair_shapes.h"

namespace {

void drawStyle(Figure& f, HairLayer layer) {
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
    drawStyle(f, HairLayer::Behind);
}

void drawHairOver(Figure& f) {
    f.upper();
    drawStyle(f, HairLayer::Over);
}
