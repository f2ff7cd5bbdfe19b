#include "core/mascot.h"
#include "feeds/rss_box.h"
#include "tests/support/fake_platform.h"
#include "ui/escape_quits.h"
#include "ui/rss_box_window.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Counts what reaches the window system from the panel and its controls.
class EventCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Paint:
        case QEvent::UpdateRequest:
        case QEvent::PaletteChange:
        case QEvent::LayoutRequest:
            ++count;
            break;
        default:
            break;
        }
        return false;
    }
};

class RssBoxWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePlatform platform;
    Mascot m{platform, QDir(dir.path())};
    RssBoxWindow window{m};

    void SetUp() override {
        m.st.posX = 600;
        m.st.posY = 100;
        m.st.feedName[1] = QStringLiteral("ニュース");
        m.st.feedUrl[1] = QStringLiteral("https://news.example.jp/rss");
        m.st.feedName[2] = QStringLiteral("ブログ");
        m.st.feedUrl[2] = QStringLiteral("https://blog.example.jp/rss");
        m.st.lastFetchText = QStringLiteral("2026/12/09 9:00:00");
        for (int i = 1; i <= 3; ++i) {
            m.st.articleTitle[i] = QStringLiteral("記事%1").arg(i);
            m.st.articleLink[i] = QStringLiteral("https://news.example.jp/%1").arg(i);
            m.st.articleFeedUrl[i] = i == 2 ? m.st.feedUrl[2] : m.st.feedUrl[1];
        }
        ASSERT_TRUE(RssBoxHiraku(m));
        window.sync();
        QCoreApplication::processEvents();
    }
    template <typename W> W* child(const char* name) {
        return window.findChild<W*>(QString::fromLatin1(name));
    }
    QLabel* button(int i) {
        return child<QLabel>(i == 0 ? "RssLButton0" : i == 1 ? "RssLButton1" : "RssLButton2");
    }
};

TEST_F(RssBoxWindowTest, MirrorsThePanelInPixels) {
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect((600 * 15 - 6135) / 15, (100 * 15 + 450) / 15, 409, 321));
    EXPECT_EQ(child<QLabel>("RssLabel1")->text(), u"最終更新日時：2026/12/09 9:00:00");
    EXPECT_EQ(child<QLabel>("RssLabel0")->geometry(), QRect(8, 8, 393, 17));
    auto* combo = child<QComboBox>("Combo2");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentIndex(), 0);
    auto* list = child<QListWidget>("List2");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), u"　 記事1");
    EXPECT_EQ(list->geometry(), QRect(8, 72, 393, 212));
    EXPECT_EQ(button(2)->text(), u"OK");
    EXPECT_EQ(button(2)->geometry(), QRect(320, 288, 81, 17));
}

TEST_F(RssBoxWindowTest, AnUnchangedModelSendsNothing) {
    EventCounter counter;
    window.installEventFilter(&counter);
    for (QWidget* w : window.findChildren<QWidget*>()) {
        w->installEventFilter(&counter);
    }
    window.sync();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.count, 0);

    m.RssBox.geometry.left += 150; // the tick moved it
    window.sync();
    QCoreApplication::processEvents();
    EXPECT_GT(counter.count, 0);
    EXPECT_EQ(window.x(), m.RssBox.geometry.left / 15);
}

TEST_F(RssBoxWindowTest, ChoosingAFeedAndDoubleClickingAnArticle) {
    auto* combo = child<QComboBox>("Combo2");
    emit combo->activated(1);
    auto* list = child<QListWidget>("List2");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), u"　 記事2");

    const QPoint row = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(m.RssBox.List2.ListIndex, 0);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(platform.openedUrls, QStringList{u"https://news.example.jp/2"_qs});
    EXPECT_EQ(m.st.articleRead[2], 1);
    EXPECT_EQ(list->item(0)->text(), u"済 記事2");
}

TEST_F(RssBoxWindowTest, ARowOfARepeatedTitleOpensOnlyItsOwnArticle) {
    m.st.articleTitle[3] = m.st.articleTitle[1];
    ASSERT_TRUE(RssBoxHiraku(m));
    window.sync();
    auto* list = child<QListWidget>("List2");
    ASSERT_EQ(list->count(), 2);
    ASSERT_EQ(list->item(1)->text(), list->item(0)->text());
    const QPoint row = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(platform.openedUrls, QStringList{u"https://news.example.jp/3"_qs});
    EXPECT_EQ(list->item(0)->text(), u"　 記事1");
    EXPECT_EQ(list->item(1)->text(), u"済 記事1");
}

TEST_F(RssBoxWindowTest, TheFeedChosenDuringAnUpdateStaysChosen) {
    QTest::mouseClick(button(0), Qt::LeftButton);
    ASSERT_EQ(platform.fetches.size(), 2u);
    auto* combo = child<QComboBox>("Combo2");
    emit combo->activated(1);
    for (const char* url : {"https://news.example.jp/rss", "https://blog.example.jp/rss"}) {
        ASSERT_TRUE(platform.completeFetch(
            QString::fromLatin1(url),
            {true,
             "<rss><item><title>新着</title><link>https://x.example/</link></item></rss>",
             {}}));
    }
    window.sync(); // as the next tick does
    EXPECT_EQ(combo->currentIndex(), 1);
    auto* list = child<QListWidget>("List2");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), u"　 記事2");
}

TEST_F(RssBoxWindowTest, TabbingIntoTheArticlesChoosesNoneUntilOneIsSelected) {
    auto* list = child<QListWidget>("List2");
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m.RssBox.List2.ListIndex, -1);
    QTest::mouseClick(button(1), Qt::LeftButton); // 記事参照
    EXPECT_TRUE(platform.openedUrls.isEmpty()) << "nothing shows as selected";

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_TRUE(list->item(0)->isSelected());
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(platform.openedUrls, QStringList{u"https://news.example.jp/1"_qs});
}

TEST_F(RssBoxWindowTest, ButtonsAnswerTheLeftButtonAndHoverStays) {
    QTest::mouseMove(button(1), QPoint(5, 5));
    EXPECT_EQ(m.RssBox.RssLButton[1].background, QColor(255, 150, 150));
    EXPECT_EQ(button(1)->palette().color(QPalette::Window), QColor(255, 150, 150));

    QTest::mouseClick(button(2), Qt::RightButton);
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_FALSE(window.isVisible());
    // The pointer never moved over "OK": the last button touched keeps its
    // colour.
    EXPECT_EQ(m.RssBox.RssLButton[1].background, QColor(255, 150, 150));
    EXPECT_EQ(m.RssBox.RssLButton[2].background, QColor(Qt::white));
}

TEST_F(RssBoxWindowTest, EscSavesAndQuits) {
    EscapeQuits escape(m); // as the program installs it
    qApp->installEventFilter(&escape);
    m.stateReady = true;
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(platform.quits, 1);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("jouhou.mrdt"))));
}

} // namespace
