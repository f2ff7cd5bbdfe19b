#pragma once

struct Mascot;

// Commands that reach the mascot from outside its own windows (the tray
// icon's menu), where no balloon or panel stands in their way.

// Opens the panel of `code` (ActionCode::Settings or ActionCode::Feeds) as the
// main menu would, first bringing the character back and closing what else is
// open; a panel already open stays as it is. Returns false and does nothing
// before the mascot runs: the start-up and the introduction keep their order.
bool openFromOutside(Mascot& m, int code);

// Puts the mascot away or brings it back, as the user asks.
void toggleShown(Mascot& m);
