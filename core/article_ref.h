#pragma once

#include "core/mascot_state.h"

#include <QString>

#include <optional>

// An article as it was shown to the user (read aloud, or a line of the feed
// panel): where it stood in the store then, and what it was. An update may
// shift the store before the user acts on it; the reference then still
// finds the same article, or finds that it has gone.
struct ArticleRef {
    int index = 0; // 1..kArticleSlots when it was shown
    QString title;
    QString link;
    QString feedUrl;
    bool operator==(const ArticleRef&) const = default;
};

// REQUIRES: 1 <= index <= kArticleSlots.
[[nodiscard]] ArticleRef articleRef(const MascotState& st, int index);

// Returns where the article stands now: at its old place if it is still
// there, else the nearest place below it (new articles only push the store
// down), else anywhere; std::nullopt once it has left the store.
[[nodiscard]] std::optional<int> findArticle(const MascotState& st, const ArticleRef& ref);
