// Draws the twelve characters' body sheets and eye strips into the folder
// given as the only argument, as 101.bmp ... 124.bmp.
#include "cast.h"
#include "eyes.h"
#include "figure.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kKey = 0xFF62A4AC; // drawn as transparent by the program: never in a figure

// Background colours of body sheet and eye strip, by character.
struct Backgrounds {
    QRgb body;
    QRgb eyes;
};
constexpr Backgrounds kBackgrounds[12] = {
    {kBlue, kBlue}, {kRed, kBlue}, {kRed, kBlue}, {kRed, kBlue},  {kBlue, kBlue}, {kBlue, kBlue},
    {kRed, kBlue},  {kRed, kBlue}, {kRed, kBlue}, {kBlue, kBlue}, {kBlue, kRed},  {kRed, kBlue},
};

// Every pixel must be the background or a figure colour that is neither
// background colour nor the key colour.
bool checkColours(const QImage& img, QRgb background, const char* what) {
    bool ok = true;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (p == background) {
                continue;
            }
            if (p == kBlue || p == kRed || p == kKey) {
                std::fprintf(stderr, "%s: forbidden colour at %d,%d\n", what, x, y);
                ok = false;
            }
        }
    }
    return ok;
}

QImage bodySheet(const Look& look, QRgb background, bool& ok) {
    QImage sheet(3 * kCellW, 4 * kCellH, QImage::Format_RGB32);
    QPainter p(&sheet);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            std::vector<QPoint> holes;
            const QImage cell = drawBodyCell(look, static_cast<View>(row), col, background, &holes);
            if (!holes.empty()) {
                std::fprintf(stderr,
                             "%s row %d column %d: %d enclosed background pixels from %d,%d\n",
                             look.name, row, col, static_cast<int>(holes.size()), holes[0].x(),
                             holes[0].y());
                ok = false;
            }
            p.drawImage(col * kCellW, row * kCellH, cell);
        }
    }
    return sheet;
}

// Where the program draws the open eyes and the mouth on each view, the body
// must show plain skin: no hair, line or blush under them.
bool checkFace(const Look& look, const QImage& body, const QImage& eyes, int index) {
    struct Placement {
        int row;
        int stripX;
        int offset;
        QRect mouth;
    };
    const int rightFront = index == 1 ? 41 : 40;
    const Placement placements[] = {
        {0, 0, 0, QRect(37, 64, 6, 2)},
        {0, kEyeW, rightFront, QRect(37, 64, 6, 2)},
        {1, kEyeW, 26, QRect(28, 64, 3, 2)},
        {3, 0, 14, QRect(49, 64, 3, 2)},
    };
    const QRgb eyeBg = eyes.pixel(0, 0);
    bool ok = true;
    for (const Placement& p : placements) {
        for (int col = 0; col < 3; ++col) {
            const int bob = col == 0 ? 0 : 1;
            const QPoint origin(col * kCellW, p.row * kCellH);
            int bad = 0;
            QPoint first;
            const auto check = [&](int x, int y) {
                if (body.pixel(origin.x() + x, origin.y() + y) != (look.skin | 0xFF000000)) {
                    if (bad++ == 0) {
                        first = QPoint(x, y);
                    }
                }
            };
            for (int y = 0; y + bob < kCellH; ++y) {
                for (int x = 0; x < kEyeW; ++x) {
                    if (eyes.pixel(p.stripX + x, y) != eyeBg) {
                        check(p.offset + x, y + bob);
                    }
                }
            }
            for (int y = p.mouth.top(); y <= p.mouth.bottom(); ++y) {
                for (int x = p.mouth.left(); x <= p.mouth.right(); ++x) {
                    check(x, y + bob);
                }
            }
            if (bad != 0) {
                std::fprintf(
                    stderr,
                    "%s row %d column %d: %d pixels under the face are not skin, from %d,%d\n",
                    look.name, p.row, col, bad, first.x(), first.y());
                ok = false;
            }
        }
    }
    return ok;
}

bool save(const QImage& img, const QString& path) {
    // Qt writes 24-bit BMPs from 32-bit images.
    if (!img.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int i = 0; i < 12; ++i) {
        const Look& look = cast()[static_cast<size_t>(i)];
        const Backgrounds bg = kBackgrounds[i];
        const QImage body = bodySheet(look, bg.body, ok);
        // Character 1's right-hand eye is drawn one pixel further right.
        const QImage eyes = drawEyeStrip(look, bg.eyes, i == 1 ? 1 : 0);
        ok = checkColours(body, bg.body, look.name) && ok;
        ok = checkFace(look, body, eyes, i) && ok;
        ok = checkColours(eyes, bg.eyes, look.name) && ok;
        ok = save(body, out.filePath(QStringLiteral("%1.bmp").arg(101 + 2 * i))) && ok;
        ok = save(eyes, out.filePath(QStringLiteral("%1.bmp").arg(102 + 2 * i))) && ok;
    }
    return ok ? 0 : 1;
}
