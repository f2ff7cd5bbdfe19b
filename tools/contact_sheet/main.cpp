// Composes every character in every facing and pose, with each eye state and
// mouth, through the program's own loading and drawing, into one PNG.
#include "core/mascot.h"
#include "core/pictures/byouga.h"
#include "core/pictures/character_catalogue.h"
#include "tools/still_platform.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

// One picture on the sheet: what the state record says when it is drawn.
struct Shot {
    int facing;
    int stepFrame;  // 0 standing, 1 first step, 3 second step
    int blinkPhase; // 0 open, 1 half closed, 2 closed
    int mood;
    const char* caption;
    bool talking = false; // the balloon is shown
};

constexpr Shot kShots[] = {
    {0, 0, 0, 0, "front"},        {0, 0, 1, 1, "half, mood 1"},   {0, 0, 2, 2, "closed, mood 2"},
    {0, 1, 0, 1, "step 1"},       {0, 3, 0, 2, "step 2"},         {1, 0, 0, 0, "left"},
    {1, 1, 1, 1, "step 1, half"}, {1, 3, 2, 2, "step 2, closed"}, {2, 0, 0, 0, "back"},
    {2, 1, 0, 0, "step 1"},       {2, 3, 0, 0, "step 2"},         {3, 0, 0, 0, "right"},
    {3, 1, 1, 1, "step 1, half"}, {3, 3, 2, 2, "step 2, closed"}, {0, 0, 0, 2, "talking", true},
};
constexpr int kShotCount = static_cast<int>(std::size(kShots));

constexpr int kLabelW = 84;
constexpr int kHeaderH = 34;
constexpr int kScale = 1;
constexpr int kCellW = 80 * kScale;
constexpr int kCellH = 122 * kScale;

void drawShot(QPainter& p, Mascot& m, const Shot& shot, QPoint at) {
    m.st.facing = shot.facing;
    m.st.stepFrame = shot.stepFrame;
    m.st.blinkPhase = shot.blinkPhase;
    m.st.mood = shot.mood;
    m.st.balloonShown = shot.talking ? 1 : 0;
    Byouga(m);
    const Sprite& s = m.sprite;
    const QImage img = s.image.scaled(s.image.size() * kScale);
    p.drawImage(at + QPoint(s.x - m.st.posX, s.y - m.st.posY) * kScale, img);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    StillPlatform platform;
    Mascot m(platform);
    m.st.displayScale = 100;
    m.st.phase = 100; // running: the eyes follow the blink
    m.st.posX = 0;
    m.st.posY = 0;

    const int width = kLabelW + kShotCount * kCellW + 8;
    const int height = kHeaderH + kCharacterCount * kCellH + 8;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0xd8, 0xde, 0xe6));
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(0x30, 0x30, 0x40));

    for (int i = 0; i < kShotCount; ++i) {
        const QRect r(kLabelW + i * kCellW, 4, kCellW, kHeaderH - 8);
        p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, QString::fromLatin1(kShots[i].caption));
    }
    for (int c = 0; c < kCharacterCount; ++c) {
        m.st.charIndex = c;
        GazouYomikomi(m);
        const int y = kHeaderH + c * kCellH;
        // Alternate row shading makes the rows easy to follow.
        if (c % 2 == 1) {
            p.fillRect(0, y, width, kCellH, QColor(0xcc, 0xd3, 0xdd));
        }
        const QString label =
            QStringLiteral("%1\n%2").arg(c).arg(QString::fromUtf16(kCharacters[c].name));
        p.drawText(QRect(4, y, kLabelW - 8, kCellH), Qt::AlignVCenter | Qt::AlignLeft, label);
        for (int i = 0; i < kShotCount; ++i) {
            drawShot(p, m, kShots[i], QPoint(kLabelW + i * kCellW, y));
        }
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
