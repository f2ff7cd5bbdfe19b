#include "core/pictures/byouga.h"

#include "core/pictures/character_catalogue.h"
#include "tests/support/mascot_fixture.h"

#include <set>

namespace {

// Synthetic pictures make every pixel's origin known: each body cell is one
// colour by (column, row), each eye cell one colour by (column, row); the
// backgrounds are whatever the test chooses.
QRgb bodyColour(int column, int row) {
    return qRgb(10 + column, 20 + row, 30);
}
QRgb eyeColour(int column, int row) {
    return qRgb(100 + column, 120 + row, 140);
}

QImage bodySheet(QRgb background) {
    QImage img(240, 488, QImage::Format_RGB32);
    img.fill(background);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            // The figure leaves a background border of 2 pixels in its cell.
            for (int y = 2; y < 120; ++y) {
                for (int x = 2; x < 78; ++x) {
                    img.setPixel(column * 80 + x, row * 122 + y, bodyColour(column, row));
                }
            }
        }
    }
    return img;
}

QImage eyeStrip(QRgb background) {
    QImage img(80, 366, QImage::Format_RGB32);
    img.fill(background);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            // A 4 x 6 eye at (30, 54) of the left cell and (6, 54) of the right.
            const int x0 = column == 0 ? 30 : 6;
            for (int y = 54; y < 60; ++y) {
                for (int x = x0; x < x0 + 4; ++x) {
                    img.setPixel(column * 40 + x, row * 122 + y, eyeColour(column, row));
                }
            }
        }
    }
    return img;
}

class ByougaTest : public MascotTest {
protected:
    void SetUp() override {
        startRunning();
        m.CharGazo = bodySheet(qRgb(0, 0, 255));
        m.CharEyes = eyeStrip(qRgb(255, 0, 0));
        m.st.charIndex = 5;
        m.st.posX = 100;
        m.st.posY = 200;
        m.st.mood = 1;
    }
    QRgb at(int x, int y) const { return m.sprite.image.pixel(x, y); }
    bool opaque(int x, int y) const { return qAlpha(at(x, y)) != 0; }
    std::set<std::pair<int, int>> black() const {
        std::set<std::pair<int, int>> out;
        const QImage& img = m.sprite.image;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                if (img.pixel(x, y) == qRgb(0, 0, 0)) {
                    out.insert({x, y});
                }
            }
        }
        return out;
    }
    // The eye-strip (column, row) visible at sprite pixel (x, y), or none.
    std::optional<std::pair<int, int>> eyeAt(int x, int y) const {
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 2; ++column) {
                if (at(x, y) == eyeColour(column, row)) {
                    return std::pair{column, row};
                }
            }
        }
        return std::nullopt;
    }
};

TEST_F(ByougaTest, BodyCellByFacingAndStepFrameWithTheBackgroundLeftOut) {
    const int columnOf[4] = {0, 1, 0, 2};
    for (int facing = 0; facing < 4; ++facing) {
        for (int frame = 0; frame < 4; ++frame) {
            m.st.facing = facing;
            m.st.stepFrame = frame;
            Byouga(m);
            // One size for every pose: the lowered eye cells of the step
            // poses reach one row below the body.
            ASSERT_EQ(m.sprite.image.size(), QSize(80, 123));
            EXPECT_EQ(at(10, 100), bodyColour(columnOf[frame], facing));
            EXPECT_FALSE(opaque(0, 0));
            EXPECT_FALSE(opaque(79, 121));
        }
    }
    EXPECT_EQ(m.sprite.x, 100);
    EXPECT_EQ(m.sprite.y, 200);
}

TEST_F(ByougaTest, TransparentColourIsWhateverTheTopLeftPixelHolds) {
    m.CharGazo = bodySheet(qRgb(10, 20, 30)); // the cell colour of column 0, row 0
    Byouga(m);
    EXPECT_FALSE(opaque(10, 100)) << "the figure's own colour equals the key here";
    m.CharGazo = bodySheet(qRgb(0, 255, 0));
    Byouga(m);
    EXPECT_TRUE(opaque(10, 100));
    EXPECT_FALSE(opaque(0, 0));
}

