#pragma once

#include "settings/settei_model.h"

#include <QString>

struct Mascot;

// The settings panel: opening it from the state, what its controls do, and
// OK copying the controls back and saving. Feed edits ("追加", "変更",
// "削除") change the registered feeds at once, whatever OK or CANCEL follows.

// Opens the panel beside the character (the menu's "設定変更する", after the
// balloon is closed): fills the controls from the state, shown values kept
// within the bars' ranges, lists the feeds, and makes it the open panel. The
// feed name and address boxes keep what they last held.
void SetteiHiraku(Mascot& m);

// A press of mouse `button` (1 left) on button `index` (see SetteiButton).
// Only the left button acts.
void STButton_MouseDown(Mascot& m, int index, int button);

// The pointer moved over button `index`: it alone takes the hover colour,
// which stays until the pointer touches another button.
void STButton_MouseMove(Mascot& m, int index);

// The move-speed bar (HScroll1) or the talk-interval bar (HScroll2) now
// stands at `value` (kept within its range): its label follows. The state
// changes only on OK.
void HScroll1_Change(Mascot& m, int value);
void HScroll2_Change(Mascot& m, int value);

// Check box `index` (see SetteiCheck) now shows `value` (nonzero = checked).
void STCheck_Click(Mascot& m, int index, int value);

// The user chose row `index` of the automatic-fetch list or of the
// character list. Rows that do not exist are ignored.
void Combo1_Click(Mascot& m, int index);
void Combo3_Click(Mascot& m, int index);

// Text box `box` now holds `text`, as typed. Line breaks are dropped: every
// box holds one value, one line of the data file.
void SetteiText_Change(Mascot& m, SetteiBox box, const QString& text);

// The user selected row `row` of the feed list (-1 none): a registered feed
// is copied into the name and address boxes, "--新規作成--" empties them.
void List1_Click(Mascot& m, int row);

// Rebuilds the feed list from the feed slots: one row per registered feed,
// then "--新規作成--" while fewer than ten are registered. Nothing selected.
void TourokuIchiran(Mascot& m);
