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

QByteArray feedDocument(int feed) {
    QByteArray doc = "<rss version=\"2.0\"><channel><title>t</title>";
    for (int n = 0; n < kItemsPerFeed; ++n) {
        doc += QStringLiteral("<item><title>記事 %1-%2</title><link>http://127.0.0.1/%1/%2</link>"
                              "</item>")
                   .arg(feed)
                   .arg(n)
                   .toUtf8();
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

// Ten feeds list 250 articles; the 50 that fell off the store must not come
// back unread after a restart, and a record that cannot be trusted must cost
// no stored article.
TEST_F(SeenArticlesFile, ARestartKeepsWhatFellOffSeenAndABadRecordCostsNothing) {
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
    for (const Case& c : {Case{record, 0}, Case{junk, 0}, Case{std::nullopt, 50}, Case{stale, 50},
                          Case{record.left(10), 50}}) {
        QFile::remove(path(kSeenArticlesFileName));
        if (c.record) {
            writeFile(kSeenArticlesFileName, *c.record);
        }
        Mascot restarted(platform, QDir(dir.path()));
        JouhouYomikomi(restarted);
        EXPECT_TRUE(restarted.st.articleTitle == m.st.articleTitle);
        EXPECT_EQ(unread(restarted.st), 0);
        update(restarted);
        update(restarted);
        EXPECT_EQ(unread(restarted.st), c.unreadAfterUpdate);
        EXPECT_EQ(readFile(kDataFileName), dataFile);
    }
}

} // namespace
