#include "feeds/rss_box.h"

#include "core/mascot.h"
#include "feeds/feed_run.h"
#include "feeds/kiji_hiraku.h"
#include "speech/hanasu.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

const QString kUnreadMark = QStringLiteral("　 ");
const QString kReadMark = QStringLiteral("済 ");
const QColor kHoverColour(255, 150, 150);

void showLastFetch(Mascot& m) {
    m.RssBox.RssLabel[1].caption = kLastFetchCaption + m.st.lastFetchText;
}

void fillAndChooseFirst(Mascot& m) {
    RssMeiIchiran(m);
    Combo2_Click(m, 0);
}

// A row opens its own article, also when another has the same title or an
// update has shifted the store since the list was filled; one that has left
// the store opens nothing.
void openSelectedArticle(Mascot& m) {
    const ListBoxModel& list = m.RssBox.List2;
    if (list.ListIndex < 0 || list.ListIndex >= m.RssBox.articleOfRow.size()) {
        return;
    }
    if (const std::optional<int> i = findArticle(m.st, m.RssBox.articleOfRow[list.ListIndex])) {
        KijiHiraku(m, m.st.articleLink[*i]);
        m.st.articleRead[*i] = 1;
    }
    KijiIchiran(m);
}

bool sameArticle(const ArticleRef& a, const ArticleRef& b) {
    return a.title == b.title && a.link == b.link && a.feedUrl == b.feedUrl;
}

// After the panel's own update: the lists are filled anew, keeping the feed
// and the article the user has chosen meanwhile.
void refillKeepingTheChoice(Mascot& m) {
    RssBoxModel& box = m.RssBox;
    const int entry = box.Combo2.listIndex;
    const QString chosenFeed = entry >= 0 && entry < box.feedSlotOfEntry.size()
                                   ? m.st.feedUrl[box.feedSlotOfEntry[entry]]
                                   : QString();
    const int row = box.List2.ListIndex;
    const std::optional<ArticleRef> chosenArticle = row >= 0 && row < box.articleOfRow.size()
                                                        ? std::optional(box.articleOfRow[row])
                                                        : std::nullopt;
    RssMeiIchiran(m);
    int keep = 0;
    for (int j = 0; j < box.feedSlotOfEntry.size(); ++j) {
        if (!chosenFeed.isNull() && m.st.feedUrl[box.feedSlotOfEntry[j]] == chosenFeed) {
            keep = j;
            break;
        }
    }
    Combo2_Click(m, keep);
    for (int r = 0; chosenArticle && r < box.articleOfRow.size(); ++r) {
        if (sameArticle(box.articleOfRow[r], *chosenArticle)) {
            List2_Click(m, r);
            break;
        }
    }
}

// What the character says when the update button is pressed while an
// update is still under way, by character index.
constexpr std::array<const char16_t*, kCharacterCount> kAlreadyUpdating{{
    u"今、RSS更新中です。",
    u"今、RSS更新中よ。",
    u"今、RSS更新中だぜ。",
    u"ただいまRSS更新中でございます。",
    u"今、RSS更新中なのよ。",
    u"今、RSS更新中だよ～。",
    u"今、RSS更新中よ。",
    u"今、RSS更新中だよ。",
    u"今、RSSみたいなの更新中。",
    u"今、RSS更新中だよ。",
    u"今、RSS更新中だよ！",
    u"今、RSS更新中です。",
}};

void updateAllFeeds(Mascot& m) {
    if (feedRunInFlight(m)) {
        // One update at a time; the one under way brings the same articles.
        const int c = std::clamp(m.st.charIndex, 0, kCharacterCount - 1);
        const QString line = QString::fromUtf16(kAlreadyUpdating[static_cast<std::size_t>(c)]);
        if (m.st.balloonShown == 0 || !m.HanasuBox.HanasuNaiyo.caption.endsWith(line)) {
            Hanasu(m, line, 0, 0, QString(), 0, 0); // once, however often it is pressed
        }
        return;
    }
    startFeedRun(m, [](Mascot& done) {
        refillKeepingTheChoice(done);
        showLastFetch(done);
    });
}

