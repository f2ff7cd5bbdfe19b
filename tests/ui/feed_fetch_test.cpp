#include "core/clock_text.h"
#include "core/main_tick.h"
#include "core/mascot.h"
#include "core/pictures/character_catalogue.h"
#include "feeds/feed_run.h"
#include "feeds/rss_update.h"
#include "settings/data_file.h"
#include "tests/ui/endless_http_server.h"
#include "tests/ui/local_http_server.h"
#include "tests/ui/wait_until.h"
#include "ui/qt_platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace {

QByteArray fixture(const char* name) {
    QFile f(QStringLiteral(SANPO_UI_TESTDATA "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

QByteArray rss(const QByteArray& title) {
    return "<rss version=\"2.0\"><channel><title>c</title><item><title>" + title +
           "</title><link>http://127.0.0.1/" + title + "</link></item></channel></rss>";
}

class Fetch : public ::testing::Test {
protected:
    LocalHttpServer server;

    std::optional<Platform::FetchResult> get(QtPlatform& platform, const QString& url) {
        std::optional<Platform::FetchResult> result;
        platform.fetch(url, [&result](const Platform::FetchResult& r) { result = r; });
        EXPECT_TRUE(waitUntil([&] { return result.has_value(); }));
        return result;
    }
    std::optional<Platform::FetchResult> get(const QString& path) {
        QtPlatform platform;
        return get(platform, server.url(path));
    }
};

TEST_F(Fetch, SuccessErrorStatusAndRedirect) {
    server.route("/ok", {LocalHttpServer::response(200, "body")});
    server.route("/gone", {LocalHttpServer::response(404, "<rss>an error page</rss>")});
    server.route("/moved", {LocalHttpServer::response(302, {}, {"Location: /ok"})});

    const auto ok = get("/ok");
    EXPECT_TRUE(ok->ok);
    EXPECT_EQ(ok->body, "body");
    const auto gone = get("/gone");
    EXPECT_FALSE(gone->ok);
    EXPECT_TRUE(gone->body.isEmpty());
    const auto moved = get("/moved");
    EXPECT_TRUE(moved->ok);
    EXPECT_EQ(moved->body, "body");

    // The request names the program and leaves compression to Qt.
    ASSERT_FALSE(server.requestHeads.isEmpty());
    EXPECT_TRUE(server.requestHeads.first().contains(u"User-Agent: sanpo/", Qt::CaseInsensitive));
}

TEST_F(Fetch, GzipIsUnpackedButNeverPastTheCap) {
    server.route("/gz", {LocalHttpServer::response(200, fixture("feed.xml.gz"),
                                                   {"Content-Encoding: gzip"})});
    server.route("/bomb",
                 {LocalHttpServer::response(200, fixture("zeros.gz"), {"Content-Encoding: gzip"})});
    const auto gz = get("/gz");
    ASSERT_TRUE(gz->ok);
    EXPECT_TRUE(gz->body.contains("圧縮されて届いた記事"));

    // 230 bytes on the wire, 200,000 unpacked.
    QtPlatform small(QtPlatform::FetchLimits{15000, 100000});
    EXPECT_FALSE(get(small, server.url("/bomb"))->ok);
    QtPlatform roomy(QtPlatform::FetchLimits{15000, 200000});
    EXPECT_TRUE(get(roomy, server.url("/bomb"))->ok);
}

TEST_F(Fetch, OverLongBodiesFailWithOrWithoutALength) {
    const QByteArray cap(8 * 1024 * 1024, 'x');
    server.route("/exact", {LocalHttpServer::response(200, cap)});
    server.route("/long", {LocalHttpServer::response(200, cap + "x")});
    server.route("/endless", {LocalHttpServer::response(200, cap + "x", {}, false)});
    const auto exact = get("/exact");
    ASSERT_TRUE(exact->ok);
    EXPECT_EQ(exact->body.size(), cap.size());
    EXPECT_FALSE(get("/long")->ok);
    EXPECT_FALSE(get("/endless")->ok);
}

TEST_F(Fetch, AnEndlessBodyIsReadNoFasterThanItIsTaken) {
    EndlessHttpServer endless;
    QtPlatform platform(QtPlatform::FetchLimits{15000, 1024 * 1024});
    std::optional<Platform::FetchResult> result;
    platform.fetch(endless.url(), [&result](const Platform::FetchResult& r) { result = r; });
    ASSERT_TRUE(waitUntil([&] { return endless.sent() > 0; }));
    // The UI thread is busy elsewhere for a moment while the body streams:
    // what the network thread takes meanwhile waits in memory.
    QThread::msleep(300);
    ASSERT_TRUE(waitUntil([&] { return result.has_value(); }));
    EXPECT_FALSE(result->ok);
    // The cap, the read buffer and the sockets' own buffers; not the
    // hundreds of megabytes loopback delivers in that moment.
    EXPECT_LT(endless.sent(), 32LL * 1024 * 1024);
}

TEST_F(Fetch, SilentServersTimeOutAndRefusedConnectionsFail) {
    server.route("/silent", {{}, true});
    QtPlatform quick(QtPlatform::FetchLimits{300, 8 * 1024 * 1024});
    const auto silent = get(quick, server.url("/silent"));
    EXPECT_FALSE(silent->ok);

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    EXPECT_FALSE(get(quick, QStringLiteral("http://127.0.0.1:%1/").arg(port))->ok);
}

TEST_F(Fetch, OnlyHttpAddressesAreTriedAndTheAnswerComesLater) {
    QtPlatform platform;
    for (const char* url :
         {"file:///etc/hostname", "ftp://127.0.0.1/x", "javascript:x", "", "http://"}) {
        bool answered = false;
        bool ok = true;
        platform.fetch(QString::fromLatin1(url), [&](const Platform::FetchResult& r) {
            answered = true;
            ok = r.ok;
        });
        EXPECT_FALSE(answered) << url;
        EXPECT_TRUE(waitUntil([&] { return answered; })) << url;
        EXPECT_FALSE(ok) << url;
    }
}

// The whole update run over the network, with the character ticking.
TEST_F(Fetch, TenFeedsSomeFailingAreAppliedInSlotOrderWhileTheMascotTicks) {
    QTemporaryDir dir;
    QtPlatform platform(QtPlatform::FetchLimits{500, 8 * 1024 * 1024});
    Mascot m(platform, QDir(dir.path()));
    setStoredDefaults(m.st, platform.screenSize());
    m.stateReady = true;
    m.st.charIndex = 2;
    GazouYomikomi(m);
    m.st.phase = Phase::Running;
    m.st.nowHHNN = m.st.lastHHNN = hhnn(platform.now());

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 refusedPort = closed.serverPort();
    closed.close();
    for (int i = 1; i <= 10; ++i) {
        const QString path = QStringLiteral("/feed%1").arg(i);
        m.st.feedName[i] = QStringLiteral("feed %1").arg(i);
        m.st.feedUrl[i] = server.url(path);
        const QByteArray title = "slot" + QByteArray::number(i);
        if (i == 3) {
            server.route(path, {LocalHttpServer::response(500, rss(title))});
        } else if (i == 6) {
            server.route(path, {{}, true}); // never answers
        } else if (i == 8) {
            m.st.feedUrl[i] = QStringLiteral("http://127.0.0.1:%1/feed").arg(refusedPort);
        } else if (i == 1) {
            server.route(path, {LocalHttpServer::response(200, rss(title)), false, true});
        } else {
            server.route(path, {LocalHttpServer::response(200, rss(title))});
        }
    }

    int ticksDuringRun = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        Timer1_Timer(m);
        if (feedRunInFlight(m)) {
            ++ticksDuringRun;
        }
    });
    ticker.start(16);

    RssZenKoushin(m);
    EXPECT_EQ(m.HanasuBox.HanasuNaiyo.caption, u"RSS更新開始するぜ。");
    ASSERT_TRUE(waitUntil([&] { return ticksDuringRun >= 3 && server.requestHeads.size() >= 9; }));
    EXPECT_TRUE(feedRunInFlight(m));
    server.release();
    ASSERT_TRUE(waitUntil([&] { return !feedRunInFlight(m); }));
    ticker.stop();

    const QStringList order{u"slot10"_qs, u"slot9"_qs, u"slot7"_qs, u"slot5"_qs,
                            u"slot4"_qs,  u"slot2"_qs, u"slot1"_qs};
    for (int i = 0; i < order.size(); ++i) {
        EXPECT_EQ(m.st.articleTitle[i + 1], order[i]);
    }
    EXPECT_EQ(m.st.articleTitle[order.size() + 1], QString());
    EXPECT_TRUE(m.HanasuBox.HanasuNaiyo.caption.endsWith(u"終わったぜ。"));
    EXPECT_FALSE(m.st.lastFetchText.isEmpty());
}

} // namespace
