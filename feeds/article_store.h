#pragma once

#include "core/mascot_state.h"
#include "feeds/feed_item.h"
#include "feeds/seen_articles.h"

#include <QString>
#include <QStringList>

#include <vector>

// The article store: 200 articles from all feeds, newest first, kept in
// four parallel lists of the state record.

// Most new articles one document adds.
inline constexpr int kMaxNewArticles = 100;

// Returns each text as the data file gives it back after a save and a
// restart: through code page 932 and back, line breaks as spaces.
[[nodiscard]] QStringList storedForms(const QStringList& texts);

// Returns `link` as it is stored: an address with characters outside ASCII
// is written percent-encoded, so that it survives the data file unchanged.
[[nodiscard]] QString storableLink(const QString& link);

// Puts the articles of one document of `feedUrl` that the store does not
// know at its head, in document order, and returns how many. An article is
// known when its title, in stored form, equals any stored title; titles are
// not compared among the document's own articles. Empty titles are never
// stored; only the first kMaxNewArticles new ones are taken. The oldest
// articles fall off the end; known ones keep their place and read mark.
// With `seen`, a title it holds is known as well (and noted again as just
// seen), and the titles that fall off the end are noted in it.
int insertNewArticles(MascotState& st, const std::vector<FeedItem>& items, const QString& feedUrl,
                      SeenArticles* seen = nullptr);
