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

// Keeps what the mascot has now for the next run, for every way the
// program ends: reads the feed documents that have already arrived, then
// writes the data file. Before the state has been loaded nothing is written,
// so a quick end never replaces the stored file with an empty state.
// Returns true when the file was written.
bool saveForEnd(Mascot& m);

// Saves (saveForEnd) and ends the program: the one way out, whatever asks
// for it (Esc, the menu, the desktop's session, a window closed).
void Shuuryou(Mascot& m);

// The program was started again on the same data folder: the character
// greets the user again, so the user sees where it is. Only while it runs
// with nothing open and nothing said; otherwise it is in view already.
void secondStart(Mascot& m);

inline constexpr int kKeyEscape = 27;
// Key handler of the character's window (key codes as on the reference
// platform: 27 = Esc).
void Form_KeyDown(Mascot& m, int keyCode, int shift);
