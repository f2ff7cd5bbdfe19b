#pragma once

#include <QString>

struct Mascot;

// The speech call: every line the mascot says goes through Hanasu, which
// shows it in the balloon beside the character, optionally with a sound and
// up to seven choices.

inline constexpr int kDefaultBalloonWidth = 3000;  // twips
inline constexpr int kDefaultBalloonHeight = 1800; // twips
inline constexpr int kDefaultLineSeconds = 3;
inline constexpr int kMenuSeconds = 1000;      // with choices: stays until closed
inline constexpr int kLastingBalloon = 999;    // durations above this never run out
inline constexpr int kChoiceLabelHeight = 255; // twips
inline constexpr int kRunningOffset = 80;      // pixels right of the character
inline constexpr int kGreetingPauseOffset = 105;
inline constexpr int kPanelOpenOffset = 105;

// Shows `text` in the balloon. `width`/`height` in twips (0 = default),
// `sound` "" for none, a file in SOUND, or "BEEP"; `seconds` this line adds
// (0 = 3); `choices` how many of choiceText to offer (0..7).
void Hanasu(Mascot& m, const QString& text, int width, int height, const QString& sound,
            int seconds, int choices);

// Closes the balloon and its choices and resets its timing and panelMode.
void HanasuKesu(Mascot& m);

// Plays one sound by name, when sounds are on.
void OtoNare(Mascot& m, const QString& sound);

// Where an element `width` x `height` twips goes beside the character: to
// its left when there is room, else `offset` pixels right of its left edge;
// 450 twips below its top unless that crosses the screen's bottom.
struct BesidePosition {
    int left = 0;
    int top = 0;
};
[[nodiscard]] BesidePosition placeBeside(const Mascot& m, int width, int height, int offset);

// Moves the balloon beside the character.
void placeBalloon(Mascot& m, int offset);

// Counts one more second when the clock's seconds have changed, and closes
// the balloon when its time is up.
void balloonCountdown(Mascot& m);
