#include "feeds/rss_box.h"

#include "core/mascot.h"
#include "feeds/feed_run.h"
#include "feeds/kiji_hiraku.h"
#include "speech/hanasu.h"

namespace {

const QString kUnreadMark = QStringLiteral("　 ");
const QString kReadMark = QStringLiteral("済 ");
constexpr qsizetype kMarkLength = 2;
const QColor kHoverColour(255, 150, 150);

void showLastFetch(Mascot& m) {
    m.RssBox.RssLabel[1].caption = kLastFetchCaption + m.st.lastFetchText;
}

void fillAndChooseFirst(Mascot& m) {
    RssMeiIchiran(m);
    Combo2_Click(m, 0);
}

void openSelectedArticle(Mascot& m) {
    const ListBoxModel& list = m.RssBox.List2;
    if (list.ListIndex < 0 || list.ListIndex >= list.rows.size()) {
        return;
    }
    const QString title = list.rows[list.ListIndex].mid(kMarkLength);
    for (int i = 1; i <= kArticleSlots; ++i) {
        if (m.st.articleTitle[i] == title) {
            KijiHiraku(m, m.st.articleLink[i]);
            m.st.articleRead[i] = 1;
        }
    }
    KijiIchiran(m);
}

void updateAllFeeds(Mascot& m) {
    if (feedRunInFlight(m)) {
        return; // one update at a time
    }
    startFeedRun(m, [](Mascot& done) {
        fillAndChooseFirst(done);
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
    for (int i = 1; i <= kArticleSlots; ++i) {
        // Free entries have no address either: they never match a feed.
        if (m.st.articleFeedUrl[i] == url && !m.st.articleTitle[i].isEmpty()) {
            const QString& mark = m.st.articleRead[i] == 0 ? kUnreadMark : kReadMark;
            list.rows.append(mark + m.st.articleTitle[i]);
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
