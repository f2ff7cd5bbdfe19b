#pragma once

#include "feeds/feed_item.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// Cuts the articles out of a feed document's text, in document order.
// Titles and links come out as a reader shows them (see feed_text.h).
//
// Feeds with item blocks (RSS 0.9x/2.0 and RDF <item>, Atom <entry>) give
// one article per block, its title and link both taken from inside that
// block, in either order; nothing outside the blocks is taken. A block
// without a title or a link gives nothing. Other documents are read by their
// literal <title> and <link> tags, paired in the order the root's version
// attribute calls for. No input can make it loop, read out of range or fail.
[[nodiscard]] std::vector<FeedItem> scanFeed(QStringView doc);

// The articles of the item blocks, or nothing when the document has none.
[[nodiscard]] std::optional<std::vector<FeedItem>> scanItemBlocks(QStringView doc);

// The version that decides the pairing of literal tags: the value of the
// second "version" in the document (the one after the XML declaration's), if
// it is one of "0.91", "0.92", "0.93", "0.94", "2.0"; otherwise empty.
[[nodiscard]] QString feedVersion(QStringView doc);

// Reads a document by its literal tags: after the first "<title>" (the
// channel's own), with a version each "<title>" is paired with the
// "<link>" after it, without one each "<link>" with the "<title>" after it.
// A missing tag ends the scan.
[[nodiscard]] std::vector<FeedItem> scanLiteralTags(QStringView doc);
