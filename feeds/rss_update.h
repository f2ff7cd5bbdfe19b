#pragma once

struct Mascot;

// Updates every registered feed, with the character's start and end lines.
void RssZenKoushin(Mascot& m);
