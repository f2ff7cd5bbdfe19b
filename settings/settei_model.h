#pragma once

#include "core/controls.h"

#include <QRgb>
#include <QStringList>

#include <array>

// The settings panel beside the character: every control it shows, as the
// shell mirrors it. Geometry in twips relative to the panel.

inline constexpr int kSetteiWidth = 409 * kTwipsPerPixel;
inline constexpr int kSetteiHeight = 385 * kTwipsPerPixel;
inline constexpr int kSetteiTitlePoints = 12;

// Ranges of the two bars: move speed (walkInterval = 41 - value) and the
// minutes between spontaneous talks.
inline constexpr int kMoveSpeedMin = 1;
inline constexpr int kMoveSpeedMax = 40;
inline constexpr int kTalkIntervalMin = 1;
inline constexpr int kTalkIntervalMax = 10;

// The last row of the feed list while a slot is free.
inline const QString kNewFeedRow = QStringLiteral("--新規作成--");

// Button grounds: plain, and the one the pointer touched last.
inline constexpr QRgb kSTButtonPlain = qRgb(255, 255, 255);
inline constexpr QRgb kSTButtonHover = qRgb(255, 150, 150);

// Indices of the labels (`SetteiMoji`).
namespace SetteiLabel {
inline constexpr int Title = 0;
inline constexpr int MasterName = 1;
inline constexpr int MoveSpeed = 2;    // "移動速度:" + bar value
inline constexpr int TalkInterval = 3; // "話しかけてくる頻度:" + bar value + "分"
inline constexpr int TalkContent = 4;
inline constexpr int AutoFetch = 5;
inline constexpr int Feeds = 6;
inline constexpr int FeedName = 7;
inline constexpr int FeedUrl = 8;
inline constexpr int Browser = 9;
inline constexpr int Count = 10;
} // namespace SetteiLabel

// Indices of the check boxes (`STCheck`); there is no box 3.
namespace SetteiCheck {
inline constexpr int TimeSignal = 0;
inline constexpr int Chatter = 1;
inline constexpr int Sound = 2;
inline constexpr int NormalTalk = 4;
inline constexpr int FeedTalk = 5;
inline constexpr int Count = 6;
} // namespace SetteiCheck

// Indices of the buttons (`STButton`).
namespace SetteiButton {
inline constexpr int Ok = 0;
inline constexpr int Cancel = 1;
inline constexpr int Delete = 2; // "削除"
inline constexpr int Add = 3;    // "追加"
inline constexpr int Change = 4; // "変更"
inline constexpr int Count = 5;
} // namespace SetteiButton

// The text boxes: the master's name, the feed name and address being
// edited, and the browser.
enum class SetteiBox { SetteiText, Text1, Text2, Text3 };

// Selection and place of a drop-down list; its rows are kept beside it.
struct DropDownModel {
    TwipsRect geometry;
    bool visible = true;
    int ListIndex = -1;
    bool operator==(const DropDownModel&) const = default;
};

struct SetteiModel : PanelModel {
    SetteiModel();

    std::array<LabelModel, SetteiLabel::Count> SetteiMoji; // on the panel's ground
    TextBoxModel SetteiText;                               // master's name
    TextBoxModel Text1;                                    // feed name being edited
    TextBoxModel Text2;      // feed address being edited (two lines high)
    TextBoxModel Text3;      // browser (two lines high)
    ScrollBarModel HScroll1; // move speed
    ScrollBarModel HScroll2; // talk interval
    std::array<CheckBoxModel, SetteiCheck::Count> STCheck;
    QStringList Combo1; // automatic fetch: row = autoFetchMode (filled at window set-up)
    DropDownModel Combo1Box;
    QStringList Combo3; // the character list, index order (filled by the character list)
    DropDownModel Combo3Box;
    ListBoxModel List1; // registered feeds, then "--新規作成--" while a slot is free
    std::array<LabelModel, SetteiButton::Count> STButton;

    bool operator==(const SetteiModel&) const = default;
};

// The text box `box` of the panel.
[[nodiscard]] TextBoxModel& setteiBox(SetteiModel& s, SetteiBox box);
