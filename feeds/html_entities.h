#pragma once

#include <QStringView>

#include <optional>

// Returns the character of a named reference ("amp", "eacute", "hellip"):
// the five of XML and those of HTML 4, which feeds use without declaring
// them. Names are case-sensitive.
[[nodiscard]] std::optional<char32_t> namedEntity(QStringView name);
