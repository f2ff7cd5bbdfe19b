#pragma once

#include <QtGlobal>

// What the shell judges presses on choices and buttons by (core/press_guard.h).

// Milliseconds on a steady clock: never set back by a change of the time.
[[nodiscard]] qint64 pressClockMs();

// The desktop's double-click interval in milliseconds.
[[nodiscard]] int doubleClickMs();
