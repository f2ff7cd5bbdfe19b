#pragma once

class QWidget;

// What kind of window of the mascot a top-level window is.
enum class GuestRole {
    Character, // the figure: never takes the keyboard by itself, takes it when clicked
    Balloon,   // what the character says: like the character, takes the keyboard when clicked
    Panel,     // a panel the user opened: takes the keyboard itself when it opens
};

// Makes `window` a quiet guest of the desktop under any X11 window manager:
// frameless and above other windows, placed exactly where the program puts
// it, floating under tiling managers, left out of task bars and pagers from
// before it maps, shown without taking the keyboard (panels ask for it
// themselves; the character and its balloon when clicked), and never hidden for
// belonging to an inactive application.
// Call it in place of setWindowFlags(), before the window is first shown.
void makeDesktopGuest(QWidget& window, GuestRole role);