TEST_F(ByougaTest, KeyColourIsNeverOpaque) {
    m.CharGazo.setPixel(40, 100, qRgb(98, 164, 172));
    Byouga(m);
    EXPECT_FALSE(opaque(40, 100));
}

TEST_F(ByougaTest, EyesByFacing) {
    m.st.facing = 0;
    Byouga(m);
    EXPECT_EQ(eyeAt(30, 54), (std::pair{0, 0})); // left-hand eye at offset 0
    EXPECT_EQ(eyeAt(46, 54), (std::pair{1, 0})); // right-hand eye at offset 40
    auto columnsShown = [this] {
        std::set<int> columns;
        for (int y = 0; y < m.sprite.image.height(); ++y) {
            for (int x = 0; x < m.sprite.image.width(); ++x) {
                if (const auto e = eyeAt(x, y)) {
                    columns.insert(e->first);
                }
            }
        }
        return columns;
    };
    m.st.facing = 1;
    Byouga(m);
    EXPECT_EQ(eyeAt(32, 54), (std::pair{1, 0})); // right-hand only, offset 26
    EXPECT_EQ(columnsShown(), std::set<int>{1});
    m.st.facing = 3;
    Byouga(m);
    EXPECT_EQ(eyeAt(44, 54), (std::pair{0, 0})); // left-hand only, offset 14
    EXPECT_EQ(columnsShown(), std::set<int>{0});
    m.st.facing = 2;
    Byouga(m);
    for (int y = 0; y < 122; ++y) {
        for (int x = 0; x < 80; ++x) {
            ASSERT_FALSE(eyeAt(x, y));
        }
    }
    EXPECT_TRUE(black().empty()) << "no mouth on the back view";
}

TEST_F(ByougaTest, EyeRowsFollowTheBlinkAndBobWithTheSteps) {
    const int rowOf[4] = {0, 1, 2, 1};
    for (int phase = 0; phase < 4; ++phase) {
        m.st.blinkPhase = phase;
        m.st.stepFrame = 0;
        Byouga(m);
        EXPECT_EQ(eyeAt(30, 54), (std::pair{0, rowOf[phase]}));
        m.st.stepFrame = 1;
        Byouga(m);
        EXPECT_FALSE(eyeAt(30, 54)) << "lowered by one pixel";
        EXPECT_EQ(eyeAt(30, 55), (std::pair{0, rowOf[phase]}));
    }
}

TEST_F(ByougaTest, CharacterOneNeverShowsOpenEyesAndSetsItsRightEyeApart) {
    m.st.charIndex = 1;
    const int rowOf[4] = {1, 1, 2, 1};
    for (int phase = 0; phase < 4; ++phase) {
        m.st.blinkPhase = phase;
        Byouga(m);
        EXPECT_EQ(eyeAt(30, 54), (std::pair{0, rowOf[phase]}));
        EXPECT_EQ(eyeAt(47, 54), (std::pair{1, rowOf[phase]})) << "offset 41";
        EXPECT_FALSE(eyeAt(46, 54));
    }
}

TEST_F(ByougaTest, CharacterZeroClosesItsLeftEyeWhileTalkingOrStartingUp) {
    m.st.charIndex = 0;
    Byouga(m);
    EXPECT_EQ(eyeAt(30, 54), (std::pair{0, 0}));
    m.st.balloonShown = 1;
    Byouga(m);
    EXPECT_EQ(eyeAt(30, 54), (std::pair{0, 2}));
    EXPECT_EQ(eyeAt(46, 54), (std::pair{1, 0})) << "the right eye follows the blink";
    m.st.balloonShown = 0;
    m.st.phase = 29;
    Byouga(m);
    EXPECT_EQ(eyeAt(30, 54), (std::pair{0, 2}));
    m.st.phase = 30;
    Byouga(m);
    EXPECT_EQ(eyeAt(30, 54), (std::pair{0, 0}));
    m.st.facing = 3;
    m.st.balloonShown = 1;
    Byouga(m);
    EXPECT_EQ(eyeAt(44, 54), (std::pair{0, 2}));
}

