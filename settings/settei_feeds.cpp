#include "settings/settei_feeds.h"

#include "core/mascot.h"
#include "settings/settei.h"
#include "settings/settei_address.h"

#include <optional>
#include <vector>

namespace {

// The registered slots in list order. The panel keeps them packed, but a
// file edited by hand may leave gaps: the rows then still act on the feeds
// they show.
std::vector<int> registeredSlots(const MascotState& st) {
    std::vector<int> found;
    for (int i = 1; i <= kFeedSlots; ++i) {
        if (!st.feedName[i].isEmpty()) {
            found.push_back(i);
        }
    }
    return found;
}

std::optional<int> firstFreeSlot(const MascotState& st) {
    for (int i = 1; i <= kFeedSlots; ++i) {
        if (st.feedName[i].isEmpty()) {
            return i;
        }
    }
    return std::nullopt;
}

// What a row of the list stands for.
struct Row {
    std::optional<int> slot; // the feed shown, when it shows one
    bool newFeed = false;    // the "--新規作成--" row
};

Row rowAt(const MascotState& st, int row) {
    const std::vector<int> found = registeredSlots(st);
    const int n = static_cast<int>(found.size());
    if (row >= 0 && row < n) {
        return {found[static_cast<std::size_t>(row)], false};
    }
    if (row == n && n < kFeedSlots) {
        return {std::nullopt, true};
    }
    return {};
}

Row selectedRow(const Mascot& m) {
    return rowAt(m.st, m.Settei.List1.ListIndex);
}

void setSlot(MascotState& st, int slot, const QString& name, const QString& url) {
    st.feedName[slot] = name;
    st.feedUrl[slot] = url;
}

} // namespace

void TourokuIchiran(Mascot& m) {
    ListBoxModel& list = m.Settei.List1;
    list.rows.clear();
    list.ListIndex = -1;
    for (int i = 1; i <= kFeedSlots; ++i) {
        if (!m.st.feedName[i].isEmpty()) {
            list.rows.append(m.st.feedName[i]);
        }
    }
    if (list.rows.size() < kFeedSlots) {
        list.rows.append(kNewFeedRow);
    }
}

void List1_Click(Mascot& m, int row) {
    SetteiModel& s = m.Settei;
    if (row < -1 || row >= s.List1.rows.size()) {
        return;
    }
    s.List1.ListIndex = row;
    const Row r = rowAt(m.st, row);
    clearAddressRefusal(s);
    if (r.newFeed) {
        s.Text1.text.clear();
        s.Text2.text.clear();
    } else if (r.slot) {
        s.Text1.text = m.st.feedName[*r.slot];
        s.Text2.text = m.st.feedUrl[*r.slot];
    }
}

void deleteFeed(Mascot& m) {
    const Row r = selectedRow(m);
    if (!r.slot) {
        return; // "--新規作成--" or nothing selected: no feed to remove
    }
    MascotState& st = m.st;
    for (int i = *r.slot; i < kFeedSlots; ++i) {
        setSlot(st, i, st.feedName[i + 1], st.feedUrl[i + 1]);
    }
    setSlot(st, kFeedSlots, QString(), QString());
    TourokuIchiran(m);
}

void addFeed(Mascot& m) {
    SetteiModel& s = m.Settei;
    if (s.Text1.text.isEmpty()) {
        return;
    }
    const std::optional<int> slot = firstFreeSlot(m.st);
    if (!slot) {
        return; // ten feeds: no "--新規作成--" row
    }
    const std::optional<QString> address = takeFeedAddress(s);
    if (!address) {
        return;
    }
    setSlot(m.st, *slot, s.Text1.text, *address);
    TourokuIchiran(m);
}

void changeFeed(Mascot& m) {
    SetteiModel& s = m.Settei;
    if (s.Text1.text.isEmpty()) {
        return;
    }
    const Row r = selectedRow(m);
    const std::optional<int> slot = r.newFeed ? firstFreeSlot(m.st) : r.slot;
    if (!slot) {
        return;
    }
    const std::optional<QString> address = takeFeedAddress(s);
    if (!address) {
        return;
    }
    setSlot(m.st, *slot, s.Text1.text, *address);
    TourokuIchiran(m);
}
