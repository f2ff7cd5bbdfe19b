// Reading one large feed into a full article store: decode, scan, insert.

#include "core/mascot_state.h"
#include "feeds/article_store.h"
#include "feeds/feed_decode.h"
#include "feeds/feed_scanner.h"

#include <benchmark/benchmark.h>

#include <QByteArray>

namespace {

constexpr int kItems = 1000;

// An RSS 2.0 news feed of about 1 MB: 1,000 items with Japanese titles,
// links, guids, dates and CDATA descriptions.
QByteArray largeFeed(const char* titleStem) {
    QByteArray doc =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<rss version=\"2.0\" xmlns:atom=\"http://www.w3.org/2005/Atom\">\n"
        "<channel><title>ベンチマーク新聞</title><link>https://bench.example.jp/</link>\n"
        "<image><title>ロゴ</title><url>https://bench.example.jp/logo.png</url>"
        "<link>https://bench.example.jp/</link></image>\n";
    const QByteArray body = QString(QStringLiteral("本文の段落です。")).repeated(28).toUtf8();
    for (int i = 0; i < kItems; ++i) {
        const QByteArray n = QByteArray::number(i);
        doc += "<item>\n<title>" + QByteArray(titleStem) + n +
               "：地域の話題と &amp; 季節の便り</title>\n"
               "<link>https://bench.example.jp/articles/2026/12/" +
               n +
               "?ref=rss&amp;x=1</link>\n"
               "<guid isPermaLink=\"true\">https://bench.example.jp/articles/2026/12/" +
               n +
               "</guid>\n<pubDate>Wed, 09 Dec 2026 09:00:00 +0900</pubDate>\n"
               "<category>社会</category>\n<description><![CDATA[<p>" +
               body + "</p>]]></description>\n</item>\n";
    }
    return doc + "</channel></rss>\n";
}

MascotState fullStore() {
    MascotState st;
    for (int i = 1; i <= kArticleSlots; ++i) {
        st.articleTitle[i] = QStringLiteral("以前の記事 %1").arg(i);
        st.articleLink[i] = QStringLiteral("https://old.example.jp/%1").arg(i);
        st.articleFeedUrl[i] = QStringLiteral("https://old.example.jp/rss");
    }
    return st;
}

void readFeed(benchmark::State& state, const QByteArray& doc, const MascotState& store) {
    const QString url = QStringLiteral("https://bench.example.jp/rss");
    for (auto _ : state) {
        MascotState st = store;
        SeenArticles seen; // as the program reads a feed: with the record of what left the store
        const std::vector<FeedItem> items = scanFeed(decodeFeedDocument(doc));
        benchmark::DoNotOptimize(insertNewArticles(st, items, url, &seen));
    }
    state.SetBytesProcessed(state.iterations() * doc.size());
    state.counters["document_bytes"] = static_cast<double>(doc.size());
}

// A first fetch: every item is new, the first 100 are taken.
void BM_ScanAndInsertNewFeed(benchmark::State& state) {
    readFeed(state, largeFeed("ニュース見出し"), fullStore());
}
BENCHMARK(BM_ScanAndInsertNewFeed)->Unit(benchmark::kMillisecond);

// A repeated fetch: every title is compared with the whole store.
void readKnownFeed(benchmark::State& state, const char* title) {
    const QByteArray doc = largeFeed(title);
    MascotState st = fullStore();
    const std::vector<FeedItem> items = scanFeed(decodeFeedDocument(doc));
    // The store then holds 200 of this feed's titles: nothing is new.
    insertNewArticles(st, items, QStringLiteral("https://bench.example.jp/rss"));
    insertNewArticles(st, std::vector<FeedItem>(items.begin() + 100, items.end()),
                      QStringLiteral("https://bench.example.jp/rss"));
    readFeed(state, doc, st);
}

void BM_ScanAndInsertKnownFeed(benchmark::State& state) {
    readKnownFeed(state, "ニュース見出し");
}
BENCHMARK(BM_ScanAndInsertKnownFeed)->Unit(benchmark::kMillisecond);

// The same with a title in every item that code page 932 cannot hold as it
// is (accents, a dash, an emoji): each is converted character by character.
void BM_ScanAndInsertKnownAccentedFeed(benchmark::State& state) {
    readKnownFeed(state, "Notícias – Über 🚀 ");
}
BENCHMARK(BM_ScanAndInsertKnownAccentedFeed)->Unit(benchmark::kMillisecond);

} // namespace
