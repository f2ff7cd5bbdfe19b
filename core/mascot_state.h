#pragma once

#include "core/slots.h"

#include <QString>

#include <array>

// Everything the mascot knows while it runs, in one plain record. Field names
// are the ones used throughout the program's logic and its data file. Whole
// numbers are held as int: values that go to the data file are kept within
// 16 bits when they are written, and every twips computation has room for any
// screen.

enum class Facing : int { Front = 0, Left = 1, Back = 2, Right = 3 };

// What is open beside the character.
namespace PanelMode {
inline constexpr int None = 0;
inline constexpr int Menu = 1;
inline constexpr int Settings = 2;
inline constexpr int Feeds = 3;
inline constexpr int Alarm = 4;
} // namespace PanelMode

// Start-up and running phases of the main tick.
namespace Phase {
inline constexpr int FirstTick = 0;
inline constexpr int FirstRunSetup = 5;
inline constexpr int IntroductionFirst = 6;
inline constexpr int IntroductionLast = 30;
inline constexpr int IntroductionDone = 96;
inline constexpr int Load = 97;
inline constexpr int Greeting = 98;
inline constexpr int GreetingPause = 99;
inline constexpr int Running = 100;
} // namespace Phase

inline constexpr int kFeedSlots = 10;
inline constexpr int kArticleSlots = 200;
inline constexpr int kChoiceLabels = 7;
inline constexpr int kCharacterCount = 12;

struct MascotState {
    // Settings (stored).
    QString masterName;
    int soundOn = 0;
    int timeSignalOn = 0;
    int chatterOn = 0;
    int normalTalkOn = 0;
    int feedTalkOn = 0;
    int autoFetchMode = 0;
    int talkInterval = 0;
    int walkInterval = 0;
    int displayScale = 0;
    int charEntry = 0;
    QString browserPath;
    QString alarmTime;

    // Feeds and articles (stored).
    Slots<QString, kFeedSlots> feedName;
    Slots<QString, kFeedSlots> feedUrl;
    QString lastFetchText;
    Slots<QString, kArticleSlots> articleTitle;
    Slots<QString, kArticleSlots> articleLink;
    Slots<int, kArticleSlots> articleRead;
    Slots<QString, kArticleSlots> articleFeedUrl;

    // Character and motion.
    int charIndex = 0;
    int posX = 0;   // stored
    int posY = 0;   // stored
    int pinned = 0; // stored
    int facing = 0;
    int stepFrame = 0;
    int stepDX = 0;
    int stepDY = 0;
    int legActive = 0;
    int throwFacing = 0;
    int stepTicks = 0;
    int legRoll = 0;
    int blinkPhase = 0;
    int blinkCounter = 0;
    int mood = 0;

    // Mouse (positions in twips).
    int mouseHeld = 0;
    int pressX = 0;
    int pressY = 0;
    int dragLastX = 0;
    int dragLastY = 0;

    // Balloon, menu and panels.
    int balloonShown = 0;
    int balloonSeconds = 0;
    int balloonDuration = 0;
    QString balloonClock;
    int panelMode = PanelMode::None;
    std::array<QString, kChoiceLabels> choiceText;
    std::array<int, kChoiceLabels> choiceCode{};

    // Clock and run control.
    int phase = Phase::FirstTick;
    QString nowHHNN;
    QString lastHHNN;
    int talkMinutes = 0;
    int fetchMinutes = 0;
    int dataFileFound = 0;
};
