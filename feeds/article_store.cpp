#include "feeds/article_store.h"

#include "settings/cp932.h"

#include <QSet>
#include <QUrl>

#include <algorithm>

namespace {

QString flattened(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

bool isAscii(const QString& s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

QStringList storedForms(const QStringList& texts) {
    // One conversion for the whole batch: the texts are joined with line
    // feeds, which code page 932 keeps as they are.
    QString joined;
    qsizetype total = 0;
    for (const QString& t : texts) {
        total += t.size() + 1;
    }
    joined.reserve(total);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i > 0) {
            joined.append(u'\n');
        }
        joined.append(flattened(texts[i]));
    }
    QStringList out = decodeCp932(encodeCp932(joined)).split(u'\n');
    if (out.size() != texts.size()) {
        // Cannot happen with the converter's output; stay correct anyway.
        out.clear();
        for (const QString& t : texts) {
            out.append(decodeCp932(encodeCp932(flattened(t))));
        }
    }
    return out;
}

QString storableLink(const QString& link) {
    if (isAscii(link)) {
        return link;
    }
    const QUrl url(link);
    if (!url.isValid()) {
        return link;
    }
    return url.toString(QUrl::FullyEncoded);
}

int insertNewArticles(MascotState& st, const std::vector<FeedItem>& items, const QString& feedUrl,
                      SeenArticles* seen) {
    // The novelty test compares with the store as it was before this
    // document; empty entries never match, as no stored title is empty.
    QSet<QString> known;
    known.reserve(kArticleSlots);
    for (int i = 1; i <= kArticleSlots; ++i) {
        if (!st.articleTitle[i].isEmpty()) {
            known.insert(st.articleTitle[i]);
        }
    }

    // Titles are put in stored form a batch at a time, until enough new
    // ones are found: a first fetch of a long feed converts few of them.
    // With a record of titles that left the store, every title is looked at,
    // so that those a feed still lists stay remembered.
    constexpr std::size_t kBatch = 128;
    constexpr auto kWanted = static_cast<std::size_t>(kMaxNewArticles);
    QStringList newTitles;
    std::vector<std::size_t> picked;
    for (std::size_t from = 0; from < items.size() && (seen || picked.size() < kWanted);
         from += kBatch) {
        const std::size_t to = std::min(items.size(), from + kBatch);
        QStringList batch;
        batch.reserve(static_cast<qsizetype>(to - from));
        for (std::size_t k = from; k < to; ++k) {
            batch.append(items[k].title);
        }
        const QStringList stored = storedForms(batch);
        for (std::size_t k = from; k < to; ++k) {
            const QString& title = stored[static_cast<qsizetype>(k - from)];
            if (title.isEmpty() || known.contains(title)) {
                continue;
            }
            if (seen && seen->contains(title)) {
                seen->note(title);
            } else if (picked.size() < kWanted) {
                picked.push_back(k);
                newTitles.append(title);
            }
        }
    }
    const int added = static_cast<int>(picked.size());
    if (added == 0) {
        return 0;
    }

    QStringList links;
    for (std::size_t k : picked) {
        links.append(storableLink(items[k].link));
    }
    links = storedForms(links);

    // What falls off the end is remembered, oldest first.
    if (seen) {
        for (int i = kArticleSlots - added + 1; i <= kArticleSlots; ++i) {
            seen->note(st.articleTitle[i]);
        }
    }
    // Move the kept entries down, from the end, then fill the head.
    for (int i = kArticleSlots; i > added; --i) {
        st.articleTitle[i] = std::move(st.articleTitle[i - added]);
        st.articleLink[i] = std::move(st.articleLink[i - added]);
        st.articleRead[i] = st.articleRead[i - added];
        st.articleFeedUrl[i] = std::move(st.articleFeedUrl[i - added]);
    }
    for (int j = 0; j < added; ++j) {
        const int i = j + 1;
        st.articleTitle[i] = newTitles[j];
        st.articleLink[i] = links[j];
        st.articleRead[i] = 0;
        st.articleFeedUrl[i] = feedUrl;
    }
    return added;
}
