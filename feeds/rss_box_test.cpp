#include "feeds/feed_run.h"
#include "feeds/kiji_hiraku.h"
#include "feeds/rss_box.h"
#include "feeds/rss_koushin.h"
#include "feeds/rss_update.h"
#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

namespace {

const QString kNews = QStringLiteral("https://news.example.jp/rss");
const QString kBlog = QStringLiteral("https://blog.example.jp/index.rdf");

class FeedPanel : public MascotTest {
protected:
    void SetUp() override {
        startRunning();
        m.st.feedName[1] = QStringLiteral("ニュース");
        m.st.feedUrl[1] = kNews;
        m.st.feedName[2] = QStringLiteral("ブログ");
        m.st.feedUrl[2] = kBlog;
        m.st.lastFetchText = QStringLiteral("2026/12/09 9:00:00");
        // Store, newest first: two news articles around a blog one.
        store(1, u"速報", u"https://news.example.jp/1", 0, kNews);
        store(2, u"日記", u"https://blog.example.jp/1", 1, kBlog);
        store(3, u"天気", u"https://news.example.jp/2", 1, kNews);
    }
    void store(int i, const char16_t* title, const char16_t* link, int read, const QString& feed) {
        m.st.articleTitle[i] = QString::fromUtf16(title);
        m.st.articleLink[i] = QString::fromUtf16(link);
        m.st.articleRead[i] = read;
        m.st.articleFeedUrl[i] = feed;
    }
    QStringList lines() const { return m.RssBox.List2.rows; }
    void press(int button, int mouse = kLeftButton) {
        RssLButton_MouseDown(m, button, mouse, 0, 10, 10);
    }
};

TEST_F(FeedPanel, OpensWithTheFirstFeedChosenBesideTheCharacter) {
    m.st.posX = 500;
    m.st.posY = 100;
    ASSERT_TRUE(RssBoxHiraku(m));
    EXPECT_TRUE(m.RssBox.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::Feeds);
    EXPECT_EQ(m.RssBox.RssLabel[1].caption, u"最終更新日時：2026/12/09 9:00:00");
    EXPECT_EQ(m.RssBox.Combo2.items, (QStringList{u"ニュース"_qs, u"ブログ"_qs}));
    EXPECT_EQ(m.RssBox.Combo2.listIndex, 0);
    EXPECT_EQ(lines(), (QStringList{u"　 速報"_qs, u"済 天気"_qs}));
    // Left of the character when it fits, 450 twips below its top.
    EXPECT_EQ(m.RssBox.geometry, (TwipsRect{500 * 15 - 6135, 100 * 15 + 450, 6135, 4815}));

    m.st.posX = 10; // no room on the left: 105 pixels right of it
    m.RssBox.visible = false;
    ASSERT_TRUE(RssBoxHiraku(m));
    EXPECT_EQ(m.RssBox.geometry.left, (10 + 105) * 15);
}

TEST_F(FeedPanel, DoesNotOpenWithoutAFirstFeed) {
    m.st.feedName[1].clear();
    EXPECT_FALSE(RssBoxHiraku(m));
    EXPECT_FALSE(m.RssBox.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
}

TEST_F(FeedPanel, ChoosingAFeedListsItsArticlesByTheAddressTheyCameFrom) {
    ASSERT_TRUE(RssBoxHiraku(m));
    Combo2_Click(m, 1);
    EXPECT_EQ(lines(), QStringList{u"済 日記"_qs});

    // After the address changes its old articles no longer show, but they
    // still keep their titles from being fetched again.
    m.st.feedUrl[2] = QStringLiteral("https://blog.example.jp/feed");
    Combo2_Click(m, 1);
    EXPECT_TRUE(lines().isEmpty());
    RssKoushin(m, m.st.feedUrl[2],
               "<rss><item><title>日記</title><link>https://blog.example.jp/1</link></item></rss>");
    EXPECT_EQ(m.st.articleTitle[4], QString());
}

TEST_F(FeedPanel, OpeningTheSelectedArticleMarksItReadAndRefillsTheList) {
    m.st.browserPath = QStringLiteral("/usr/bin/firefox");
    ASSERT_TRUE(RssBoxHiraku(m));
    press(1); // nothing selected
    List2_DblClick(m);
    EXPECT_TRUE(platform.programs.empty());

    List2_Click(m, 0);
    press(1);
    ASSERT_EQ(platform.programs.size(), 1u);
    EXPECT_EQ(platform.programs[0].program, u"/usr/bin/firefox");
    EXPECT_EQ(platform.programs[0].arguments, QStringList{u"https://news.example.jp/1"_qs});
    EXPECT_EQ(m.st.articleRead[1], 1);
    EXPECT_EQ(lines(), (QStringList{u"済 速報"_qs, u"済 天気"_qs}));
    EXPECT_EQ(m.RssBox.List2.ListIndex, -1);

    // A later fetch does not bring it back unread.
    RssKoushin(m, kNews,
               "<rss><item><title>速報</title><link>https://news.example.jp/1</link></item></rss>");
    Combo2_Click(m, 0);
    EXPECT_EQ(lines().first(), u"済 速報");
}

TEST_F(FeedPanel, WithoutABrowserTheDesktopOpensTheLinkAndTheArticleIsStillRead) {
    ASSERT_TRUE(RssBoxHiraku(m));
    List2_Click(m, 1);
    platform.openUrlSucceeds = false;
    List2_DblClick(m);
    EXPECT_TRUE(platform.programs.empty());
    EXPECT_EQ(platform.openedUrls, QStringList{u"https://news.example.jp/2"_qs});
    EXPECT_EQ(m.st.articleRead[3], 1);
}

TEST_F(FeedPanel, OnlyTheLeftButtonActsAndOkCloses) {
    ASSERT_TRUE(RssBoxHiraku(m));
    m.st.legActive = 1;
    for (int b : {0, 1, 2}) {
        press(b, kRightButton);
    }
    EXPECT_TRUE(m.RssBox.visible);
    EXPECT_TRUE(platform.fetches.empty());
    press(2);
    EXPECT_FALSE(m.RssBox.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.legActive, 0);
}

TEST_F(FeedPanel, HoverColourStaysOnTheLastButtonTouched) {
    const QColor hover(255, 150, 150);
    RssLButton_MouseMove(m, 2, 0, 0, 1, 1);
    EXPECT_EQ(m.RssBox.RssLButton[2].background, hover);
    EXPECT_EQ(m.RssBox.RssLButton[0].background, QColor(Qt::white));
    RssLButton_MouseMove(m, 0, 0, 0, 1, 1);
    EXPECT_EQ(m.RssBox.RssLButton[0].background, hover);
    EXPECT_EQ(m.RssBox.RssLButton[2].background, QColor(Qt::white));
}

TEST_F(FeedPanel, UpdateFetchesQuietlyAndRefillsWhenAllHaveAnswered) {
    ASSERT_TRUE(RssBoxHiraku(m));
    Combo2_Click(m, 1);
    m.st.fetchMinutes = 3;
    platform.setTime(12, 34, 56);
    press(0);
    ASSERT_EQ(platform.fetches.size(), 2u);
    // The user chooses a feed and an article while the downloads run.
    Combo2_Click(m, 0);
    List2_Click(m, 1);
    ASSERT_TRUE(platform.completeFetch(
        kNews, {true,
                "<rss><item><title>新着</title><link>https://news.example.jp/3</link></item></rss>",
                {}}));
    EXPECT_EQ(m.RssBox.List2.ListIndex, 1) << "nothing changes before the last answer";
    ASSERT_TRUE(platform.completeFetch(kBlog, {false, {}, QStringLiteral("refused")}));
    EXPECT_FALSE(feedRunInFlight(m));
    EXPECT_EQ(m.RssBox.Combo2.listIndex, 0);
    EXPECT_EQ(lines(), (QStringList{u"　 新着"_qs, u"　 速報"_qs, u"済 天気"_qs}));
    EXPECT_EQ(m.RssBox.List2.ListIndex, 2) << "the chosen article keeps its selection";
    EXPECT_EQ(m.RssBox.RssLabel[1].caption, kLastFetchCaption + fetchTimeText(platform.clock));
    EXPECT_EQ(m.st.fetchMinutes, 3);
    EXPECT_EQ(m.st.balloonShown, 0);
}

TEST_F(FeedPanel, UpdatePressedDuringAnotherSaysOneIsUnderWay) {
    m.st.charIndex = 5;
    ASSERT_TRUE(RssBoxHiraku(m));
    RssZenKoushin(m); // the schedule's update
    HanasuKesu(m);
    press(0);
    press(0);
    EXPECT_EQ(m.HanasuBox.HanasuNaiyo.caption, u"今、RSS更新中だよ～。");
    EXPECT_EQ(platform.fetches.size(), 2u) << "no second update";
    EXPECT_EQ(m.st.panelMode, PanelMode::Feeds);
}

TEST_F(FeedPanel, ARowOpensItsOwnArticle) {
    // One feed lists two items under one title.
    store(1, u"お知らせ", u"https://news.example.jp/a", 0, kNews);
    store(3, u"お知らせ", u"https://news.example.jp/b", 0, kNews);
    ASSERT_TRUE(RssBoxHiraku(m));
    ASSERT_EQ(lines(), (QStringList{u"　 お知らせ"_qs, u"　 お知らせ"_qs}));
    List2_Click(m, 1);
    // The schedule's update puts an article at the head meanwhile.
    RssKoushin(m, kBlog,
               "<rss><item><title>新着</title><link>https://blog.example.jp/2</link></item></rss>");
    List2_DblClick(m);
    EXPECT_EQ(platform.openedUrls, QStringList{u"https://news.example.jp/b"_qs});
    EXPECT_EQ(m.st.articleRead[4], 1);
    EXPECT_EQ(m.st.articleRead[2], 0);
    EXPECT_EQ(lines(), (QStringList{u"　 お知らせ"_qs, u"済 お知らせ"_qs}));
}

TEST_F(FeedPanel, AFeedWithoutArticlesOrAddressShowsAnEmptyList) {
    m.st.feedName[3] = QStringLiteral("未取得");
    m.st.feedUrl[3] = QStringLiteral("https://new.example.jp/rss");
    m.st.feedName[4] = QStringLiteral("アドレスなし");
    ASSERT_TRUE(RssBoxHiraku(m));
    Combo2_Click(m, 2);
    EXPECT_TRUE(lines().isEmpty());
    Combo2_Click(m, 3); // the free store entries have no address either
    EXPECT_TRUE(lines().isEmpty());
}

TEST_F(FeedPanel, SelectorEntriesFollowTheSlotsEvenWithGaps) {
    m.st.feedName[2].clear();
    m.st.feedName[3] = QStringLiteral("ブログ");
    m.st.feedUrl[3] = kBlog;
    ASSERT_TRUE(RssBoxHiraku(m));
    Combo2_Click(m, 1);
    EXPECT_EQ(lines(), QStringList{u"済 日記"_qs});
}

TEST(LinkOpener, OnlyWebAddressesAreHandedOn) {
    for (const char* link :
         {"javascript:alert(1)", "file:///etc/passwd", "-x", "--help=https://x.example/", "",
          "mailto:a@example.jp", "https://", "data:text/html,<b>x</b>", "/relative/path"}) {
        EXPECT_FALSE(isOpenableLink(QString::fromLatin1(link))) << link;
    }
    for (const char* link : {"http://x.example/", "HTTPS://x.example/a?b=c&d=e"}) {
        EXPECT_TRUE(isOpenableLink(QString::fromLatin1(link))) << link;
    }
}

TEST_F(FeedPanel, TheBrowserGetsOneEncodedArgumentOrTheDefaultOpenerTakesOver) {
    m.st.browserPath = QStringLiteral("/opt/browser/bin/browser");
    KijiHiraku(m, QStringLiteral(" https://x.example/a b?q=猫 "));
    ASSERT_EQ(platform.programs.size(), 1u);
    EXPECT_EQ(platform.programs[0].arguments,
              QStringList{u"https://x.example/a%20b?q=%E7%8C%AB"_qs});
    KijiHiraku(m, QStringLiteral("javascript:alert(1)"));
    EXPECT_EQ(platform.programs.size(), 1u);
    EXPECT_TRUE(platform.openedUrls.isEmpty());

    // A browser that cannot be started: the desktop's default opens it.
    platform.programStartSucceeds = false;
    KijiHiraku(m, QStringLiteral("https://x.example/"));
    EXPECT_EQ(platform.openedUrls, QStringList{u"https://x.example/"_qs});
}

} // namespace
