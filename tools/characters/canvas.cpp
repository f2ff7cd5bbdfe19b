#include "canvas.h"

#include <QPainter>

#include <deque>

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width * height)) {}

QImage Canvas::coverage(const Draw& draw) const {
    QImage mask(width_, height_, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(offset_);
    draw(p);
    p.end();
    return mask;
}

void Canvas::apply(const QImage& mask, const std::function<void(Pixel&)>& change) {
    for (int y = 0; y < height_; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < width_; ++x) {
            if (qAlpha(row[x]) != 0) {
                change(at(x, y));
            }
        }
    }
}

void Canvas::paint(const QPainterPath& path, const Ink& ink) {
    const QImage mask = coverage([&](QPainter& p) { p.fillPath(path, Qt::white); });
    const int layer = ++layer_;
    apply(mask, [&](Pixel& px) { px = {ink.fill, ink.line, ink.part, layer}; });
}

void Canvas::tint(const QPainterPath& path, QRgb colour, int part) {
    const QImage mask = coverage([&](QPainter& p) { p.fillPath(path, Qt::white); });
    apply(mask, [&](Pixel& px) {
        if (px.part != 0 && (part == 0 || px.part == part)) {
            px.fill = colour;
        }
    });
}

namespace {
void drawThin(QPainter& p, const QPolygonF& points) {
    p.setPen(QPen(Qt::white, 0));
    // Pixel centres sit at +0.5; a cosmetic pen covers the pixels it passes.
    QPolygonF centred = points.translated(0.5, 0.5);
    if (centred.size() == 1) {
        p.drawPoint(centred.first());
    } else {
        p.drawPolyline(centred);
    }
}
} // namespace

void Canvas::paintLine(const QPolygonF& points, const Ink& ink) {
    const QImage mask = coverage([&](QPainter& p) { drawThin(p, points); });
    const int layer = ++layer_;
    apply(mask, [&](Pixel& px) { px = {ink.fill, ink.line, ink.part, layer}; });
}

void Canvas::tintLine(const QPolygonF& points, QRgb colour, int part) {
    const QImage mask = coverage([&](QPainter& p) { drawThin(p, points); });
    apply(mask, [&](Pixel& px) {
        if (px.part != 0 && (part == 0 || px.part == part)) {
            px.fill = colour;
        }
    });
}

void Canvas::paintPixel(int x, int y, const Ink& ink) {
    paintLine(QPolygonF{QPointF(x, y)}, ink);
}

void Canvas::tintPixel(int x, int y, QRgb colour, int part) {
    tintLine(QPolygonF{QPointF(x, y)}, colour, part);
}

void Canvas::erase(const QPainterPath& path) {
    const QImage mask = coverage([&](QPainter& p) { p.fillPath(path, Qt::white); });
    apply(mask, [](Pixel& px) { px = {}; });
}

void Canvas::mirror() {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_ / 2; ++x) {
            std::swap(at(x, y), at(width_ - 1 - x, y));
        }
    }
}

bool Canvas::isFigure(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_ && at(x, y).part != 0;
}

int Canvas::partAt(int x, int y) const {
    return isFigure(x, y) ? at(x, y).part : 0;
}

QImage Canvas::render(QRgb background, QRgb outline, std::vector<QPoint>* holes) const {
    QImage out(width_, height_, QImage::Format_RGB32);
    out.fill(background);
    constexpr int dx[4] = {1, -1, 0, 0};
    constexpr int dy[4] = {0, 0, 1, -1};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Pixel& px = at(x, y);
            if (px.part == 0) {
                for (int k = 0; k < 4; ++k) {
                    if (isFigure(x + dx[k], y + dy[k])) {
                        out.setPixel(x, y, outline);
                        break;
                    }
                }
                continue;
            }
            QRgb colour = px.fill;
            for (int k = 0; k < 4; ++k) {
                const int nx = x + dx[k];
                const int ny = y + dy[k];
                if (isFigure(nx, ny) && at(nx, ny).part != px.part && at(nx, ny).layer > px.layer) {
                    colour = px.line;
                    break;
                }
            }
            out.setPixel(x, y, colour);
        }
    }
    // Background the border cannot reach lies inside the figure.
    std::vector<bool> reached(static_cast<size_t>(width_ * height_), false);
    std::deque<QPoint> todo;
    const auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            return;
        }
        const size_t i = static_cast<size_t>(y * width_ + x);
        if (reached[i] || out.pixel(x, y) != (background | 0xFF000000)) {
            return;
        }
        reached[i] = true;
        todo.emplace_back(x, y);
    };
    for (int x = 0; x < width_; ++x) {
        visit(x, 0);
        visit(x, height_ - 1);
    }
    for (int y = 0; y < height_; ++y) {
        visit(0, y);
        visit(width_ - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop_front();
        for (int k = 0; k < 4; ++k) {
            visit(p.x() + dx[k], p.y() + dy[k]);
        }
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!reached[static_cast<size_t>(y * width_ + x)] &&
                out.pixel(x, y) == (background | 0xFF000000)) {
                out.setPixel(x, y, outline);
                if (holes != nullptr) {
                    holes->emplace_back(x, y);
                }
            }
        }
    }
    return out;
}
