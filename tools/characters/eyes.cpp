#include "eyes.h"

#include "figure_parts.h"

#include <QColor>

#include <array>
#include <cstring>

namespace {

// Eye pictures for the screen-left eye, outer corner on the left; the
// screen-right eye is the mirror image. Letters: K lash, D pupil and upper
// iris, I iris, L lower iris light, W shine, S white of the eye, '.' nothing.
struct EyeArt {
    std::array<const char*, 12> open;
    std::array<const char*, 12> half;
    std::array<const char*, 12> closed;
};

// clang-format off
const EyeArt kGentle = {{
    "...........",
    "....KKKKK..",
    "..KKKKKKKKK",
    ".KKKDDDDDDK",
    "K..KWWDDDDK",
    "...KWWDDIIK",
    "...KDDIIIIK",
    "...KIIIIIIK",
    "...KIILLLIK",
    "...KLLLLWLK",
    "....KLLLLK.",
    ".....KKKK..",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "....KKKKK..",
    "..KKKKKKKKK",
    ".K.KDDDDDDK",
    "...KIILLLIK",
    "...KLLLLWLK",
    "....KLLLLK.",
    ".....KKKK..",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "..K........",
    ".KK.......K",
    "...KK...KK.",
    ".....KKK...",
    "...........",
}};

// Long lashes at the outer corner.
const EyeArt kLady = {{
    "...........",
    "K...KKKKK..",
    ".KKKKKKKKKK",
    "KKKKDDDDDDK",
    "...KWWDDDDK",
    "...KWWDDIIK",
    "...KDDIIIIK",
    "...KIIIIIIK",
    "...KIILLLIK",
    "...KLLLLWLK",
    "....KLLLLK.",
    ".....KKKK..",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "K...KKKKK..",
    ".KKKKKKKKKK",
    "KKKKDDDDDDK",
    "...KIILLLIK",
    "...KLLLLWLK",
    "....KLLLLK.",
    ".....KKKK..",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "K..........",
    ".KK......KK",
    "...KK..KK..",
    ".....KK....",
    "...........",
}};

// A level upper lid: composed.
const EyeArt kCalm = {{
    "...........",
    "...........",
    "...KKKKKK..",
    ".KKKKKKKKKK",
    "K..KDDDDDDK",
    "...KWWDDDIK",
    "...KWDDIIIK",
    "...KDIIIIIK",
    "...KIILLLIK",
    "...KLLLLWLK",
    "....KKKKKK.",
    "...........",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...KKKKKK..",
    ".KKKKKKKKKK",
    "K..KDDDDDDK",
    "...KIILLLIK",
    "...KLLLLWLK",
    "....KKKKKK.",
    "...........",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "KK.........",
    ".KKKKKKKKKK",
    "...........",
    "...........",
}};

// Heavy-lidded: the half-closed row is this character's everyday look.
const EyeArt kSleepy = {{
    "...........",
    "....KKKKK..",
    "..KKKKKKKKK",
    ".KKKDDDDDDK",
    "K..KWWDDDDK",
    "...KWWDDIIK",
    "...KDDIIIIK",
    "...KIIIIIIK",
    "...KIILLLIK",
    "...KLLLLWLK",
    "....KLLLLK.",
    ".....KKKK..",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...KKKKKK..",
    ".KKKKKKKKKK",
    "K..KDDDDDDK",
    "...KWDDIIIK",
    "...KIIIIIIK",
    "...KILLLWLK",
    "....KLLLLK.",
    ".....KKKK..",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "K..........",
    ".KKK....KK.",
    "....KKKK...",
    "...........",
}};

// Slanting down to the inner corner: fierce.
const EyeArt kSharp = {{
    "...........",
    "KKKK.......",
    ".KKKKKK....",
    "..KKKKKKKK.",
    "..KDDDDDKKK",
    "..KWWDDDDK.",
    "..KWDDIIIK.",
    "..KDIIIIIK.",
    "..KIILLLIK.",
    "...KLLLWK..",
    "....KKKK...",
    "...........",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "KKK........",
    ".KKKKKKK...",
    "..KKKKKKKKK",
    "..KDDDIIIK.",
    "..KIILLLIK.",
    "...KLLLWK..",
    "....KKKK...",
    "...........",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "KK.........",
    ".KKKK......",
    "....KKKKKK.",
    "...........",
    "...........",
}};

// Big and round, two shines: a child's eyes.
const EyeArt kRound = {{
    "...........",
    "....KKKK...",
    "..KKKKKKKK.",
    ".KKDDDDDDKK",
    ".KWWDDDDDDK",
    ".KWWDDDIIDK",
    ".KDDIIIIIIK",
    ".KIIIIIIIIK",
    ".KIILLLLIIK",
    ".KILLLLWWIK",
    "..KLLLLLLK.",
    "...KKKKKK..",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    ".KKKKKKKKK.",
    "KKDDDDDDDKK",
    ".KIILLLLIIK",
    ".KILLLLWWIK",
    "..KLLLLLLK.",
    "...KKKKKK..",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    ".K.......K.",
    "..KK...KK..",
    "....KKK....",
    "...........",
}};

// Open and lively, a boy's eyes.
const EyeArt kBright = {{
    "...........",
    "...KKKKK...",
    "..KKKKKKK..",
    ".KKDDDDDKK.",
    ".KWWDDDDDK.",
    ".KWWDDIIDK.",
    ".KDDIIIIIK.",
    ".KIIIIIIIK.",
    ".KIILLLIIK.",
    ".KILLLLWIK.",
    "..KLLLLLK..",
    "...KKKKK...",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    ".KKKKKKKKK.",
    ".KDDDDDDDK.",
    ".KIILLLLIK.",
    ".KILLLLWIK.",
    "..KLLLLLK..",
    "...KKKKK...",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    ".K.......K.",
    "..KKKKKKK..",
    "...........",
    "...........",
}};

// Long and narrow with a swept outer lash.
const EyeArt kCool = {{
    "...........",
    "...........",
    "KK.........",
    ".KKKKKKKK..",
    "..KKKKKKKKK",
    "..KDDDDDDDK",
    "..KWWDDIIIK",
    "..KWDIIIIIK",
    "..KIILLLLIK",
    "..KLLLLLWLK",
    "...KKKKKKK.",
    "...........",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "KK.........",
    ".KKKKKKKK..",
    "..KKKKKKKKK",
    "..KDDIIIIIK",
    "..KLLLLLWLK",
    "...KKKKKKK.",
    "...........",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "KK.........",
    ".KKKK......",
    "....KKKKKKK",
    "...........",
    "...........",
}};

// Glossy beads: the creature's eyes.
const EyeArt kDot = {{
    "...........",
    "...........",
    "...........",
    "....IIII...",
    "...IIIIII..",
    "..IWWIIIII.",
    "..IWWIIIII.",
    "..IIIIIIII.",
    "..IIIIILII.",
    "...IIIILI..",
    "....IIII...",
    "...........",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "..KKKKKKKK.",
    "..IIIIIIII.",
    "..IIIIILII.",
    "...IIIILI..",
    "....IIII...",
    "...........",
}, {
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "...........",
    "..K......K.",
    "...KK..KK..",
    ".....KK....",
    "...........",
}};
// clang-format on

const EyeArt& artFor(Eyes eyes) {
    switch (eyes) {
    case Eyes::Gentle:
        return kGentle;
    case Eyes::Lady:
        return kLady;
    case Eyes::Calm:
        return kCalm;
    case Eyes::Sleepy:
        return kSleepy;
    case Eyes::Sharp:
        return kSharp;
    case Eyes::Round:
        return kRound;
    case Eyes::Bright:
        return kBright;
    case Eyes::Cool:
        return kCool;
    case Eyes::Dot:
        return kDot;
    }
    return kGentle;
}

QRgb colourOf(char c, const Look& look) {
    switch (c) {
    case 'K':
        return 0xFF2C1C28;
    case 'D':
        return shade(look.iris.base);
    case 'I':
        return look.iris.base;
    case 'L':
        return look.iris.hi;
    case 'W':
        return 0xFFFFFFFE;
    case 'S':
        return 0xFFF4F0EC;
    default:
        return 0;
    }
}

constexpr int kEyeTop = 48;  // first row of the eye art on the face
constexpr int kEyeLeft = 23; // first column of the screen-left eye's art

void drawEye(QImage& strip, const std::array<const char*, 12>& art, const Look& look, int cellX,
             int cellY, bool mirror, int shift) {
    for (int r = 0; r < 12; ++r) {
        const int len = static_cast<int>(std::strlen(art[static_cast<size_t>(r)]));
        for (int c = 0; c < len; ++c) {
            const QRgb colour = colourOf(art[static_cast<size_t>(r)][c], look);
            if (colour == 0) {
                continue;
            }
            // The screen-right eye mirrors about the face's axis (x and 79 - x).
            const int faceX = mirror ? (kCellW - 1 - (kEyeLeft + c)) : kEyeLeft + c;
            const int x = (mirror ? faceX - kEyeW - shift : faceX) + cellX;
            strip.setPixel(x, cellY + kEyeTop + r, colour);
        }
    }
}

} // namespace

QImage drawEyeStrip(const Look& look, QRgb background, int rightShift) {
    QImage strip(2 * kEyeW, 3 * kCellH, QImage::Format_RGB32);
    strip.fill(background);
    const EyeArt& art = artFor(look.eyes);
    const std::array<const std::array<const char*, 12>*, 3> rows = {&art.open, &art.half,
                                                                    &art.closed};
    for (int row = 0; row < 3; ++row) {
        drawEye(strip, *rows[static_cast<size_t>(row)], look, 0, row * kCellH, false, 0);
        drawEye(strip, *rows[static_cast<size_t>(row)], look, kEyeW, row * kCellH, true,
                rightShift);
    }
    return strip;
}
