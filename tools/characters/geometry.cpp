#include "geometry.h"

#include <QPainterPathStroker>
#include <QTransform>

QPainterPath limb(QPointF a, QPointF b, double w) {
    QPainterPath line(a);
    line.lineTo(b);
    QPainterPathStroker stroker;
    stroker.setWidth(w);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath p = stroker.createStroke(line);
    p.setFillRule(Qt::WindingFill);
    return p;
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
