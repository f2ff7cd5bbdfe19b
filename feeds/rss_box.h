#pragma once

struct Mascot;

// The feed panel's behaviour. The shell mirrors m.RssBox and forwards the
// user's input to the handlers below.

// Mouse buttons as the handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// Opens the feed panel beside the character (the menu's "RSSメニュー"): the
// last-fetch label, the feed selector with its first feed chosen, that feed's
// articles, placement, visible, panelMode 3. Returns false and opens nothing
// when the first feed slot has no name; the caller then speaks its notice.
bool RssBoxHiraku(Mascot& m);

// Fills the feed selector with the named feeds, in slot order.
void RssMeiIchiran(Mascot& m);

// Fills the article list with the chosen feed's articles, newest first, each
// marked read ("済 ") or unread ("　 "). Does nothing when no feed is chosen.
void KijiIchiran(Mascot& m);

// The user chose entry `index` of the feed selector.
void Combo2_Click(Mascot& m, int index);

// The user selected line `index` of the article list (-1 none).
void List2_Click(Mascot& m, int index);

// A double-click on a line of the article list: opens the selected article.
void List2_DblClick(Mascot& m);

// A press on label button `index` (0 update, 1 open article, 2 close); only
// the left button acts.
void RssLButton_MouseDown(Mascot& m, int index, int button, int shift, int x, int y);

// The pointer moved over label button `index`: it alone takes the hover
// colour, which stays until another button is touched.
void RssLButton_MouseMove(Mascot& m, int index, int button, int shift, int x, int y);
