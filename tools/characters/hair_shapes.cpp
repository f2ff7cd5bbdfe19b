#include "hair_shapes.h"

QPainterPath capFront() {
    return ellipse(kAxis, 46.5, 54, 48);
}
QPainterPath capSide() {
    return ellipse(37.5, 46.5, 53, 48).united(ellipse(32, 50, 42, 44));
}
QPainterPath capBack() {
    return ellipse(kAxis, 47, 54, 50);
}

QPainterPath below(std::initializer_list<QPointF> edge) {
    QPolygonF pts{QList<QPointF>(edge)};
    pts.append(QPointF(pts.last().x(), 100));
    pts.append(QPointF(pts.first().x(), 100));
    QPainterPath p;
    p.addPolygon(pts);
    p.closeSubpath();
    return p;
}

void shine(Figure& f, double cx, double cy, double w, int part) {
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

void paintHair(Figure& f, const QPainterPath& p, int part) {
    f.paint(p, f.look.hair, part);
}

QPainterPath backCurtain(double bottom) {
    return polygon(
        {{14, 48}, {66, 48}, {64, 66}, {53, 78}, {52, bottom}, {28, bottom}, {27, 78}, {16, 66}});
}

QPainterPath spikes(std::initializer_list<std::array<QPointF, 3>> tris) {
    QPainterPath p;
    for (const auto& t : tris) {
        p.addPolygon(QPolygonF({t[0], t[1], t[2]}));
        p.closeSubpath();
    }
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

QPainterPath nape() {
    return polygon({{12, 40}, {34, 40}, {33, 62}, {30, 69}, {22, 68}, {15, 62}, {12, 52}});
}
