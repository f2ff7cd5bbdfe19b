// The built-in character pictures: their grid, colours and how the eyes and
// the mouth the program draws fit onto the figures.
#include "core/pictures/byouga.h"
#include "core/pictures/character_catalogue.h"
#include "tests/support/mascot_fixture.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

namespace {

constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kKey = 0xFF000000 | kKeyColour;

struct Backgrounds {
    QRgb body;
    QRgb eyes;
};
// The background colours the catalogue gives each character's pictures.
constexpr Backgrounds kBackgrounds[kCharacterCount] = {
    {kBlue, kBlue}, {kRed, kBlue}, {kRed, kBlue}, {kRed, kBlue},  {kBlue, kBlue}, {kBlue, kBlue},
    {kRed, kBlue},  {kRed, kBlue}, {kRed, kBlue}, {kBlue, kBlue}, {kBlue, kRed},  {kRed, kBlue},
};

constexpr int kBodyW = 240;
constexpr int kBodyH = 488;
constexpr int kEyesW = 80;
constexpr int kEyesH = 366;

QImage picture(int id) {
    return QImage(picturePath(id)).convertToFormat(QImage::Format_RGB32);
}

// Bits per pixel as the BMP file itself declares them.
int bitsPerPixel(int id) {
    QFile f(picturePath(id));
    if (!f.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray header = f.read(30);
    if (header.size() < 30 || !header.startsWith("BM")) {
        return -1;
    }
    return static_cast<uchar>(header[28]) | (static_cast<uchar>(header[29]) << 8);
}

QRgb at(const QImage& img, int x, int y) {
    return img.pixel(x, y) | 0xFF000000;
}

// The cells of a sheet of `cols` x `rows` cells of `w` x `h` pixels.
std::vector<QRect> cells(int cols, int rows, int w, int h) {
    std::vector<QRect> out;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            out.emplace_back(c * w, r * h, w, h);
        }
    }
    return out;
}

// Whether every pixel on the edge of `cell` is background: nothing is cut
// off where the drawing copies one cell.
bool edgeIsBackground(const QImage& img, const QRect& cell, QRgb bg) {
    for (int x = cell.left(); x <= cell.right(); ++x) {
        if (at(img, x, cell.top()) != bg || at(img, x, cell.bottom()) != bg) {
            return false;
        }
    }
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        if (at(img, cell.left(), y) != bg || at(img, cell.right(), y) != bg) {
            return false;
        }
    }
    return true;
}

// Background pixels of `cell` that the background around the figure does
// not reach: holes that the drawing would punch through the figure.
int enclosedBackground(const QImage& img, const QRect& cell, QRgb bg) {
    std::vector<bool> reached(static_cast<size_t>(cell.width() * cell.height()), false);
    std::deque<QPoint> todo;
    const auto visit = [&](int x, int y) {
        if (!cell.contains(x, y) || at(img, x, y) != bg) {
            return;
        }
        const size_t i = static_cast<size_t>((y - cell.top()) * cell.width() + (x - cell.left()));
        if (!reached[i]) {
            reached[i] = true;
            todo.emplace_back(x, y);
        }
    };
    for (int x = cell.left(); x <= cell.right(); ++x) {
        visit(x, cell.top());
        visit(x, cell.bottom());
    }
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        visit(cell.left(), y);
        visit(cell.right(), y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop_front();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const size_t i =
                static_cast<size_t>((y - cell.top()) * cell.width() + (x - cell.left()));
            if (at(img, x, y) == bg && !reached[i]) {
                ++enclosed;
            }
        }
    }
    return enclosed;
}

// The figure pixels of `cell`: how many, and the rows they span.
struct Extent {
    int pixels = 0;
    int top = -1;
    int bottom = -1;
};
Extent extent(const QImage& img, const QRect& cell, QRgb bg) {
    Extent e;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (at(img, x, y) != bg) {
                ++e.pixels;
                if (e.top < 0) {
                    e.top = y - cell.top();
                }
                e.bottom = y - cell.top();
            }
        }
    }
    return e;
}

