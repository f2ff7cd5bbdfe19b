#include "feeds/feed_decode.h"
#include "feeds/feed_scanner.h"

#include <QFile>

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const FeedItem& item, std::ostream* os) {
    *os << '{' << item.title.toStdString() << " | " << item.link.toStdString() << '}';
}

namespace {

using Items = std::vector<FeedItem>;

QByteArray sample(const char* name) {
    QFile f(QStringLiteral(SANPO_FEEDS_TESTDATA "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

QString q(const char16_t* s) {
    return QString::fromUtf16(s);
}

Items scanSample(const char* name) {
    return scanFeed(decodeFeedDocument(sample(name)));
}

FeedItem item(const char16_t* title, const char16_t* link) {
    return {QString::fromUtf16(title), QString::fromUtf16(link)};
}

// Saved documents shaped like the feeds people subscribe to.

TEST(FeedSamples, Rss20NewsTakesOnlyItemsNeverTheChannelOrImage) {
    EXPECT_EQ(
        scanSample("rss20_news.xml"),
        (Items{
            item(u"東京で初雪、平年より12日早く", u"https://news.example.jp/articles/20261209-001"),
            item(u"【速報】日銀、政策金利を据え置き",
                 u"https://news.example.jp/articles/20261209-002?from=rss&ref=top"),
            item(u"J&Rリーグ、来季の日程を発表 – 開幕は2月",
                 u"https://news.example.jp/articles/20261209-003"),
            // No <link>: the permanent guid stands in.
            item(u"「ｽﾏﾎ新法」成立へ　〜利用者保護を強化〜",
                 u"https://news.example.jp/articles/20261209-004"),
        }));
}

TEST(FeedSamples, RdfPairsTitleAndLinkOfTheSameItem) {
    EXPECT_EQ(
        scanSample("rdf_japanese.rdf"),
        (Items{
            item(u"こたつから出てこない", u"https://blog.example.jp/entry/2026/12/09/081500"),
            item(u"新しい爪とぎを買いました", u"https://blog.example.jp/entry/2026/12/08/210000"),
            // No <link>: the item's rdf:about; dc:title is not the title.
            item(u"動物病院へ行ってきた", u"https://blog.example.jp/entry/2026/12/07/120000"),
        }));
}

TEST(FeedSamples, OldAndOddlyVersionedRss) {
    EXPECT_EQ(
        scanSample("rss091.xml"),
        (Items{
            item(u"Café reopens on Main Street", u"http://weekly.example.com/stories/cafe.html"),
            item(u"Library hours extended", u"http://weekly.example.com/stories/library.html")}));
    EXPECT_EQ(scanSample("rss_versionless.xml"),
              (Items{item(u"年末の夜回りについて", u"http://chounai.example.jp/news/42"),
                     item(u"資源ごみの回収日が変わります", u"http://chounai.example.jp/news/41")}));
    EXPECT_EQ(scanSample("rss_single_quoted.xml"),
              (Items{item(u"Release 3.2 is out", u"https://sq.example.com/posts/release-3-2"),
                     item(u"Notes from the meetup", u"https://sq.example.com/posts/meetup")}));
}

TEST(FeedSamples, AtomEntriesUseTheAlternateLinkAndDecodeHtmlTitles) {
    EXPECT_EQ(scanSample("atom.xml"),
              (Items{
                  item(u"Qt 6 で始める & 移行メモ", u"https://dev.example.jp/2026/12/qt6"),
                  item(u"CMake の \"プリセット\" を使う",
                       u"https://dev.example.jp/2026/12/cmake?a=1&b=2"),
                  item(u"xhtml で 強調 した題", u"https://dev.example.jp/2026/12/podcast-7"),
              }));
}

TEST(FeedSamples, CdataIsUnwrappedAndEmptyTitlesDropped) {
    EXPECT_EQ(scanSample("cdata_titles.xml"),
              (Items{item(u"【攻略】ボス「<魔王>」の倒し方 & 装備まとめ",
                          u"https://game.example.jp/archives/1001.html"),
                     item(u"前半 & 後半", u"https://game.example.jp/archives/1000.html")}));
}

TEST(FeedSamples, EntitiesInTitlesAndLinks) {
    EXPECT_EQ(
        scanSample("entities.xml"),
        (Items{
            item(u"Tom & Jerry <3 \"cheese\" 'n' more",
                 u"https://ent.example.com/view?id=1&lang=ja&q=%E3%81%82"),
            item(u"あいう numeric, AT&T and &bogus; stay", u"https://ent.example.com/view?id=2"),
            item(u"Café menu… ©2026", u"https://ent.example.com/view?id=3"),
        }));
}

TEST(FeedSamples, WhiteSpaceAroundAndInsideIsFolded) {
    EXPECT_EQ(scanSample("links_newlines.xml"),
              (Items{item(u"A title broken over two lines", u"https://ws.example.com/a/1"),
                     item(u"Tabs and runs of spaces", u"https://ws.example.com/a/2")}));
}

TEST(FeedSamples, LinkBeforeTitleInsideItems) {
    EXPECT_EQ(scanSample("link_before_title.xml"),
              (Items{item(u"リンクが先の記事 3", u"https://lbt.example.jp/p/3"),
                     item(u"リンクが先の記事 2", u"https://lbt.example.jp/p/2")}));
}

TEST(FeedSamples, EncodingsByMarkAndDeclaration) {
    EXPECT_EQ(
        scanSample("shift_jis.xml"),
        (Items{item(u"①富士山の初冠雪を観測～例年より早く", u"http://local.example.jp/news/1.html"),
               item(u"表示テスト：ソ能十", u"http://local.example.jp/news/2.html")}));
    EXPECT_EQ(scanSample("euc_jp.xml"),
              (Items{item(u"掲示板を移転しました", u"http://old.example.jp/bbs/")}));
    EXPECT_EQ(scanSample("utf8_bom.xml"),
              (Items{item(u"先頭にBOMがある文書", u"https://bom.example.jp/1")}));
    EXPECT_EQ(scanSample("utf16le.xml"),
              (Items{item(u"ワイド文字の記事 🐈", u"https://u16.example.jp/cat")}));
}

TEST(FeedDecode, MarkWinsOverDeclarationAndUnknownNamesFallBackToUtf8) {
    // A UTF-8 mark beats a wrong declaration.
    EXPECT_EQ(decodeFeedDocument(
                  "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\xE3\x81\x82"),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>あ"));
    EXPECT_EQ(decodeFeedDocument("<?xml version=\"1.0\" encoding=\"no-such-code\"?>\xE3\x81\x82"),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"no-such-code\"?>あ"));
    // A wide encoding declared in single-byte text is read as UTF-8.
    EXPECT_EQ(decodeFeedDocument("<?xml version='1.0' encoding='UTF-16'?><a/>"),
              QStringLiteral("<?xml version='1.0' encoding='UTF-16'?><a/>"));
    // Big-endian UTF-16 without a mark is told by the shape of "<".
    const QString text = QStringLiteral("<rss>猫</rss>");
    QByteArray be;
    for (QChar c : text) {
        be.append(char(c.unicode() >> 8));
        be.append(char(c.unicode() & 0xFF));
    }
    EXPECT_EQ(decodeFeedDocument(be), text);
    EXPECT_EQ(decodeFeedDocument(QByteArray()), QString());
}

// Documents without item blocks are read by their literal tags.

TEST(LiteralTags, VersionIsTheSecondVersionInTheDocument) {
    EXPECT_EQ(feedVersion(u"<?xml version=\"1.0\"?><rss version=\"2.0\">"), u"2.0");
    EXPECT_EQ(feedVersion(u"<?xml version=\"1.0\"?><rss version=\"0.92\">"), u"0.92");
    EXPECT_EQ(feedVersion(u"<?xml version=\"1.0\"?><rss version=\"1.0\">"), u"");
    EXPECT_EQ(feedVersion(u"<?xml version=\"1.0\"?><rss version='2.0'>"), u"");
    EXPECT_EQ(feedVersion(u"<?xml version=\"1.0\"?><rdf:RDF>"), u"");
    // Without a declaration the search starts at the tenth character: a
    // "version" in the first nine is passed over.
    EXPECT_EQ(feedVersion(u"<rss version=\"2.0\">"), u"");
    EXPECT_EQ(feedVersion(u"<!-- a feed --><rss version=\"2.0\">"), u"2.0");
    EXPECT_EQ(feedVersion(u"<?xml version=\"1.0\"?><rss version=\"2.0"), u"");
}

TEST(LiteralTags, TitleFirstSkipsTheChannelTitleAndPairsEachTitleWithTheNextLink) {
    const QString doc = QStringLiteral(
        "<?xml version=\"1.0\"?><feedish version=\"2.0\"><title>Channel</title><link>c</link>"
        "<title>Logo</title><url>u</url><link>logo-link</link>"
        "<title>A</title><description/><link>a</link>"
        "<title>B &amp; C</title><link> b </link></feedish>");
    EXPECT_EQ(scanFeed(doc),
              (Items{item(u"Logo", u"logo-link"), item(u"A", u"a"), item(u"B & C", u"b")}));
}

TEST(LiteralTags, LinkFirstPairsEachLinkWithTheNextTitle) {
    const QString doc = QStringLiteral("<?xml version=\"1.0\"?><x><title>Channel</title>"
                                       "<link>c</link><link>a</link><title>A</title>"
                                       "<link>b</link><title>B</title></x>");
    EXPECT_EQ(scanFeed(doc), (Items{item(u"A", u"c"), item(u"B", u"b")}));
}

TEST(LiteralTags, TagsWithAttributesAreNotTheLiteralTags) {
    const QString doc = QStringLiteral("<?xml version=\"1.0\"?><x version=\"2.0\"><title>C</title>"
                                       "<title type=\"text\">T</title><link href=\"h\"/>"
                                       "<title>U</title><link>u</link></x>");
    EXPECT_EQ(scanFeed(doc), (Items{item(u"U", u"u")}));
}

// Malformed documents: the scan ends where a part is missing, and nothing
// can make it loop or fail.

TEST(MalformedFeeds, LiteralScanStopsAtAMissingTag) {
    const QString head =
        QStringLiteral("<?xml version=\"1.0\"?><x version=\"2.0\"><title>C</title>");
    EXPECT_EQ(scanFeed(head + q(u"<title>A</title><link>a</link><title>B</title>")),
              (Items{item(u"A", u"a")}));
    EXPECT_EQ(scanFeed(head + q(u"<title>A</title><link>a</link><title>B")),
              (Items{item(u"A", u"a")}));
    EXPECT_EQ(scanFeed(head + q(u"<title>A</title><link>a")), Items{});
    EXPECT_EQ(scanFeed(QStringLiteral("<?xml version=\"1.0\"?><x><title>C</title><link>a</link>")),
              Items{});
    EXPECT_EQ(scanFeed(u"<title>"), Items{});
    EXPECT_EQ(scanFeed(u""), Items{});
}

TEST(MalformedFeeds, ItemBlocksTakeOnlyWhatIsComplete) {
    // An unclosed title spoils its item only; the next <item> ends an
    // unclosed block; the end of the document ends the last one.
    const QString doc =
        QStringLiteral("<rss><channel><title>C</title>"
                       "<item><title>broken<link>x</link></item>"
                       "<item><title>unclosed item</title><link>http://a/1</link>"
                       "<item><title>ok</title><link>http://a/2</link></item>"
                       "<item><link>http://a/3</link></item>"
                       "<item><title>no link</title></item>"
                       "</channel></rss><item><title>truncated</title><link>http://a/4</link>");
    EXPECT_EQ(scanFeed(doc),
              (Items{item(u"unclosed item", u"http://a/1"), item(u"ok", u"http://a/2"),
                     item(u"truncated", u"http://a/4")}));
}

TEST(MalformedFeeds, StrayMarkupAndCutOffConstructs) {
    EXPECT_EQ(scanFeed(u"<rss><item><title>a < b <3</title><link>http://x/</link></item></rss>"),
              (Items{item(u"a < b <3", u"http://x/")}));
    EXPECT_EQ(scanFeed(u"<rss><item><title>t</title></link><link>http://x/</link></item></rss>"),
              (Items{item(u"t", u"http://x/")}));
    for (const char16_t* cut : {u"<rss><item><title><![CDATA[never ends", u"<rss><item><!-- open",
                                u"<rss><item><title a=\"open>", u"<rss><item", u"<!DOCTYPE [",
                                u"<?xml", u"<item/><item/>", u"&#xFFFFFFFFFF;&#0;&#xD800;&"}) {
        EXPECT_EQ(scanFeed(cut), Items{}) << QString::fromUtf16(cut).toStdString();
    }
}

TEST(MalformedFeeds, LongFieldsAreCutAndDeepNestingEndsTheScan) {
    const QString longTitle(5000, u'字');
    const Items items =
        scanFeed(q(u"<rss><item><title>") + longTitle + q(u"</title><link>http://x/") +
                 QString(3000, u'a') + q(u"</link></item></rss>"));
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].title, QString(2000, u'字'));
    EXPECT_EQ(items[0].link.size(), 2000);

    QString deep = QStringLiteral("<rss><item><title>before</title><link>http://x/</link></item>");
    for (int i = 0; i < 100000; ++i) {
        deep += q(u"<d>");
    }
    deep += q(u"<item><title>inside</title><link>http://y/</link></item>");
    EXPECT_EQ(scanFeed(deep), (Items{item(u"before", u"http://x/")}));
}

} // namespace
