#pragma once

struct Mascot;

// Says something on the character's own: with news reading on, the newest
// unread stored headline (with a choice that opens the article); otherwise,
// with ordinary talk on, a line for its mood; otherwise nothing. Callers
// close the balloon first. Marks a read article read.
void Hanashikake(Mascot& m);

inline constexpr int kArticleChoiceBase = 5000; // choice code = this + article index
