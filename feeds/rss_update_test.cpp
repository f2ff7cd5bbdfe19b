#include "core/main_tick.h"
#include "core/startup.h"
#include "feeds/feed_run.h"
#include "feeds/rss_koushin.h"
#include "feeds/rss_update.h"
#include "settings/data_file.h"
#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace {

QByteArray rss(std::initializer_list<const char*> titles) {
    QByteArray doc = "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><title>ch</title>";
    for (const char* t : titles) {
        doc += QByteArray("<item><title>") + t + "</title><link>https://x.example/" + t +
               "</link></item>";
    }
    return doc + "</channel></rss>";
}

Platform::FetchResult ok(const QByteArray& body) {
    return {true, body, {}};
}
Platform::FetchResult failed() {
    return {false, {}, QStringLiteral("HTTP status 404")};
}

QString feedUrl(int i) {
    return QStringLiteral("https://feed%1.example/rss").arg(i);
}

class FeedUpdate : public MascotTest {
protected:
    void registerFeeds(int count) {
        for (int i = 1; i <= count; ++i) {
            m.st.feedName[i] = QStringLiteral("feed %1").arg(i);
            m.st.feedUrl[i] = feedUrl(i);
        }
    }
    QString balloonText() const { return m.HanasuBox.HanasuNaiyo.caption; }
    QStringList fetchedUrls() const {
        QStringList urls;
        for (const auto& f : platform.fetches) {
            urls.append(f.url);
        }
        return urls;
    }
};

TEST_F(FeedUpdate, ReadingADocumentStampsTheTimeAndLeavesNoTemporaryFile) {
    RssKoushin(m, feedUrl(1), rss({"a", "b"}));
    EXPECT_EQ(m.st.articleTitle[1], u"a");
    EXPECT_EQ(m.st.articleFeedUrl[1], feedUrl(1));
    EXPECT_EQ(m.st.lastFetchText, fetchTimeText(platform.clock));
    EXPECT_FALSE(QFile::exists(path(kTempNewsFileName)));

    // Nothing new still counts as a fetch.
    platform.advance(61'000);
    RssKoushin(m, feedUrl(1), rss({"a", "b"}));
    EXPECT_EQ(m.st.lastFetchText, fetchTimeText(platform.clock));
    EXPECT_EQ(m.st.articleTitle[3], QString());
}

TEST_F(FeedUpdate, TheTemporaryFileIsNotNeededToReadTheDocument) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(kTempNewsFileName)); // cannot be written
    RssKoushin(m, feedUrl(1), rss({"a"}));
    EXPECT_EQ(m.st.articleTitle[1], u"a");
}

