#include "settings/choice_menu.h"

#include "core/mascot.h"

void Sentaku_MouseDown(Mascot& /*m*/, int /*index*/) {
    // The action codes arrive with the menu.
}

void Sentaku_MouseMove(Mascot& /*m*/, int /*index*/) {}
