#pragma once

#include <QString>

#include <optional>

// Feed addresses as users paste them. Returns the http or https address the
// downloader takes for `typed`, or nothing when it is not one and cannot be
// made one without guessing. Put right, as each has only one reading:
// surrounding spaces (also full-width ones) and angle brackets, the feed
// scheme ("feed://host/…" is http, "feed:https://…" the address after it),
// a missing scheme ("example.jp/rss.xml", "//example.jp/rss.xml" are http),
// the "ttp://" of addresses written so as not to be links, and the scheme's
// case. Refused: other schemes, a scheme with one slash, a doubled scheme,
// spaces inside, a bare word or file name where the host would stand.
[[nodiscard]] std::optional<QString> feedAddress(const QString& typed);
