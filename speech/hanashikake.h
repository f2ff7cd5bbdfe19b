#pragma once

struct Mascot;

// Says something on the character's own: a news headline or a mood line.
void Hanashikake(Mascot& m);
