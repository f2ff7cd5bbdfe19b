#pragma once

#include <QFont>
#include <QStringList>

// The face of the balloon's text: a Mincho with Japanese glyphs. Returns the
// first of the preferred faces in `families` ("ＭＳ 明朝", IPAMincho, Noto
// Serif CJK JP), else the first serif face among `japaneseFamilies`, else
// the first of `japaneseFamilies`, else "" (the application's font).
[[nodiscard]] QString pickBalloonFamily(const QStringList& families,
                                        const QStringList& japaneseFamilies);

// The balloon's text font, chosen from the installed faces, at `pixelSize`.
// The balloon measures 15 twips to the pixel, which is 96 pixels to the inch,
// so 12 points are 16 pixels: sizes are given in pixels to keep the text in
// proportion with the balloon on any screen.
[[nodiscard]] QFont balloonFont(int pixelSize);

inline constexpr int kBalloonTextPixels = 16;   // 12 points
inline constexpr int kBalloonChoicePixels = 13; // fits the 17-pixel choice labels
