#include "geometry.h"

#include <QTransform>

#include <cmath>

QPainterPath limb(QPointF a, QPointF b, double w) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    QPainterPath p;
    if (len > 0) {
        const QPointF n(-d.y() / len * w / 2, d.x() / len * w / 2);
        p.addPolygon(QPolygonF({a + n, b + n, b - n, a - n}));
        p.closeSubpath();
    }
    p.addEllipse(a, w / 2, w / 2);
    p.addEllipse(b, w / 2, w / 2);
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

QPainterPath mirrored(const QPainterPath& p) {
    QTransform t;
    t.translate(2 * kAxis, 0);
    t.scale(-1, 1);
    return t.map(p);
}

QPainterPath withMirror(const QPainterPath& p) {
    return p.united(mirrored(p));
}