bool sameRows(const QImage& img, const QRect& a, const QRect& b, int fromRow) {
    for (int y = fromRow; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (img.pixel(a.left() + x, a.top() + y) != img.pixel(b.left() + x, b.top() + y)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

TEST(CharacterPictures, EveryPictureLoadsWithTheGridSizeAndDepth) {
    for (int i = 0; i < kCharacterCount; ++i) {
        SCOPED_TRACE(i);
        const QImage body = picture(bodyPictureId(i));
        const QImage eyes = picture(eyePictureId(i));
        ASSERT_FALSE(body.isNull());
        ASSERT_FALSE(eyes.isNull());
        EXPECT_EQ(body.size(), QSize(kBodyW, kBodyH));
        EXPECT_EQ(eyes.size(), QSize(kEyesW, kEyesH));
        EXPECT_EQ(bitsPerPixel(bodyPictureId(i)), 24);
        EXPECT_EQ(bitsPerPixel(eyePictureId(i)), 24);
    }
}

TEST(CharacterPictures, TopLeftPixelIsTheCataloguesBackground) {
    for (int i = 0; i < kCharacterCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(at(picture(bodyPictureId(i)), 0, 0), kBackgrounds[i].body);
        EXPECT_EQ(at(picture(eyePictureId(i)), 0, 0), kBackgrounds[i].eyes);
    }
}

TEST(CharacterPictures, NoPixelHasTheKeyColourOrAForeignBackground) {
    // A figure pixel of either pure background colour would be see-through
    // in a sheet of that background, and the key colour never shows.
    for (int i = 0; i < kCharacterCount; ++i) {
        for (const int id : {bodyPictureId(i), eyePictureId(i)}) {
            SCOPED_TRACE(id);
            const QImage img = picture(id);
            const QRgb bg = at(img, 0, 0);
            int bad = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb p = at(img, x, y);
                    if (p == kKey || (p != bg && (p == kBlue || p == kRed))) {
                        ++bad;
                    }
                }
            }
            EXPECT_EQ(bad, 0);
        }
    }
}

TEST(CharacterPictures, EveryFigureIsWhollyInsideItsCellAndHasNoHoles) {
    for (int i = 0; i < kCharacterCount; ++i) {
        const QImage body = picture(bodyPictureId(i));
        const QRgb bg = at(body, 0, 0);
        for (const QRect& cell : cells(3, 4, kCellWidth, kCellHeight)) {
            SCOPED_TRACE(testing::Message()
                         << "character " << i << " cell " << cell.x() << "," << cell.y());
            EXPECT_TRUE(edgeIsBackground(body, cell, bg));
            EXPECT_EQ(enclosedBackground(body, cell, bg), 0);
            EXPECT_GT(extent(body, cell, bg).pixels, 1000);
        }
    }
}

TEST(CharacterPictures, StepPosesSitOnePixelLowerAndDifferFromEachOther) {
    for (int i = 0; i < kCharacterCount; ++i) {
        const QImage body = picture(bodyPictureId(i));
        const QRgb bg = at(body, 0, 0);
        for (int row = 0; row < 4; ++row) {
            SCOPED_TRACE(testing::Message() << "character " << i << " row " << row);
            const QRect stand(0, row * kCellHeight, kCellWidth, kCellHeight);
            const QRect step1 = stand.translated(kCellWidth, 0);
            const QRect step2 = stand.translated(2 * kCellWidth, 0);
            const int top = extent(body, stand, bg).top;
            EXPECT_EQ(extent(body, step1, bg).top, top + 1);
            EXPECT_EQ(extent(body, step2, bg).top, top + 1);
            // The legs alternate: the lower bodies of the two steps differ.
            EXPECT_FALSE(sameRows(body, step1, step2, 90));
        }
    }
}

TEST(CharacterPictures, EyeStripHoldsOneEyePerCellThatClosesRowByRow) {
    for (int i = 0; i < kCharacterCount; ++i) {
        const QImage eyes = picture(eyePictureId(i));
        const QRgb bg = at(eyes, 0, 0);
        for (int col = 0; col < 2; ++col) {
            SCOPED_TRACE(testing::Message() << "character " << i << " column " << col);
            Extent rows[3];
            for (int row = 0; row < 3; ++row) {
                const QRect cell(col * kEyeCellWidth, row * kCellHeight, kEyeCellWidth,
                                 kCellHeight);
                EXPECT_TRUE(edgeIsBackground(eyes, cell, bg));
                rows[row] = extent(eyes, cell, bg);
                EXPECT_GT(rows[row].pixels, 0);
            }
            // Open, half closed, closed: each shows less of the eye, and the
            // closed eye is no more than a lash line.
            EXPECT_GT(rows[0].pixels, rows[1].pixels);
            EXPECT_GT(rows[1].pixels, rows[2].pixels);
            EXPECT_LT(rows[1].bottom - rows[1].top, rows[0].bottom - rows[0].top);
            EXPECT_LE(rows[2].bottom - rows[2].top, 3);
        }
    }
}

class CharacterDrawingTest : public MascotTest {};

// Through the program's own drawing: in every view, pose, blink and mood the
// eyes and the mouth land on the figure, so the drawn character covers
// exactly the pixels of its body cell.
TEST_F(CharacterDrawingTest, EyesAndMouthAlwaysLieOnTheFigure) {
    m.st.displayScale = 100;
    m.st.phase = Phase::Running;
    m.st.balloonShown = 0;
    m.st.posX = 0;
    m.st.posY = 0;
    for (int c = 0; c < kCharacterCount; ++c) {
        m.st.charIndex = c;
        GazouYomikomi(m);
        const QRgb bg = at(m.CharGazo, 0, 0);
        for (int facing = 0; facing < 4; ++facing) {
            for (const int stepFrame : {0, 1, 3}) {
                const int column = stepFrame == 0 ? 0 : (stepFrame == 1 ? 1 : 2);
                const QRect cell(column * kCellWidth, facing * kCellHeight, kCellWidth,
                                 kCellHeight);
                for (int blink = 0; blink < 3; ++blink) {
                    for (int mood = 0; mood < 3; ++mood) {
                        SCOPED_TRACE(testing::Message()
                                     << "character " << c << " facing " << facing << " step "
                                     << stepFrame << " blink " << blink << " mood " << mood);
                        m.st.facing = facing;
                        m.st.stepFrame = stepFrame;
                        m.st.blinkPhase = blink;
                        m.st.mood = mood;
                        Byouga(m);
                        const QImage& img = m.sprite.image;
                        const QPoint origin(m.sprite.x, m.sprite.y);
                        int stray = 0;
                        int missing = 0;
                        for (int y = 0; y < img.height(); ++y) {
                            for (int x = 0; x < img.width(); ++x) {
                                const QPoint p = origin + QPoint(x, y);
                                const bool figure =
                                    QRect(0, 0, kCellWidth, kCellHeight).contains(p) &&
                                    at(m.CharGazo, cell.x() + p.x(), cell.y() + p.y()) != bg;
                                const bool drawn = qAlpha(img.pixel(x, y)) != 0;
                                stray += drawn && !figure ? 1 : 0;
                                missing += figure && !drawn ? 1 : 0;
                            }
                        }
                        ASSERT_EQ(stray, 0);
                        ASSERT_EQ(missing, 0);
                    }
                }
            }
        }
    }
}

// Where the open eyes and every mouth land, the body shows one plain colour:
// the face, not hair, outline or blush.
TEST(CharacterPictures, EyesAndMouthsSitOnPlainSkin) {
    struct EyePlacement {
        int facing;
        int stripX; // eye cell in the strip
        int offset; // where the drawing puts it on the body cell
        QRect mouth;
    };
    for (int c = 0; c < kCharacterCount; ++c) {
        const QImage body = picture(bodyPictureId(c));
        const QImage eyes = picture(eyePictureId(c));
        const QRgb eyeBg = at(eyes, 0, 0);
        const std::vector<std::vector<EyePlacement>> views = {
            {{0, 0, 0, QRect(37, 64, 6, 2)}, {0, 40, c == 1 ? 41 : 40, QRect(37, 64, 6, 2)}},
            {{1, 40, 26, QRect(28, 64, 3, 2)}},
            {{3, 0, 14, QRect(49, 64, 3, 2)}},
        };
        for (const auto& view : views) {
            for (int column = 0; column < 3; ++column) {
                const int bob = column == 0 ? 0 : 1;
                const QPoint cellOrigin(column * kCellWidth, view[0].facing * kCellHeight);
                SCOPED_TRACE(testing::Message() << "character " << c << " facing " << view[0].facing
                                                << " column " << column);
                std::vector<QRgb> under;
                for (const EyePlacement& e : view) {
                    for (int y = 0; y < kCellHeight; ++y) {
                        for (int x = 0; x < kEyeCellWidth; ++x) {
                            if (at(eyes, e.stripX + x, y) != eyeBg && y + bob < kCellHeight) {
                                under.push_back(at(body, cellOrigin.x() + e.offset + x,
                                                   cellOrigin.y() + y + bob));
                            }
                        }
                    }
                    const QRect mouth = e.mouth.translated(cellOrigin + QPoint(0, bob));
                    for (int y = mouth.top(); y <= mouth.bottom(); ++y) {
                        for (int x = mouth.left(); x <= mouth.right(); ++x) {
                            under.push_back(at(body, x, y));
                        }
                    }
                }
                ASSERT_FALSE(under.empty());
                const QRgb skin = under.front();
                EXPECT_EQ(std::count(under.begin(), under.end(), skin),
                          static_cast<std::ptrdiff_t>(under.size()));
            }
        }
    }
}
