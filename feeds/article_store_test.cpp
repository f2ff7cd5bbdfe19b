#include "feeds/article_store.h"
#include "settings/data_file.h"

#include <gtest/gtest.h>

namespace {

using Items = std::vector<FeedItem>;

const QString kFeedA = QStringLiteral("https://a.example.jp/rss");
const QString kFeedB = QStringLiteral("https://b.example.jp/rss");

QString numbered(const char* stem, int n) {
    return QString::fromLatin1(stem) + QString::number(n);
}

Items itemsNamed(const char* stem, int count) {
    Items items;
    for (int n = 1; n <= count; ++n) {
        items.push_back(
            {numbered(stem, n), QStringLiteral("https://x.example/") + numbered(stem, n)});
    }
    return items;
}

void storeOld(MascotState& st, int count) {
    for (int i = 1; i <= count; ++i) {
        st.articleTitle[i] = numbered("old ", i);
        st.articleLink[i] = QStringLiteral("https://old.example/") + QString::number(i);
        st.articleRead[i] = i % 2;
        st.articleFeedUrl[i] = kFeedB;
    }
}

TEST(ArticleStore, NewArticlesGoToTheHeadInDocumentOrderAndTheOldestFallOff) {
    MascotState st;
    storeOld(st, 150);
    EXPECT_EQ(insertNewArticles(st, itemsNamed("new ", 60), kFeedA), 60);
    for (int i = 1; i <= 60; ++i) {
        EXPECT_EQ(st.articleTitle[i], numbered("new ", i));
        EXPECT_EQ(st.articleLink[i], QStringLiteral("https://x.example/") + numbered("new ", i));
        EXPECT_EQ(st.articleRead[i], 0);
        EXPECT_EQ(st.articleFeedUrl[i], kFeedA);
    }
    for (int i = 61; i <= 200; ++i) {
        const int old = i - 60;
        EXPECT_EQ(st.articleTitle[i], numbered("old ", old));
        EXPECT_EQ(st.articleLink[i], QStringLiteral("https://old.example/") + QString::number(old));
        EXPECT_EQ(st.articleRead[i], old % 2);
        EXPECT_EQ(st.articleFeedUrl[i], kFeedB);
    }
}

TEST(ArticleStore, AKnownTitleFromAnyFeedIsNotAddedAgain) {
    MascotState st;
    storeOld(st, 3); // "old 1" read, from feed B
    const Items doc{{QStringLiteral("fresh"), QStringLiteral("https://x/1")},
                    {QStringLiteral("old 1"), QStringLiteral("https://elsewhere/")},
                    {QString(), QStringLiteral("https://x/empty")}};
    EXPECT_EQ(insertNewArticles(st, doc, kFeedA), 1);
    EXPECT_EQ(st.articleTitle[1], u"fresh");
    EXPECT_EQ(st.articleTitle[2], u"old 1");
    EXPECT_EQ(st.articleRead[2], 1);
    EXPECT_EQ(st.articleLink[2], u"https://old.example/1");
    EXPECT_EQ(st.articleFeedUrl[2], kFeedB);
    EXPECT_EQ(st.articleTitle[5], QString());
    // The same document again brings nothing.
    const MascotState before = st;
    EXPECT_EQ(insertNewArticles(st, doc, kFeedA), 0);
    EXPECT_TRUE(st.articleTitle == before.articleTitle && st.articleRead == before.articleRead);
}

TEST(ArticleStore, AtMostAHundredNewOnesAndRepeatsInOneDocumentCountTwice) {
    MascotState st;
    EXPECT_EQ(insertNewArticles(st, itemsNamed("n", 150), kFeedA), 100);
    EXPECT_EQ(st.articleTitle[1], u"n1");
    EXPECT_EQ(st.articleTitle[100], u"n100");
    EXPECT_EQ(st.articleTitle[101], QString());

    MascotState twice;
    const Items doc{{QStringLiteral("same"), QStringLiteral("https://x/1")},
                    {QStringLiteral("same"), QStringLiteral("https://x/2")}};
    EXPECT_EQ(insertNewArticles(twice, doc, kFeedA), 2);
    EXPECT_EQ(twice.articleLink[1], u"https://x/1");
    EXPECT_EQ(twice.articleLink[2], u"https://x/2");
}

TEST(ArticleStore, TitlesAreStoredAsTheDataFileGivesThemBack) {
    MascotState st;
    const Items doc{
        {QStringLiteral("猫🐈の日"), QStringLiteral("https://x.example/猫/🐈?q=あ")},
        {QStringLiteral("セール〜12日まで"), QStringLiteral("https://x.example/sale")},
    };
    ASSERT_EQ(insertNewArticles(st, doc, kFeedA), 2);
    // Saved and read back after a restart, they are the same...
    MascotState reloaded;
    decodeDataFile(encodeDataFile(st), reloaded);
    EXPECT_EQ(reloaded.articleTitle[1], st.articleTitle[1]);
    EXPECT_EQ(reloaded.articleTitle[2], st.articleTitle[2]);
    EXPECT_EQ(reloaded.articleLink[1], st.articleLink[1]);
    // ...so the next fetch of the same document knows them.
    EXPECT_EQ(insertNewArticles(reloaded, doc, kFeedA), 0);
    EXPECT_EQ(reloaded.articleTitle[3], QString());
    // A link outside ASCII is kept percent-encoded, so it still opens.
    EXPECT_EQ(st.articleLink[1], u"https://x.example/%E7%8C%AB/%F0%9F%90%88?q=%E3%81%82");
}

} // namespace
