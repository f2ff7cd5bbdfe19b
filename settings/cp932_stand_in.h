#pragma once

#include <optional>
#include <string_view>

// Stand-ins for characters that code page 932 lacks and that no Unicode
// decomposition brings back to one it has: its own dash for the em dash,
// ASCII for the en dash and the letters of Latin scripts without a base
// letter (ø, ł, ß, æ …), quotes for the low quotes of German and Polish,
// the middle dot for bullets, spaces for line separators.

// Returns the text written for `codePoint`, or nothing when it has no
// stand-in. Every text returned is held by the code page as it is.
[[nodiscard]] std::optional<std::u16string_view> cp932StandIn(char32_t codePoint);
