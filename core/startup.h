#pragma once

struct Mascot;

// Start-up of the mascot: the phases the main tick runs before the running
// phase. Each call does one tick's worth of work for the current phase.

// Set-up when the character's window is created: fills the fixed lists of
// the controls. Reads no file and draws nothing.
void Form_Load(Mascot& m);

void Phase0_FirstTick(Mascot& m);         // seed, mood, presence check
void Phase5_FirstRunSetup(Mascot& m);     // first-run values, pictures, first introduction step
void Phase96_IntroductionDone(Mascot& m); // save, reset, close the balloon
void Phase97_Load(Mascot& m);             // read the data file, character list
void Phase98_Greeting(Mascot& m);         // pictures, draw, greeting, feed update
void Phase99_GreetingPause(Mascot& m);    // about five seconds standing still

// Sets the values a first run starts with (also used when the stored
// character entry is invalid, over the loaded values).
void setFirstRunValues(Mascot& m);

// Leaves the greeting pause for the running phase.
void endGreetingPause(Mascot& m);

// Saves and ends the program. Before the state has been loaded nothing is
// written, so a quick quit never replaces the stored file with an empty state.
void Shuuryou(Mascot& m);

inline constexpr int kKeyEscape = 27;
// Key handler of the character's window (key codes as on the reference
// platform: 27 = Esc).
void Form_KeyDown(Mascot& m, int keyCode, int shift);
