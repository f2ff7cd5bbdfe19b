#pragma once

struct Mascot;

// The update run over all registered feeds, announced in the character's
// own words: restarts the schedule's minute count, says the start line,
// starts the downloads and returns; when they have all answered the
// documents are read in slot order and the end line is said. While a run is
// in flight another one only restarts the count.
void RssZenKoushin(Mascot& m);
