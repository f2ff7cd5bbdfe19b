#include "figure_parts.h"

#include <QColor>

#include <algorithm>

QRgb shade(QRgb c) {
    QColor q = QColor::fromRgb(c).toHsv();
    const float s = std::min(1.0f, q.hsvSaturationF() * 1.15f + 0.12f);
    const float v = q.valueF() * 0.62f;
    q.setHsvF(q.hsvHueF() < 0 ? 0 : q.hsvHueF(), s, v);
    return q.rgb();
}

Figure::Figure(const Look& l, View v, int s)
    : look(l), view(v), step(s), bob(s == 0 ? 0 : 1), side(v == View::Left || v == View::Right),
      nearRight(v == View::Right) {}

QImage drawBodyCell(const Look& look, View view, int step, QRgb background,
                    std::vector<QPoint>* holes) {
    Figure f(look, view, step);
    if (look.creature) {
        drawCreature(f);
    } else if (view == View::Front) {
        drawHairBehind(f);
        drawAccessoryBehind(f);
        drawBodyFront(f, false);
        drawHeadFront(f);
        drawHairOver(f);
        drawAccessoryOver(f);
    } else if (view == View::Back) {
        drawAccessoryBehind(f);
        drawBodyFront(f, true);
        drawHeadBack(f);
        drawHairOver(f);
        drawAccessoryOver(f);
    } else {
        drawHairBehind(f);
        drawAccessoryBehind(f);
        drawBodySide(f);
        drawHeadSide(f);
        drawHairOver(f);
        drawAccessoryOver(f);
    }
    if (view == View::Left) {
        f.canvas.mirror();
    }
    return f.render(background, holes);
}