void closePanel(Mascot& m) {
    m.RssBox.visible = false;
    m.st.panelMode = PanelMode::None;
    m.st.legActive = 0;
}

} // namespace

bool RssBoxHiraku(Mascot& m) {
    if (m.st.feedName[1].isEmpty()) {
        return false;
    }
    showLastFetch(m);
    fillAndChooseFirst(m);
    RssBoxModel& box = m.RssBox;
    const BesidePosition p =
        placeBeside(m, box.geometry.width, box.geometry.height, kPanelOpenOffset);
    box.geometry.left = p.left;
    box.geometry.top = p.top;
    box.visible = true;
    m.st.panelMode = PanelMode::Feeds;
    return true;
}

void RssMeiIchiran(Mascot& m) {
    ComboBoxModel& combo = m.RssBox.Combo2;
    combo.items.clear();
    combo.listIndex = -1;
    m.RssBox.feedSlotOfEntry.clear();
    for (int i = 1; i <= kFeedSlots; ++i) {
        if (!m.st.feedName[i].isEmpty()) {
            combo.items.append(m.st.feedName[i]);
            m.RssBox.feedSlotOfEntry.append(i);
        }
    }
}

void KijiIchiran(Mascot& m) {
    const int chosen = m.RssBox.Combo2.listIndex;
    if (chosen < 0 || chosen >= m.RssBox.feedSlotOfEntry.size()) {
        return;
    }
    // The settings keep named feeds without gaps, so entry j is slot j + 1;
    // the recorded slot also holds for a data file that has gaps.
    const QString& url = m.st.feedUrl[m.RssBox.feedSlotOfEntry[chosen]];
    ListBoxModel& list = m.RssBox.List2;
    list.rows.clear();
    list.ListIndex = -1;
    m.RssBox.articleOfRow.clear();
    for (int i = 1; i <= kArticleSlots; ++i) {
        // Free entries have no address either: they never match a feed.
        if (m.st.articleFeedUrl[i] == url && !m.st.articleTitle[i].isEmpty()) {
            const QString& mark = m.st.articleRead[i] == 0 ? kUnreadMark : kReadMark;
            list.rows.append(mark + m.st.articleTitle[i]);
            m.RssBox.articleOfRow.append(articleRef(m.st, i));
        }
    }
}

void Combo2_Click(Mascot& m, int index) {
    ComboBoxModel& combo = m.RssBox.Combo2;
    combo.listIndex = index >= 0 && index < combo.items.size() ? index : -1;
    KijiIchiran(m);
}

void List2_Click(Mascot& m, int index) {
    ListBoxModel& list = m.RssBox.List2;
    list.ListIndex = index >= 0 && index < list.rows.size() ? index : -1;
}

void List2_DblClick(Mascot& m) {
    openSelectedArticle(m);
}

void RssLButton_MouseDown(Mascot& m, int index, int button, int /*shift*/, int /*x*/, int /*y*/) {
    if (button != kLeftButton) {
        return;
    }
    switch (index) {
    case 0:
        updateAllFeeds(m);
        break;
    case 1:
        openSelectedArticle(m);
        break;
    case 2:
        closePanel(m);
        break;
    default:
        break;
    }
}

void RssLButton_MouseMove(Mascot& m, int index, int /*button*/, int /*shift*/, int /*x*/,
                          int /*y*/) {
    for (LabelModel& b : m.RssBox.RssLButton) {
        b.background = Qt::white;
    }
    if (index >= 0 && index < static_cast<int>(m.RssBox.RssLButton.size())) {
        m.RssBox.RssLButton[static_cast<std::size_t>(index)].background = kHoverColour;
    }
}
