#pragma once

struct Mascot;

// The choices shown under the balloon and what each one does.

// Action codes carried by the choices.
namespace ActionCode {
inline constexpr int ConfirmQuit = 100;
inline constexpr int Quit = 101;
inline constexpr int Close = 200;
inline constexpr int Settings = 300;
inline constexpr int Feeds = 400;
inline constexpr int Talk = 600;
inline constexpr int Alarm = 700;
inline constexpr int OpenArticle = 5000; // + article number 1..200
inline constexpr int SetPhase = 6000;    // + phase
} // namespace ActionCode

// A right press on the character with no drag under way: closes the balloon,
// else the open panel, else opens the main menu.
void SentakuHiraku(Mascot& m);

// A press of any mouse button on choice label `index` (0..6) runs the
// action code of that choice.
void Sentaku_MouseDown(Mascot& m, int index);

// Runs one action code.
void runAction(Mascot& m, int code);

// The pointer moved over choice label `index`: it alone takes the hover
// colour, which stays until the pointer touches another label.
void Sentaku_MouseMove(Mascot& m, int index);
