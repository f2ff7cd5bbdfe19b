#include "feeds/rss_koushin.h"

#include "core/mascot.h"
#include "feeds/article_store.h"
#include "feeds/feed_decode.h"
#include "feeds/feed_scanner.h"
#include "feeds/temp_news_file.h"

#include <QLocale>
#include <QUrl>

namespace {

// The system's long time format without its time zone, which the data file
// has no use for.
QString timeFormatWithSeconds(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        }
        if (!quoted && c == u't') {
            continue;
        }
        out.append(c);
    }
    return out.trimmed();
}

void resolveLinks(std::vector<FeedItem>& items, const QString& feedUrl) {
    const QUrl base(feedUrl);
    for (FeedItem& item : items) {
        const QUrl link(item.link);
        if (!item.link.isEmpty() && link.isRelative() && base.isValid()) {
            item.link = base.resolved(link).toString();
        }
    }
}

} // namespace

QString fetchTimeText(const QDateTime& t) {
    const QLocale locale = QLocale::system();
    return locale.toString(t.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(t.time(), timeFormatWithSeconds(locale));
}

void RssKoushin(Mascot& m, const QString& url, const QByteArray& document) {
    const TempNewsFile temp(m.workDir.filePath(kTempNewsFileName), document);
    std::vector<FeedItem> items = scanFeed(decodeFeedDocument(document));
    resolveLinks(items, url);
    insertNewArticles(m.st, items, url, &m.seenArticles);
    m.st.lastFetchText = fetchTimeText(m.platform.now());
}
