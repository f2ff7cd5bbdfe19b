#pragma once

struct Mascot;

// The mouse on the character: a left drag carries and throws it, a right
// click during a drag pins or frees it, a right click otherwise closes what
// is open or opens the menu. Positions are screen twips (pixels x 15).

namespace MouseButton {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
} // namespace MouseButton

void Form_MouseDown(Mascot& m, int button, int shift, int x, int y);
void Form_MouseMove(Mascot& m, int button, int shift, int x, int y);
// Ends a drag whatever the button.
void Form_MouseUp(Mascot& m, int button, int shift, int x, int y);