TEST_F(FeedUpdate, WhateverStandsAtTheTemporaryNameIsNeitherWrittenThroughNorWaitedOn) {
    const QString temp = path(kTempNewsFileName);
    // A link to a file of the user's.
    const QString precious = path(QStringLiteral("precious.txt"));
    writeFile(QStringLiteral("precious.txt"), "mine");
    ASSERT_TRUE(QFile::link(precious, temp));
    RssKoushin(m, feedUrl(1), rss({"a"}));
    EXPECT_EQ(readFile(QStringLiteral("precious.txt")), "mine");
    EXPECT_EQ(m.st.articleTitle[1], u"a");
    EXPECT_FALSE(QFileInfo(temp).isSymLink());

    // A pipe with a reader waiting: opening it for writing would not block
    // then, so what reaches the reader shows whether it was written through.
    ASSERT_EQ(::mkfifo(QFile::encodeName(temp).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(temp).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    RssKoushin(m, feedUrl(1), rss({"b"}));
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_EQ(m.st.articleTitle[1], u"b");

    // A read-only leftover of another run.
    writeFile(kTempNewsFileName, "old");
    ASSERT_TRUE(QFile::setPermissions(temp, QFileDevice::ReadOwner));
    RssKoushin(m, feedUrl(1), rss({"c"}));
    EXPECT_EQ(m.st.articleTitle[1], u"c");
    EXPECT_FALSE(QFile::exists(temp));
}

TEST_F(FeedUpdate, RelativeLinksAreResolvedAgainstTheFeedAddress) {
    RssKoushin(m, QStringLiteral("https://site.example/feeds/top.xml"),
               "<rss><item><title>t</title><link>/news/1</link></item>"
               "<item><title>u</title><link>2.html</link></item></rss>");
    EXPECT_EQ(m.st.articleLink[1], u"https://site.example/news/1");
    EXPECT_EQ(m.st.articleLink[2], u"https://site.example/feeds/2.html");
}

TEST_F(FeedUpdate, ARunAppliesAllFeedsInSlotOrderOnceAllHaveAnswered) {
    startRunning();
    registerFeeds(10);
    m.st.feedName[4].clear(); // a free slot keeps its address but is skipped
    m.st.charIndex = 0;
    m.st.fetchMinutes = 4;
    RssZenKoushin(m);
    EXPECT_EQ(m.st.fetchMinutes, 0);
    EXPECT_EQ(balloonText(), u"RSS更新開始します。");
    QStringList expected;
    for (int i : {1, 2, 3, 5, 6, 7, 8, 9, 10}) {
        expected.append(feedUrl(i));
    }
    ASSERT_EQ(fetchedUrls(), expected);
    ASSERT_TRUE(feedRunInFlight(m));

    // Answers arrive in any order; some fail.
    for (int i : {10, 9, 8, 7, 6, 5, 3, 2}) {
        const QByteArray title = "slot" + QByteArray::number(i);
        ASSERT_TRUE(platform.completeFetch(
            feedUrl(i), i == 2 || i == 7 ? failed() : ok(rss({title.constData()}))));
        EXPECT_EQ(m.st.articleTitle[1], QString()) << "nothing is applied before the last answer";
    }
    EXPECT_EQ(balloonText(), u"RSS更新開始します。");
    ASSERT_TRUE(platform.completeFetch(feedUrl(1), ok(rss({"slot1", "shared"}))));
    EXPECT_FALSE(feedRunInFlight(m));

    // As if fetched one after the other: each feed's new articles go to the
    // head, so the last slot's come first.
    const QStringList order{u"slot10"_qs, u"slot9"_qs, u"slot8"_qs, u"slot6"_qs,
                            u"slot5"_qs,  u"slot3"_qs, u"slot1"_qs, u"shared"_qs};
    for (int i = 0; i < order.size(); ++i) {
        EXPECT_EQ(m.st.articleTitle[i + 1], order[i]);
    }
    EXPECT_EQ(m.st.articleTitle[order.size() + 1], QString());
    EXPECT_EQ(m.st.articleFeedUrl[1], feedUrl(10));
    EXPECT_EQ(balloonText(), u"RSS更新開始します。\r\n終了しました。");
    EXPECT_EQ(m.HanasuBox.geometry.width, 4200);
    EXPECT_EQ(m.st.balloonDuration, 3 + 10);
}

TEST_F(FeedUpdate, FailedDownloadsLeaveStoreAndFetchTimeAlone) {
    startRunning();
    registerFeeds(2);
    m.st.lastFetchText = QStringLiteral("earlier");
    RssZenKoushin(m);
    ASSERT_TRUE(platform.completeFetch(feedUrl(1), failed()));
    ASSERT_TRUE(platform.completeFetch(feedUrl(2), {false, {}, QStringLiteral("timed out")}));
    EXPECT_EQ(m.st.lastFetchText, u"earlier");
    EXPECT_EQ(m.st.articleTitle[1], QString());
    EXPECT_TRUE(balloonText().endsWith(u"終了しました。"));
}

TEST_F(FeedUpdate, AddressesStoredAsPastedAreFetchedAsTheirHttpForm) {
    startRunning();
    m.st.feedName[1] = QStringLiteral("pasted");
    m.st.feedUrl[1] = QStringLiteral(" feed://feed1.example/rss");
    RssZenKoushin(m);
    ASSERT_EQ(fetchedUrls(), QStringList{QStringLiteral("http://feed1.example/rss")});
    ASSERT_TRUE(platform.completeFetch(QStringLiteral("http://feed1.example/rss"), ok(rss({"a"}))));
    EXPECT_EQ(m.st.articleTitle[1], u"a");
    EXPECT_EQ(m.st.articleFeedUrl[1], m.st.feedUrl[1]);
}

TEST_F(FeedUpdate, WithoutFeedsBothLinesAreSaidAtOnce) {
    startRunning();
    m.st.charIndex = 8;
    m.st.fetchMinutes = 7;
    RssZenKoushin(m);
    EXPECT_TRUE(platform.fetches.empty());
    EXPECT_FALSE(feedRunInFlight(m));
    EXPECT_EQ(m.st.fetchMinutes, 0);
    EXPECT_EQ(balloonText(), u"RSSみたいなの更新する。\r\nできたよ。");
}

TEST_F(FeedUpdate, EachCharacterAnnouncesInItsOwnWords) {
    startRunning();
    m.st.charIndex = 5;
    RssZenKoushin(m);
    EXPECT_EQ(balloonText(), u"RSS更新開始するよ～。\r\n終了したよ～。");
    HanasuKesu(m);
    m.st.charIndex = 10;
    RssZenKoushin(m);
    EXPECT_EQ(balloonText(), u"RSS更新開始するよ。\r\n終わり！");
}

TEST_F(FeedUpdate, ARunDueWhileOneIsInFlightOnlyRestartsTheCount) {
    startRunning();
    registerFeeds(1);
    RssZenKoushin(m);
    HanasuKesu(m);
    m.st.fetchMinutes = 5;
    RssZenKoushin(m);
    EXPECT_EQ(m.st.fetchMinutes, 0);
    EXPECT_EQ(platform.fetches.size(), 1u);
    EXPECT_EQ(m.st.balloonShown, 0);
    ASSERT_TRUE(platform.completeFetch(feedUrl(1), ok(rss({"a"}))));
    EXPECT_EQ(balloonText(), u"終了しました。");
    // The next run starts normally.
    RssZenKoushin(m);
    EXPECT_EQ(platform.fetches.size(), 1u);
}

TEST_F(FeedUpdate, TheScheduleCountsMinuteChanges) {
    startRunning();
    registerFeeds(1);
    m.st.autoFetchMode = 2; // every 30 minutes
    m.st.talkInterval = 1000;
    platform.setTime(10, 0);
    m.st.fetchMinutes = 29;
    Timer1_Timer(m); // 10:00 is a new minute after 09:30
    ASSERT_EQ(platform.fetches.size(), 1u);
    ASSERT_TRUE(platform.completeFetch(feedUrl(1), ok(rss({"a"}))));
    HanasuKesu(m);
    for (int minute = 1; minute < 30; ++minute) {
        platform.setTime(10, minute);
        Timer1_Timer(m);
    }
    EXPECT_TRUE(platform.fetches.empty());
    platform.setTime(10, 30);
    Timer1_Timer(m);
    EXPECT_EQ(platform.fetches.size(), 1u);

    // Switched off, the count stops but is kept.
    ASSERT_TRUE(platform.completeFetch(feedUrl(1), ok(rss({"a"}))));
    platform.setTime(10, 31);
    Timer1_Timer(m);
    EXPECT_EQ(m.st.fetchMinutes, 1);
    m.st.autoFetchMode = 0;
    platform.setTime(10, 32);
    Timer1_Timer(m);
    EXPECT_EQ(m.st.fetchMinutes, 1);
    m.st.autoFetchMode = 2;
    platform.setTime(10, 33);
    Timer1_Timer(m);
    EXPECT_EQ(m.st.fetchMinutes, 2);
}

TEST_F(FeedUpdate, QuittingWhileOneFeedHangsSavesTheOthersInSlotOrder) {
    startRunning();
    registerFeeds(4);
    RssKoushin(m, feedUrl(1), rss({"kept"}));
    RssZenKoushin(m);
    // Slot 3 answers first, slot 2 never does, slot 4 fails.
    ASSERT_TRUE(platform.completeFetch(feedUrl(3), ok(rss({"third"}))));
    ASSERT_TRUE(platform.completeFetch(feedUrl(1), ok(rss({"first"}))));
    ASSERT_TRUE(platform.completeFetch(feedUrl(4), failed()));
    const QString balloonBefore = balloonText();
    Shuuryou(m);
    EXPECT_EQ(platform.quits, 1);
    EXPECT_FALSE(feedRunInFlight(m));
    EXPECT_EQ(balloonText(), balloonBefore); // no end line on the way out
    MascotState saved;
    decodeDataFile(readFile(kDataFileName), saved);
    EXPECT_EQ(saved.articleTitle[1], u"third");
    EXPECT_EQ(saved.articleTitle[2], u"first");
    EXPECT_EQ(saved.articleTitle[3], u"kept");
    EXPECT_EQ(saved.articleTitle[4], QString());
    // The hanging feed's late answer changes nothing any more.
    EXPECT_TRUE(platform.completeFetch(feedUrl(2), ok(rss({"late"}))));
    EXPECT_EQ(m.st.articleTitle[1], u"third");
}

TEST_F(FeedUpdate, StartUpRunsAfterTheGreetingOnlyWhenTheScheduleIsOn) {
    registerFeeds(1);
    m.st.autoFetchMode = 0;
    Phase98_Greeting(m);
    EXPECT_TRUE(platform.fetches.empty());
    m.st.autoFetchMode = 1;
    Phase98_Greeting(m);
    EXPECT_EQ(platform.fetches.size(), 1u);
    EXPECT_EQ(m.st.phase, Phase::GreetingPause);
}

TEST_F(FeedUpdate, AnswersAfterTheMascotIsGoneAreDropped) {
    auto mascot = std::make_unique<Mascot>(platform, QDir(dir.path()));
    mascot->st.feedName[1] = QStringLiteral("f");
    mascot->st.feedUrl[1] = feedUrl(1);
    RssZenKoushin(*mascot);
    mascot.reset();
    EXPECT_TRUE(platform.completeFetch(feedUrl(1), ok(rss({"a"}))));
}

} // namespace
