#include "feeds/feed_address.h"

#include <gtest/gtest.h>

namespace {

TEST(FeedAddress, PastedFormsWithOneReadingBecomeHttpAddresses) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("  http://example.jp/rss.xml \t"),
         QStringLiteral("http://example.jp/rss.xml")},
        {QStringLiteral("\u3000https://example.jp/a?b=1#c\u200B"),
         QStringLiteral("https://example.jp/a?b=1#c")},
        {QStringLiteral("HTTPS://Example.jp/RSS"), QStringLiteral("https://Example.jp/RSS")},
        {QStringLiteral("example.jp/rss.xml"), QStringLiteral("http://example.jp/rss.xml")},
        {QStringLiteral("www.example.co.jp"), QStringLiteral("http://www.example.co.jp")},
        {QStringLiteral("//example.jp/rss"), QStringLiteral("http://example.jp/rss")},
        {QStringLiteral("localhost:8080/feed"), QStringLiteral("http://localhost:8080/feed")},
        {QStringLiteral("127.0.0.1:8080/feed"), QStringLiteral("http://127.0.0.1:8080/feed")},
        {QStringLiteral("[::1]:8080/feed"), QStringLiteral("http://[::1]:8080/feed")},
        {QStringLiteral("日本語.jp/rss"), QStringLiteral("http://日本語.jp/rss")},
        {QStringLiteral("feed://example.jp/rss"), QStringLiteral("http://example.jp/rss")},
        {QStringLiteral("Feed:https://example.jp/rss"), QStringLiteral("https://example.jp/rss")},
        {QStringLiteral("feed:http://example.jp/rss"), QStringLiteral("http://example.jp/rss")},
        {QStringLiteral("ttp://example.jp/rss"), QStringLiteral("http://example.jp/rss")},
        {QStringLiteral("ttps://example.jp/rss"), QStringLiteral("https://example.jp/rss")},
        {QStringLiteral("<http://example.jp/rss>"), QStringLiteral("http://example.jp/rss")},
        // A server on the local network is named by one word; with its
        // scheme it is taken as it is.
        {QStringLiteral("http://intranet/rss"), QStringLiteral("http://intranet/rss")},
    };
    for (const auto& [typed, address] : cases) {
        EXPECT_EQ(feedAddress(typed), std::optional<QString>(address)) << typed.toStdString();
    }
}

TEST(FeedAddress, AnythingElseIsRefused) {
    const QString refused[] = {
        QString(),
        QStringLiteral("   "),
        QStringLiteral("ftp://example.jp/rss.xml"),
        QStringLiteral("file:///home/me/rss.xml"),
        QStringLiteral("javascript:alert(1)"),
        QStringLiteral("mailto:me@example.jp"),
        QStringLiteral("me@example.jp"),
        QStringLiteral("http:/example.jp/rss"),
        QStringLiteral("http:example.jp/rss"),
        QStringLiteral("http//example.jp/rss"),
        QStringLiteral("http://"),
        QStringLiteral("https://https://example.jp/rss"),
        QStringLiteral("feed:example.jp/rss"),
        QStringLiteral("feed:ftp://example.jp/rss"),
        QStringLiteral("http://example.jp/my rss.xml"),
        QStringLiteral("http://example.jp:99999/rss"),
        QStringLiteral("rss.xml"),
        QStringLiteral("news/rss.xml"),
        QStringLiteral("ニュース"),
        QStringLiteral("1.2.3/rss"),
        QStringLiteral("-bad.jp/rss"),
    };
    for (const QString& typed : refused) {
        EXPECT_EQ(feedAddress(typed), std::nullopt) << typed.toStdString();
    }
}

} // namespace
