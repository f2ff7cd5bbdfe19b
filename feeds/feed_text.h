#pragma once

#include <QString>
#include <QStringView>

// Turning the raw text of a feed element into what a reader shows: markup
// dropped, CDATA unwrapped, references decoded, white space folded.

// Longest title or link kept from a feed; longer ones are cut.
inline constexpr qsizetype kMaxFieldLength = 2000;

// Returns `s` with the character references (&#N; &#xN;) and the named
// entities decoded: the five of XML and the common HTML ones that feeds use
// without declaring them. An unknown or malformed reference stays as written.
[[nodiscard]] QString decodeEntities(QStringView s);

// Returns the XML text content of an element's raw inner text: tags and
// comments dropped, CDATA sections unwrapped (their content verbatim),
// references decoded outside CDATA.
[[nodiscard]] QString xmlTextContent(QStringView raw);

// Returns the visible text of an HTML fragment: tags dropped, references
// decoded.
[[nodiscard]] QString htmlToText(QStringView html);

// Returns `s` trimmed, with every run of white space, line breaks and control
// characters (no-break spaces included, ideographic spaces not) folded to one
// space, and cut to kMaxFieldLength characters.
[[nodiscard]] QString foldWhiteSpace(QStringView s);
