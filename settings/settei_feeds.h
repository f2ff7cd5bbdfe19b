#pragma once

struct Mascot;

// The feed list of the settings panel. The registered feeds fill slots 1 to
// n without gaps, and row r of the list shows slot r + 1; every edit keeps it
// so. Each edit changes the state at once and rebuilds the list.

// "削除": removes the feed of the selected row and closes the gap. Nothing
// happens without a selected feed.
void deleteFeed(Mascot& m);

// Both edits below register the address in the form it is fetched in (see
// takeFeedAddress); an address box that holds no address is refused, and
// the panel shows it.

// "追加": registers the name and address boxes in the first free slot. Needs
// a name, an address and a free slot; the selected row does not matter.
void addFeed(Mascot& m);

// "変更": the selected feed takes the name and address boxes; with
// "--新規作成--" selected they fill the first free slot. An empty name is
// refused, since a nameless slot in the middle would break the list.
void changeFeed(Mascot& m);
