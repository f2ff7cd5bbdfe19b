#include "core/dragging.h"
#include "core/startup.h"
#include "settings/data_file.h"
#include "settings/settei.h"
#include "settings/settei_address.h"
#include "tests/support/mascot_fixture.h"

namespace {

class SetteiFeedsTest : public MascotTest {
protected:
    void SetUp() override {
        startRunning();
        Form_Load(m);
    }

    void registerFeeds(int count) {
        for (int i = 1; i <= count; ++i) {
            m.st.feedName[i] = QStringLiteral("feed%1").arg(i);
            m.st.feedUrl[i] = QStringLiteral("http://127.0.0.1/%1.xml").arg(i);
        }
    }
    void press(int index) { STButton_MouseDown(m, index, MouseButton::Left); }
    void type(const QString& name, const QString& url) {
        SetteiText_Change(m, SetteiBox::Text1, name);
        SetteiText_Change(m, SetteiBox::Text2, url);
    }
    const QStringList& rows() const { return m.Settei.List1.rows; }
    QStringList names() const {
        QStringList out;
        for (int i = 1; i <= kFeedSlots; ++i) {
            out << m.st.feedName[i];
        }
        return out;
    }

    // Registered feeds fill slots 1..n, and row r shows slot r + 1.
    void expectPackedList() const {
        int n = 0;
        while (n < kFeedSlots && !m.st.feedName[n + 1].isEmpty()) {
            ++n;
        }
        for (int i = n + 1; i <= kFeedSlots; ++i) {
            EXPECT_TRUE(m.st.feedName[i].isEmpty()) << "gap before slot " << i;
        }
        ASSERT_EQ(rows().size(), n < kFeedSlots ? n + 1 : n);
        for (int r = 0; r < n; ++r) {
            EXPECT_EQ(rows()[r], m.st.feedName[r + 1]);
        }
    }
};

TEST_F(SetteiFeedsTest, ListShowsTheFeedsThenTheNewRowWhileASlotIsFree) {
    SetteiHiraku(m);
    EXPECT_EQ(rows(), QStringList{kNewFeedRow});
    registerFeeds(9);
    TourokuIchiran(m);
    EXPECT_EQ(rows().size(), 10);
    EXPECT_EQ(rows().last(), kNewFeedRow);
    registerFeeds(10);
    TourokuIchiran(m);
    EXPECT_EQ(rows().size(), 10);
    EXPECT_EQ(rows().last(), QStringLiteral("feed10"));
    EXPECT_FALSE(rows().contains(kNewFeedRow));
}

TEST_F(SetteiFeedsTest, AddFillsTheFirstFreeSlotAndKeepsTheBoxes) {
    registerFeeds(2);
    SetteiHiraku(m);
    List1_Click(m, 0); // the selected row does not matter
    type(QStringLiteral("ニュース"), QStringLiteral("http://127.0.0.1/news.rdf"));
    press(SetteiButton::Add);
    EXPECT_EQ(m.st.feedName[3], QStringLiteral("ニュース"));
    EXPECT_EQ(m.st.feedUrl[3], QStringLiteral("http://127.0.0.1/news.rdf"));
    EXPECT_EQ(m.st.feedName[1], QStringLiteral("feed1"));
    EXPECT_EQ(rows(), (QStringList{"feed1", "feed2", "ニュース", kNewFeedRow}));
    EXPECT_EQ(m.Settei.List1.ListIndex, -1);
    EXPECT_EQ(m.Settei.Text1.text, QStringLiteral("ニュース"));
    EXPECT_EQ(m.Settei.Text2.text, QStringLiteral("http://127.0.0.1/news.rdf"));
}

TEST_F(SetteiFeedsTest, AddNeedsANameAnAddressAndAFreeSlot) {
    registerFeeds(3);
    SetteiHiraku(m);
    type(QString(), QStringLiteral("http://127.0.0.1/x"));
    press(SetteiButton::Add);
    type(QStringLiteral("x"), QString());
    press(SetteiButton::Add);
    EXPECT_TRUE(m.st.feedName[4].isEmpty());
    EXPECT_TRUE(m.st.feedUrl[4].isEmpty());
    EXPECT_EQ(rows().size(), 4);

    registerFeeds(10);
    TourokuIchiran(m);
    type(QStringLiteral("eleventh"), QStringLiteral("http://127.0.0.1/11"));
    press(SetteiButton::Add);
    EXPECT_EQ(names().last(), QStringLiteral("feed10"));
    EXPECT_FALSE(names().contains(QStringLiteral("eleventh")));
    EXPECT_EQ(rows().size(), 10);
}

TEST_F(SetteiFeedsTest, DeletingAFeedClosesTheGap) {
    registerFeeds(3);
    SetteiHiraku(m);
    List1_Click(m, 0);
    press(SetteiButton::Delete);
    EXPECT_EQ(m.st.feedName[1], QStringLiteral("feed2"));
    EXPECT_EQ(m.st.feedUrl[1], QStringLiteral("http://127.0.0.1/2.xml"));
    EXPECT_EQ(m.st.feedName[2], QStringLiteral("feed3"));
    EXPECT_EQ(m.st.feedUrl[2], QStringLiteral("http://127.0.0.1/3.xml"));
    EXPECT_TRUE(m.st.feedName[3].isEmpty());
    EXPECT_TRUE(m.st.feedUrl[3].isEmpty());
    EXPECT_EQ(rows(), (QStringList{"feed2", "feed3", kNewFeedRow}));
    EXPECT_EQ(m.Settei.List1.ListIndex, -1);

    // Nothing selected now: a second press removes nothing.
    press(SetteiButton::Delete);
    EXPECT_EQ(m.st.feedName[1], QStringLiteral("feed2"));

    // The last of ten.
    registerFeeds(10);
    TourokuIchiran(m);
    List1_Click(m, 9);
    press(SetteiButton::Delete);
    EXPECT_TRUE(m.st.feedName[10].isEmpty());
    EXPECT_TRUE(m.st.feedUrl[10].isEmpty());
    EXPECT_EQ(m.st.feedName[9], QStringLiteral("feed9"));
    EXPECT_EQ(rows().last(), kNewFeedRow);
    expectPackedList();
}

TEST_F(SetteiFeedsTest, DeletingTheNewRowChangesNothing) {
    registerFeeds(2);
    SetteiHiraku(m);
    List1_Click(m, 2);
    press(SetteiButton::Delete);
    EXPECT_EQ(rows(), (QStringList{"feed1", "feed2", kNewFeedRow}));
    EXPECT_EQ(m.st.feedUrl[2], QStringLiteral("http://127.0.0.1/2.xml"));
}

TEST_F(SetteiFeedsTest, ClickingARowFillsOrEmptiesTheBoxes) {
    registerFeeds(2);
    SetteiHiraku(m);
    List1_Click(m, 1);
    EXPECT_EQ(m.Settei.List1.ListIndex, 1);
    EXPECT_EQ(m.Settei.Text1.text, QStringLiteral("feed2"));
    EXPECT_EQ(m.Settei.Text2.text, QStringLiteral("http://127.0.0.1/2.xml"));
    List1_Click(m, -1);
    EXPECT_EQ(m.Settei.Text1.text, QStringLiteral("feed2"));
    List1_Click(m, 2);
    EXPECT_TRUE(m.Settei.Text1.text.isEmpty());
    EXPECT_TRUE(m.Settei.Text2.text.isEmpty());
    List1_Click(m, 0);
    List1_Click(m, 3); // beyond the list
    List1_Click(m, -2);
    EXPECT_EQ(m.Settei.List1.ListIndex, 0);
    EXPECT_EQ(m.Settei.Text1.text, QStringLiteral("feed1"));
}

TEST_F(SetteiFeedsTest, ChangeRewritesTheSelectedFeedOrFillsAFreeSlot) {
    registerFeeds(3);
    SetteiHiraku(m);
    List1_Click(m, 1);
    type(QStringLiteral("改名"), QStringLiteral("http://127.0.0.1/new.xml"));
    press(SetteiButton::Change);
    EXPECT_EQ(m.st.feedName[2], QStringLiteral("改名"));
    EXPECT_EQ(m.st.feedUrl[2], QStringLiteral("http://127.0.0.1/new.xml"));
    EXPECT_EQ(rows(), (QStringList{"feed1", "改名", "feed3", kNewFeedRow}));

    // Nothing selected after the rebuild: nothing changes.
    type(QStringLiteral("other"), QStringLiteral("http://127.0.0.1/o"));
    press(SetteiButton::Change);
    EXPECT_FALSE(names().contains(QStringLiteral("other")));

    // On the new row it registers, but not without an address.
    List1_Click(m, 3);
    type(QStringLiteral("住所なし"), QString());
    press(SetteiButton::Change);
    EXPECT_TRUE(m.st.feedName[4].isEmpty());
    type(QStringLiteral("住所あり"), QStringLiteral("http://127.0.0.1/4.xml"));
    press(SetteiButton::Change);
    EXPECT_EQ(m.st.feedName[4], QStringLiteral("住所あり"));
    expectPackedList();
}

TEST_F(SetteiFeedsTest, AddressesAreRegisteredAsFetchedOrRefusedWhereTyped) {
    registerFeeds(1);
    SetteiHiraku(m);
    const LabelModel& label = m.Settei.SetteiMoji[SetteiLabel::FeedUrl];
    const QColor refused(kRefusedAddressGround);

    type(QStringLiteral("ニュース"), QStringLiteral(" feed://127.0.0.1/n.xml "));
    press(SetteiButton::Add);
    EXPECT_EQ(m.st.feedUrl[2], QStringLiteral("http://127.0.0.1/n.xml"));
    EXPECT_EQ(m.Settei.Text2.text, QStringLiteral("http://127.0.0.1/n.xml"));

    type(QStringLiteral("ftp"), QStringLiteral("ftp://127.0.0.1/f.xml"));
    press(SetteiButton::Add);
    EXPECT_TRUE(m.st.feedName[3].isEmpty());
    EXPECT_EQ(m.Settei.Text2.background, refused);
    EXPECT_EQ(label.background, refused);
    EXPECT_EQ(label.caption, kAddressWanted);
    EXPECT_EQ(m.Settei.Text2.text, QStringLiteral("ftp://127.0.0.1/f.xml"));

    // Typing into the box takes the refusal back.
    SetteiText_Change(m, SetteiBox::Text2, QStringLiteral("127.0.0.1/f.xml"));
    EXPECT_FALSE(m.Settei.Text2.background.isValid());
    EXPECT_EQ(label.caption, QStringLiteral("RSSアドレス"));
    press(SetteiButton::Add);
    EXPECT_EQ(m.st.feedUrl[3], QStringLiteral("http://127.0.0.1/f.xml"));

    // "変更" refuses as well and leaves the feed as it was; choosing a row
    // takes the refusal back.
    List1_Click(m, 0);
    SetteiText_Change(m, SetteiBox::Text2, QString());
    press(SetteiButton::Change);
    EXPECT_EQ(m.st.feedUrl[1], QStringLiteral("http://127.0.0.1/1.xml"));
    EXPECT_EQ(label.caption, kAddressMissing);
    List1_Click(m, 1);
    EXPECT_FALSE(label.background.isValid());
    EXPECT_EQ(label.caption, QStringLiteral("RSSアドレス"));
}

TEST_F(SetteiFeedsTest, ChangeWithAnEmptyNameIsRefused) {
    registerFeeds(3);
    SetteiHiraku(m);
    List1_Click(m, 1);
    type(QString(), QStringLiteral("http://127.0.0.1/kept"));
    press(SetteiButton::Change);
    EXPECT_EQ(m.st.feedName[2], QStringLiteral("feed2"));
    EXPECT_EQ(m.st.feedUrl[2], QStringLiteral("http://127.0.0.1/2.xml"));
    EXPECT_EQ(m.Settei.List1.ListIndex, 1) << "the list is left as it was";
    expectPackedList();

    // Nor does the new row take an address without a name.
    List1_Click(m, 3);
    type(QString(), QStringLiteral("http://127.0.0.1/orphan"));
    press(SetteiButton::Change);
    EXPECT_TRUE(m.st.feedUrl[4].isEmpty());
    expectPackedList();

    // The selected row still acts on the feed it shows.
    List1_Click(m, 2);
    press(SetteiButton::Delete);
    EXPECT_EQ(names().mid(0, 3), (QStringList{"feed1", "feed2", ""}));
}

TEST_F(SetteiFeedsTest, FeedEditsStayWhateverClosesThePanel) {
    SetteiHiraku(m);
    type(QStringLiteral("ニュース"), QStringLiteral("http://127.0.0.1/n"));
    press(SetteiButton::Add);
    press(SetteiButton::Cancel);
    EXPECT_EQ(m.st.feedName[1], QStringLiteral("ニュース"));
    SetteiHiraku(m);
    EXPECT_EQ(rows(), (QStringList{"ニュース", kNewFeedRow}));
    // Unsaved until the next OK or quit.
    EXPECT_FALSE(QFile::exists(path(kDataFileName)));
    Shuuryou(m);
    MascotState loaded;
    decodeDataFile(readFile(kDataFileName), loaded);
    EXPECT_EQ(loaded.feedName[1], QStringLiteral("ニュース"));
    EXPECT_EQ(loaded.feedUrl[1], QStringLiteral("http://127.0.0.1/n"));
}

TEST_F(SetteiFeedsTest, AFeedNamedLikeTheNewRowIsAFeed) {
    registerFeeds(9);
    m.st.feedName[10] = kNewFeedRow;
    m.st.feedUrl[10] = QStringLiteral("http://127.0.0.1/tricky");
    SetteiHiraku(m);
    EXPECT_EQ(rows().size(), 10);
    type(QStringLiteral("x"), QStringLiteral("http://127.0.0.1/x"));
    press(SetteiButton::Add);
    EXPECT_EQ(m.st.feedUrl[10], QStringLiteral("http://127.0.0.1/tricky"));
    List1_Click(m, 9);
    EXPECT_EQ(m.Settei.Text1.text, kNewFeedRow);
    EXPECT_EQ(m.Settei.Text2.text, QStringLiteral("http://127.0.0.1/tricky"));
}

TEST_F(SetteiFeedsTest, RowsActOnTheFeedsTheyShowWhenAFileLeftGaps) {
    m.st.feedName[1] = QStringLiteral("a");
    m.st.feedName[3] = QStringLiteral("c");
    m.st.feedUrl[3] = QStringLiteral("http://127.0.0.1/c");
    m.st.feedName[4] = QStringLiteral("d");
    SetteiHiraku(m);
    EXPECT_EQ(rows(), (QStringList{"a", "c", "d", kNewFeedRow}));
    List1_Click(m, 1);
    EXPECT_EQ(m.Settei.Text2.text, QStringLiteral("http://127.0.0.1/c"));
    type(QStringLiteral("new"), QStringLiteral("http://127.0.0.1/new"));
    press(SetteiButton::Add);
    EXPECT_EQ(m.st.feedName[2], QStringLiteral("new")) << "the gap, not a registered slot";
    EXPECT_EQ(m.st.feedName[4], QStringLiteral("d"));
    List1_Click(m, 2); // "c" in slot 3
    press(SetteiButton::Delete);
    EXPECT_EQ(names().mid(0, 4), (QStringList{"a", "new", "d", ""}));
}

} // namespace
