#include "ui/shell_units.h"

#include "core/rounding.h"

namespace {
QFont mincho() {
    QFont f;
    f.setFamilies({QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"),
                   QStringLiteral("IPA明朝"), QStringLiteral("Noto Serif CJK JP")});
    return f;
}
} // namespace

QRect toPixels(const TwipsRect& r) {
    const auto px = [](int twips) { return roundHalfEven(double(twips) / kTwipsPerPixel); };
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

QFont minchoFontPoints(int points) {
    QFont f = mincho();
    f.setPointSize(points);
    return f;
}

QFont minchoFontPixels(int pixels) {
    QFont f = mincho();
    f.setPixelSize(pixels);
    return f;
}

int mouseButtonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers mods) {
    return (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
           (mods & Qt::AltModifier ? 4 : 0);
}