TEST_F(ByougaTest, MouthsByMoodAndFacing) {
    using Pixels = std::set<std::pair<int, int>>;
    const struct {
        int mood, facing;
        Pixels pixels;
    } cases[] = {
        {0, 0, {{38, 64}, {39, 64}, {40, 64}, {41, 64}, {37, 65}, {42, 65}}},
        {1, 0, {{38, 64}, {39, 64}, {40, 64}, {41, 64}}},
        {2, 0, {{38, 65}, {39, 65}, {40, 65}, {41, 65}, {37, 64}, {42, 64}}},
        {0, 1, {{28, 64}, {29, 64}, {30, 65}}},
        {1, 1, {{28, 64}, {29, 64}}},
        {2, 1, {{28, 65}, {29, 65}, {30, 64}}},
        {0, 3, {{51, 64}, {50, 64}, {49, 65}}},
        {1, 3, {{51, 64}, {50, 64}}},
        {2, 3, {{51, 65}, {50, 65}, {49, 64}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mood " << c.mood << " facing " << c.facing);
        m.st.mood = c.mood;
        m.st.facing = c.facing;
        m.st.stepFrame = 0;
        Byouga(m);
        EXPECT_EQ(black(), c.pixels);
        m.st.stepFrame = 3;
        Byouga(m);
        Pixels lowered;
        for (auto [x, y] : c.pixels) {
            lowered.insert({x, y + 1});
        }
        EXPECT_EQ(black(), lowered);
    }
    m.st.mood = 3;
    m.st.facing = 0;
    Byouga(m);
    EXPECT_TRUE(black().empty());
}

TEST_F(ByougaTest, ScaledBodyKeepsUnscaledEyeAndMouthOffsets) {
    m.st.displayScale = 200;
    m.st.mood = 1;
    Byouga(m);
    EXPECT_EQ(m.sprite.image.size(), QSize(160, 245));
    EXPECT_FALSE(opaque(0, 243));
    EXPECT_EQ(at(5, 5), bodyColour(0, 0)) << "nearest neighbour: border 2 px becomes 4";
    EXPECT_FALSE(opaque(3, 3));
    // Eyes are drawn 80 x 244 from their 40 x 122 cells at unscaled offsets.
    EXPECT_EQ(eyeAt(60, 108), (std::pair{0, 0}));
    EXPECT_EQ(eyeAt(40 + 12, 108), (std::pair{1, 0}));
    EXPECT_TRUE(black().count({38, 64}));

    m.st.displayScale = 50;
    Byouga(m);
    // The half-size body is 40 x 61; the right-hand eye at offset 40 lies
    // beside it, so the frame grows to hold it.
    EXPECT_EQ(m.sprite.image.size(), QSize(60, 67));
    EXPECT_EQ(m.sprite.x, 100);
    EXPECT_EQ(at(20, 40), bodyColour(0, 0));
    EXPECT_EQ(eyeAt(15, 27), (std::pair{0, 0}));
    EXPECT_EQ(eyeAt(43, 27), (std::pair{1, 0}));
    EXPECT_TRUE(black().count({38, 64}));
}

TEST_F(ByougaTest, UnchangedFrameIsNotDrawnAgain) {
    Byouga(m);
    const quint64 version = m.sprite.version;
    const quint64 shape = m.sprite.shapeVersion;
    const uchar* bits = m.sprite.image.constBits();
    m.st.posX += 5;
    Byouga(m);
    EXPECT_EQ(m.sprite.version, version);
    EXPECT_EQ(m.sprite.image.constBits(), bits);
    EXPECT_EQ(m.sprite.x, 105);
    m.st.blinkPhase = 2; // only the eyes change: same shape
    Byouga(m);
    EXPECT_GT(m.sprite.version, version);
    EXPECT_EQ(m.sprite.shapeVersion, shape);
    m.CharGazo.fill(qRgb(0, 0, 255));
    m.CharGazo.setPixel(5, 5, qRgb(1, 1, 1));
    m.st.charIndex = 6; // a new picture: a new shape
    Byouga(m);
    EXPECT_GT(m.sprite.shapeVersion, shape);
}

TEST_F(ByougaTest, AWalkCycleComposesEachPoseOnceAndKnowsItsOutlines) {
    // The second walking pose has a hole: another outline.
    m.CharGazo.setPixel(80 + 10, 10, qRgb(0, 0, 255));
    m.st.stepFrame = 0;
    Byouga(m);
    const uchar* standing = m.sprite.image.constBits();
    const quint64 standingShape = m.sprite.shapeVersion;
    m.st.stepFrame = 1;
    Byouga(m);
    EXPECT_NE(m.sprite.shapeVersion, standingShape);
    m.st.stepFrame = 2; // the first body again, bobbing eyes: same outline
    Byouga(m);
    EXPECT_EQ(m.sprite.shapeVersion, standingShape);
    const quint64 version = m.sprite.version;
    m.st.stepFrame = 0;
    Byouga(m);
    EXPECT_EQ(m.sprite.image.constBits(), standing); // not composed again
    EXPECT_EQ(m.sprite.shapeVersion, standingShape);
    EXPECT_GT(m.sprite.version, version);
    EXPECT_EQ(m.frames.size(), 3);

    // Another character: the old frames go, and no outline id is reused.
    m.CharGazo = bodySheet(qRgb(0, 0, 255));
    m.st.charIndex = 6;
    Byouga(m);
    EXPECT_EQ(m.frames.size(), 1);
    EXPECT_GT(m.sprite.shapeVersion, standingShape + 1);
}

TEST_F(ByougaTest, BlinkStartsRarelyAndRunsFifteenTicks) {
    platform.script({0.006}); // 6 -> no blink
    blinkStep(m);
    EXPECT_EQ(m.st.blinkPhase, 0);
    EXPECT_EQ(m.st.blinkCounter, 6);
    platform.script({0.0055}); // 5.5 rounds to the even 6: no blink
    blinkStep(m);
    EXPECT_EQ(m.st.blinkPhase, 0);
    platform.script({0.005}); // 5 -> blink
    blinkStep(m);
    EXPECT_EQ(m.st.blinkPhase, 1);
    EXPECT_EQ(m.st.blinkCounter, 0);
    std::vector<int> phases;
    for (int i = 0; i < 15; ++i) {
        blinkStep(m);
        phases.push_back(m.st.blinkPhase);
    }
    const std::vector<int> expected = {1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 0};
    EXPECT_EQ(phases, expected);
    EXPECT_EQ(platform.randomUnderflows, 0) << "no draws inside a blink";
}

TEST(CharacterCatalogue, PictureIdsAndNames) {
    EXPECT_EQ(bodyPictureId(0), 101);
    EXPECT_EQ(eyePictureId(0), 102);
    EXPECT_EQ(bodyPictureId(11), 123);
    EXPECT_EQ(eyePictureId(11), 124);
    EXPECT_EQ(picturePath(117), QStringLiteral(":/characters/117.bmp"));
}

class KyaraIchiranTest : public MascotTest {};

TEST_F(KyaraIchiranTest, ListsTheTwelveAndSelectsTheEntry) {
    m.st.phase = Phase::Load;
    for (int entry : {0, 11}) {
        m.st.charEntry = entry;
        KyaraIchiran(m);
        EXPECT_EQ(m.st.charIndex, entry);
        EXPECT_EQ(m.st.phase, Phase::Load);
    }
    ASSERT_EQ(m.Settei.Combo3.size(), 12);
    EXPECT_EQ(m.Settei.Combo3.front(), QStringLiteral("Velka"));
    EXPECT_EQ(m.Settei.Combo3.back(), QStringLiteral("Ilvenne"));
    KyaraIchiran(m);
    EXPECT_EQ(m.Settei.Combo3.size(), 12) << "built afresh, not appended";
}

TEST_F(KyaraIchiranTest, EntryBeyondTheListOrNegativeRestartsTheFirstRun) {
    for (int entry : {12, 300, -1}) {
        m.st.phase = Phase::Load;
        m.st.charIndex = 4;
        m.st.charEntry = entry;
        KyaraIchiran(m);
        EXPECT_EQ(m.st.charIndex, 4);
        EXPECT_EQ(m.st.phase, Phase::FirstRunSetup);
    }
}

} // namespace
