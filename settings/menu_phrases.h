#pragma once

#include "core/mascot_state.h"

#include <array>

// What each character says in the choice menu, indexed by charIndex.

// The question that opens the main menu.
inline constexpr std::array<const char16_t*, kCharacterCount> kMenuPrompt = {
    u"何か用ですか？", u"何か用？",   u"何か用か？",     u"何か御用でしょうか？",
    u"何か用かしら？", u"なぁ～に？", u"何か用かしら？", u"何か用ですか？",
    u"うにゅ？",       u"何か用か？", u"どうしたの？",   u"何か用ですか？",
};

// The quit confirmation: an optional first line, then the question that
// carries the choices.
struct QuitLines {
    const char16_t* first; // nullptr: the character asks in one line
    const char16_t* second;
};
inline constexpr std::array<QuitLines, kCharacterCount> kQuitLines = {{
    {u"終了します。", u"いいですか？"},
    {u"終了するわ。", u"いいの？"},
    {u"終了するけど", u"いいか？"},
    {u"終了致します。", u"よろしいですか？"},
    {u"終了するけど", u"いいの？"},
    {u"終了するよー", u"いい？"},
    {u"終了するけど", u"いい？"},
    {u"終了します。", u"いいですか？"},
    {nullptr, u"終わるの？"},
    {u"終了するけど", u"いいか？"},
    {nullptr, u"終了するよ？"},
    {u"終了します。", u"いいですか？"},
}};

// Said instead of opening the feed panel when no feed is registered.
inline constexpr std::array<const char16_t*, kCharacterCount> kNoFeedNotice = {
    u"RSS登録をまず行ってください。",
    u"RSS登録をまず行って。",
    u"RSS登録をまずしてくれ。",
    u"RSS登録をまず行ってください。",
    u"RSS登録をまず行ってくれるかしら？",
    u"RSS登録をしてねー",
    u"RSS登録をまず行って",
    u"RSS登録をまず行ってください。",
    u"RSSが登録されてないよ。",
    u"RSS登録をまずしてくれ。",
    u"RSS登録をまずしてよ。",
    u"RSS登録をまず行ってください。",
};
