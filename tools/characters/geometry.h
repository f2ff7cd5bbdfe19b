#pragma once

#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

// Shape helpers in cell coordinates: pixel (x, y) covers [x, x+1) x [y, y+1),
// and a shape takes the pixels whose centres it contains.

// The axis of the front and back views: x and 80 - x mirror each other.
inline constexpr double kAxis = 40.0;

inline QPainterPath ellipse(double cx, double cy, double w, double h) {
    QPainterPath p;
    p.addEllipse(QRectF(cx - w / 2, cy - h / 2, w, h));
    return p;
}

// The pixels x .. x + w - 1, y .. y + h - 1.
inline QPainterPath box(double x, double y, double w, double h) {
    QPainterPath p;
    p.addRect(QRectF(x, y, w, h));
    return p;
}

inline QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(points)));
    p.closeSubpath();
    return p;
}

// A band of width `w` from `a` to `b` with rounded ends: arms and legs.
QPainterPath limb(QPointF a, QPointF b, double w);

// `p` mirrored about the view's axis.
QPainterPath mirrored(const QPainterPath& p);
// `p` and its mirror image together.
QPainterPath withMirror(const QPainterPath& p);
