#pragma once

struct Mascot;

// The mascot out of sight: put away by the user, or keeping out of the way of
// a fullscreen window on its screen. Hidden, it does not walk, talk or wake
// for anything but the clock's minutes; the alarm still rings and brings the
// character back.

enum class HideCause { User, Fullscreen };

struct Hiding {
    bool byUser = false;
    bool byFullscreen = false;
    // The alarm shows the character over a fullscreen window until the
    // balloon that carries its lines closes.
    bool alarmShowing = false;
};

// Returns whether the mascot's windows are to be out of sight now.
[[nodiscard]] bool isHidden(const Mascot& m);

// Sets or clears one cause of hiding. Going out of sight ends a drag and
// closes a passing line; a menu and an open panel wait for the return.
// The user bringing it back also overrides a fullscreen window, until the
// next one takes the focus.
void setHidden(Mascot& m, HideCause cause, bool hidden);

// The alarm rings: the character is shown, whatever hid it.
void showForAlarm(Mascot& m);

// Called at the start of each running tick: ends the alarm's showing once
// its balloon has closed. Returns isHidden(m).
bool hidingTick(Mascot& m);
