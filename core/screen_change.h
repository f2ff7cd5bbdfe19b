#pragma once

struct Mascot;

// Called by the shell when monitors came, went or changed size: brings the
// character wholly onto the monitor it stands on (or the nearest one) and
// its balloon and open panel back beside it. A character being carried is
// left to its drop, which does the same.
void screensChanged(Mascot& m);
