#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QPolygonF>

#include <functional>
#include <vector>

// One colour as painted: its fill, the darker tone it takes where a part
// painted later lies against it, and the part of the figure it belongs to.
// Parts separate by a line only where they meet; pixels of one part never do.
struct Ink {
    QRgb fill = 0;
    QRgb line = 0;
    int part = 0; // 0 is reserved for "no figure"
};

// A pixel canvas for one picture cell. Shapes are rasterised by QPainter
// without anti-aliasing, so every pixel is either figure or background; the
// render adds the dark outline outside the figure and the inner lines between
// overlapping parts.
class Canvas {
public:
    Canvas(int width, int height);

    // Shifts every shape painted from now on (the step poses lower the upper
    // body by a pixel).
    void setOffset(QPointF offset) { offset_ = offset; }
    [[nodiscard]] QPointF offset() const { return offset_; }

    // Paints `path` over everything so far.
    void paint(const QPainterPath& path, const Ink& ink);
    // Recolours the pixels of `path` that belong to `part` (any part when
    // `part` is 0), keeping their part: shading and details stay inside the
    // shape they lie on.
    void tint(const QPainterPath& path, QRgb colour, int part = 0);
    // A one-pixel line through `points` (pixel coordinates), painted or tinted.
    void paintLine(const QPolygonF& points, const Ink& ink);
    void tintLine(const QPolygonF& points, QRgb colour, int part = 0);
    void paintPixel(int x, int y, const Ink& ink);
    void tintPixel(int x, int y, QRgb colour, int part = 0);
    // Removes figure pixels under `path` (cut-outs such as the gap between legs).
    void erase(const QPainterPath& path);

    // Mirrors the canvas left to right.
    void mirror();

    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }
    [[nodiscard]] bool isFigure(int x, int y) const;
    [[nodiscard]] int partAt(int x, int y) const;

    // The finished pixels on `background`, with a one-pixel `outline` around
    // the figure. Background enclosed by the figure is filled with the outline
    // colour and listed in `holes`.
    [[nodiscard]] QImage render(QRgb background, QRgb outline,
                                std::vector<QPoint>* holes = nullptr) const;

private:
    struct Pixel {
        QRgb fill = 0;
        QRgb line = 0;
        int part = 0;
        int layer = 0;
    };
    using Draw = std::function<void(QPainter&)>;
    [[nodiscard]] QImage coverage(const Draw& draw) const;
    void apply(const QImage& mask, const std::function<void(Pixel&)>& change);
    [[nodiscard]] Pixel& at(int x, int y) { return pixels_[y * width_ + x]; }
    [[nodiscard]] const Pixel& at(int x, int y) const { return pixels_[y * width_ + x]; }

    int width_;
    int height_;
    int layer_ = 0;
    QPointF offset_;
    std::vector<Pixel> pixels_;
};
