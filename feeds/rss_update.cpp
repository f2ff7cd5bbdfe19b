#include "feeds/rss_update.h"

#include "core/mascot.h"
#include "feeds/feed_run.h"
#include "speech/hanasu.h"

#include <QStringView>

#include <algorithm>
#include <array>

namespace {

struct Announcement {
    QStringView start;
    QStringView end;
};

// By character index.
constexpr std::array<Announcement, kCharacterCount> kAnnouncements{{
    {u"RSS更新開始します。", u"終了しました。"},
    {u"RSS更新開始するわ。", u"終了。"},
    {u"RSS更新開始するぜ。", u"終わったぜ。"},
    {u"RSS更新開始致します。", u"終了しました。"},
    {u"RSS更新開始するわ。", u"終了したわ。"},
    {u"RSS更新開始するよ～。", u"終了したよ～。"},
    {u"RSS更新開始するわ。", u"終了したわ。"},
    {u"RSS更新開始します。", u"終了したよ。"},
    {u"RSSみたいなの更新する。", u"できたよ。"},
    {u"RSS更新開始するよ。", u"終わったよ。"},
    {u"RSS更新開始するよ。", u"終わり！"},
    {u"RSS更新開始します。", u"終了しました。"},
}};

constexpr int kEndLineWidth = 4200;
constexpr int kEndLineSeconds = 10;

const Announcement& announcementOf(const Mascot& m) {
    const int i = std::clamp(m.st.charIndex, 0, kCharacterCount - 1);
    return kAnnouncements[static_cast<std::size_t>(i)];
}

} // namespace

void RssZenKoushin(Mascot& m) {
    m.st.fetchMinutes = 0;
    if (feedRunInFlight(m)) {
        return;
    }
    Hanasu(m, announcementOf(m).start.toString(), 0, 0, QString(), 0, 0);
    startFeedRun(m, [](Mascot& done) {
        Hanasu(done, announcementOf(done).end.toString(), kEndLineWidth, 0, QString(),
               kEndLineSeconds, 0);
    });
}
