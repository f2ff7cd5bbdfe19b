// Draws the program's icon: the head and shoulders of the character a new
// user meets first, facing front, through the program's own loading and
// drawing, on a transparent square. Each size is a whole multiple of the
// cell's pixels so they stay crisp; the size below the cell's own is smoothed
// down from the next larger one.
#include "core/mascot.h"
#include "core/pictures/byouga.h"
#include "core/pictures/character_catalogue.h"
#include "tools/still_platform.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int kIconCharacter = 11; // Ilvenne introduces herself on the first run
constexpr int kMood = 2;           // smiling
constexpr int kPortraitSide = 64;  // cell pixels of the square cut
constexpr int kTopMargin = 2;      // cell pixels above the hair

// The smallest rectangle holding every visible pixel of `image`.
QRect opaqueBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 0) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// The portrait: a kPortraitSide square of the drawn cell from the top of the
// hair, centred on the figure, enlarged `scale` times pixel for pixel. The
// cell is drawn at the program's usual scale: at others the eyes and the
// mouth keep their unscaled places.
QImage portrait(Mascot& m, int scale) {
    m.st.displayScale = 100;
    Byouga(m);
    const QImage& cell = m.sprite.image;
    const QRect figure = opaqueBounds(cell);
    const QRect cut(figure.center().x() + 1 - kPortraitSide / 2, figure.top() - kTopMargin,
                    kPortraitSide, kPortraitSide);
    QImage icon(kPortraitSide, kPortraitSide, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.drawImage(QPoint(0, 0), cell, cut);
    p.end();
    return icon.scaled(icon.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool save(const QImage& icon, const QDir& folder) {
    const QString path = folder.filePath(QStringLiteral("sanpo-%1.png").arg(icon.width()));
    if (!icon.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    StillPlatform platform;
    Mascot m(platform);
    m.st.phase = 100; // running: the eyes are drawn by the blink phase
    m.st.posX = 0;
    m.st.posY = 0;
    m.st.charIndex = kIconCharacter;
    m.st.facing = 0;
    m.st.stepFrame = 0;
    m.st.blinkPhase = 0;
    m.st.mood = kMood;
    GazouYomikomi(m);

    const QImage at64 = portrait(m, 1);
    const QImage at128 = portrait(m, 2);
    const QImage at256 = portrait(m, 4);
    const QImage at48 = at128.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    bool ok = true;
    for (const QImage* icon : {&at48, &at64, &at128, &at256}) {
        ok = save(*icon, folder) && ok;
    }
    return ok ? 0 : 1;
}
