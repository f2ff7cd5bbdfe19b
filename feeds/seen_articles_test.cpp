#include "feeds/article_store.h"
#include "feeds/rss_koushin.h"
#include "feeds/seen_articles.h"
#include "feeds/seen_articles_file.h"
#include "settings/data_file.h"
#include "tests/support/mascot_fixture.h"

#include <QFile>

#include <optional>

namespace {

constexpr int kFeeds = 10;
constexpr int kItemsPerFeed = 25; // together more than the store holds

QString feedUrl(int feed) {
    return QStringLiteral("http://127.0.0.1/feed%1.xml").arg(feed);
}

std::vector<FeedItem> feedItems(int feed) {
    std::vector<FeedItem> items;
    for (int n = 0; n < kItemsPerFeed; ++n) {
        items.push_back({QStringLiteral("記事 %1-%2").arg(feed).arg(n),
                         QStringLiteral("http://127.0.0.1/%1/%2").arg(feed).arg(n)});
    }
    return items;
}

QByteArray feedDocument(int feed) {
    QByteArray doc = "<rss version=\"2.0\"><channel><title>t</title>";
    for (const FeedItem& item : feedItems(feed)) {
        doc += "<item><title>" + item.title.toUtf8() + "</title><link>" + item.link.toUtf8() +
               "</link></item>";
    }
    return doc + "</channel></rss>";
}

int unread(const MascotState& st) {
    int n = 0;
    for (int i = 1; i <= kArticleSlots; ++i) {
        n += !st.articleTitle[i].isEmpty() && st.articleRead[i] == 0;
    }
    return n;
}

void readAll(MascotState& st) {
    st.articleRead.fill(1);
}

TEST(SeenArticles, WhatFellOffTheStoreDoesNotComeBackAsNew) {
    MascotState st;
    SeenArticles seen;
    for (int f = 0; f < kFeeds; ++f) {
        insertNewArticles(st, feedItems(f), feedUrl(f), &seen);
    }
    ASSERT_EQ(unread(st), kArticleSlots);
    readAll(st);
    for (int update = 0; update < 2; ++update) {
        for (int f = 0; f < kFeeds; ++f) {
            EXPECT_EQ(insertNewArticles(st, feedItems(f), feedUrl(f), &seen), 0) << f;
        }
    }
    EXPECT_EQ(unread(st), 0);
    // What a feed really adds still comes in.
    EXPECT_EQ(insertNewArticles(st, {{QStringLiteral("新着"), QStringLiteral("http://x/")}},
                                feedUrl(0), &seen),
              1);
}

TEST(SeenArticles, KeepsWhatWasSeenLastWithinItsBound) {
    SeenArticles seen(3);
    for (const char* t : {"a", "b", "c"}) {
        seen.note(QString::fromLatin1(t));
    }
    // Listed again by a feed: seen anew, so "b" is now the one seen longest ago.
    MascotState st;
    EXPECT_EQ(insertNewArticles(st, {{QStringLiteral("a"), QStringLiteral("http://x/a")}},
                                feedUrl(0), &seen),
              0);
    seen.note(QStringLiteral("d"));
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen.contains(QStringLiteral("a")));
    EXPECT_FALSE(seen.contains(QStringLiteral("b")));
    EXPECT_TRUE(seen.contains(QStringLiteral("c")));
    EXPECT_TRUE(seen.contains(QStringLiteral("d")));

    // Read back in the same order, it forgets the same one next.
    SeenArticles again(3);
    ASSERT_TRUE(again.decode(seen.encode(42), 42));
    again.note(QStringLiteral("e"));
    EXPECT_FALSE(again.contains(QStringLiteral("c")));
    EXPECT_TRUE(again.contains(QStringLiteral("a")));
}

class SeenArticlesFile : public MascotTest {
protected:
    void SetUp() override {
        startRunning();
        for (int f = 0; f < kFeeds; ++f) {
            m.st.feedName[f + 1] = QStringLiteral("フィード%1").arg(f);
            m.st.feedUrl[f + 1] = feedUrl(f);
        }
    }
    static void update(Mascot& mascot) {
        for (int f = 0; f < kFeeds; ++f) {
            RssKoushin(mascot, feedUrl(f), feedDocument(f));
        }
    }
};

TEST_F(SeenArticlesFile, TheRecordOutlivesARestart) {
    update(m);
    readAll(m.st);
    ASSERT_TRUE(JouhouHozon(m));
    const QByteArray dataFile = readFile(kDataFileName);
    EXPECT_EQ(dataFile.count("\r\n"), kDataFileLines);

    Mascot restarted(platform, QDir(dir.path()));
    JouhouYomikomi(restarted);
    update(restarted);
    update(restarted);
    EXPECT_EQ(unread(restarted.st), 0);
}

TEST_F(SeenArticlesFile, AMissingDamagedOrStaleRecordCostsNoStoredArticle) {
    update(m);
    readAll(m.st);
    ASSERT_TRUE(JouhouHozon(m));
    const QByteArray record = readFile(kSeenArticlesFileName);
    ASSERT_FALSE(record.isEmpty());
    const QByteArray dataFile = readFile(kDataFileName);

    QByteArray stale = record;
    stale[8] = stale[8] == '0' ? '1' : '0'; // written with other stored titles
    QByteArray junk = record;
    junk.insert(junk.indexOf('\n') + 1, "zz\n\n0123\n"); // hand-edited: the rest still counts
    struct Case {
        std::optional<QByteArray> record;
        int unreadAfterUpdate; // the 50 that fell off before come back when not trusted
    };
    for (const Case& c :
         {Case{std::nullopt, 50}, Case{stale, 50}, Case{record.left(10), 50}, Case{junk, 0}}) {
        QFile::remove(path(kSeenArticlesFileName));
        if (c.record) {
            writeFile(kSeenArticlesFileName, *c.record);
        }
        Mascot restarted(platform, QDir(dir.path()));
        JouhouYomikomi(restarted);
        EXPECT_TRUE(restarted.st.articleTitle == m.st.articleTitle);
        EXPECT_EQ(unread(restarted.st), 0);
        update(restarted);
        EXPECT_EQ(unread(restarted.st), c.unreadAfterUpdate);
        EXPECT_EQ(readFile(kDataFileName), dataFile);
    }
}

} // namespace
