#include "tests/ui/request_counter.h"
#include "ui/escape_quits.h"
#include "ui/settei_window.h"

#include "core/dragging.h"
#include "core/main_tick.h"
#include "core/pictures/character_catalogue.h"
#include "core/startup.h"
#include "settings/cp932.h"
#include "settings/data_file.h"
#include "settings/settei.h"
#include "settings/settei_address.h"
#include "tests/support/mascot_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

class SetteiWindowTest : public MascotTest {
protected:
    SetteiWindow window{m};

    void SetUp() override {
        startRunning();
        Form_Load(m);
        KyaraIchiran(m);
        m.st.posX = 500;
        m.st.posY = 100;
        m.st.feedName[1] = QStringLiteral("ニュース");
        m.st.feedUrl[1] = QStringLiteral("http://127.0.0.1/news.xml");
        SetteiHiraku(m);
        window.sync();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <typename W> W* child(const QString& name) const {
        W* w = window.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLabel* button(int i) const { return child<QLabel>(QStringLiteral("STButton%1").arg(i)); }
    QLabel* label(int i) const { return child<QLabel>(QStringLiteral("SetteiMoji%1").arg(i)); }
    QCheckBox* check(int i) const { return child<QCheckBox>(QStringLiteral("STCheck%1").arg(i)); }
    QLineEdit* line(const char* name) const { return child<QLineEdit>(QString::fromLatin1(name)); }
    QPlainTextEdit* twoLines(const char* name) const {
        return child<QPlainTextEdit>(QString::fromLatin1(name));
    }
    QListWidget* list() const { return child<QListWidget>(QStringLiteral("List1")); }
    QComboBox* combo(const char* name) const { return child<QComboBox>(QString::fromLatin1(name)); }
    QScrollBar* bar(const char* name) const { return child<QScrollBar>(QString::fromLatin1(name)); }
    static QColor ground(const QWidget* w) { return w->palette().color(QPalette::Window); }

    void clickRow(int row) {
        QListWidget* l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }
};

TEST_F(SetteiWindowTest, StandsBesideTheCharacterAndFollowsIt) {
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect((500 * 15 - 6135) / 15, (100 * 15 + 450) / 15, 409, 385));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    // A plain window: Qt makes tool windows transient, and managers hide
    // transient utility windows of an inactive application.
    EXPECT_EQ(window.windowType(), Qt::Window);

    // No room on the left: 105 pixels right of the character, also while it stays open.
    m.st.posX = 50;
    followPanels(m);
    window.sync();
    EXPECT_EQ(window.geometry().topLeft(), QPoint(50 + 105, 100 + 30));
}

TEST_F(SetteiWindowTest, EveryControlSitsAtItsPixelsWithItsCaption) {
    struct Expected {
        QWidget* widget;
        QRect rect;
        QString caption;
    };
    const Expected table[] = {
        {label(0), {8, 8, 393, 17}, "設定"},
        {label(1), {8, 32, 177, 17}, "マスターの名前"},
        {line("SetteiText"), {8, 48, 177, 19}, {}},
        {label(2), {8, 80, 177, 17}, "移動速度:10"},
        {bar("HScroll1"), {8, 96, 177, 17}, {}},
        {check(2), {8, 128, 169, 17}, "サウンド"},
        {check(0), {8, 144, 169, 17}, "時報"},
        {check(1), {8, 160, 169, 17}, "勝手に話しかけてくる"},
        {label(3), {8, 184, 177, 17}, "話しかけてくる頻度:5分"},
        {bar("HScroll2"), {8, 200, 177, 17}, {}},
        {label(4), {8, 224, 169, 17}, "話しかけてくる内容"},
        {check(4), {8, 240, 169, 17}, "通常会話"},
        {check(5), {8, 256, 169, 17}, "RSSの内容"},
        {combo("Combo3"), {8, 280, 177, 21}, {}},
        {label(5), {216, 32, 177, 17}, "RSS自動取得頻度"},
        {combo("Combo1"), {216, 48, 177, 21}, {}},
        {label(6), {216, 80, 177, 17}, "登録されたRSS"},
        {list(), {216, 96, 177, 69}, {}},
        {label(7), {216, 168, 177, 17}, "RSS登録名"},
        {line("Text1"), {216, 184, 177, 19}, {}},
        {label(8), {216, 208, 177, 17}, "RSSアドレス"},
        {twoLines("Text2"), {216, 224, 177, 35}, {}},
        {button(4), {216, 264, 49, 17}, "変更"},
        {button(2), {280, 264, 49, 17}, "削除"},
        {button(3), {344, 264, 49, 17}, "追加"},
        {label(9), {216, 288, 177, 17}, "ブラウザのアドレス"},
        {twoLines("Text3"), {216, 304, 177, 35}, {}},
        {button(1), {256, 352, 65, 17}, "CANCEL"},
        {button(0), {328, 352, 65, 17}, "OK"},
    };
    for (const Expected& e : table) {
        ASSERT_NE(e.widget, nullptr);
        const std::string name = e.widget->objectName().toStdString();
        EXPECT_EQ(e.widget->geometry(), e.rect) << name;
        EXPECT_TRUE(e.widget->isVisible()) << name;
        if (auto* l = qobject_cast<QLabel*>(e.widget)) {
            EXPECT_EQ(l->text(), e.caption) << name;
        } else if (auto* c = qobject_cast<QCheckBox*>(e.widget)) {
            EXPECT_EQ(c->text(), e.caption) << name;
        }
        if (qobject_cast<QScrollBar*>(e.widget) != nullptr) {
            continue; // no text to set in a font
        }
        const int points = e.widget == label(0) ? 12 : 9;
        EXPECT_EQ(e.widget->font().pointSize(), points) << name;
        EXPECT_EQ(e.widget->font().families().value(0), QStringLiteral("ＭＳ 明朝")) << name;
    }
    EXPECT_EQ(window.findChild<QCheckBox*>(QStringLiteral("STCheck3")), nullptr);

    EXPECT_EQ(combo("Combo3")->count(), 12);
    EXPECT_EQ(combo("Combo3")->itemText(0), QStringLiteral("Velka"));
    EXPECT_EQ(combo("Combo3")->currentText(), QStringLiteral("Ilvenne"));
    EXPECT_EQ(combo("Combo1")->count(), 4);
    EXPECT_EQ(combo("Combo1")->currentText(), QStringLiteral("しない"));
    EXPECT_EQ(combo("Combo1")->itemText(3), QStringLiteral("１時間"));
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral("ニュース"));
    EXPECT_EQ(list()->item(1)->text(), kNewFeedRow);
    EXPECT_EQ(bar("HScroll1")->minimum(), 1);
    EXPECT_EQ(bar("HScroll1")->maximum(), 40);
    EXPECT_EQ(bar("HScroll1")->value(), 10);
    EXPECT_EQ(bar("HScroll2")->maximum(), 10);
    EXPECT_TRUE(check(2)->isChecked());
    EXPECT_FALSE(check(5)->isChecked());
}

TEST_F(SetteiWindowTest, TypingReachesTheModel) {
    QLineEdit* name = line("SetteiText");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Taro"));
    EXPECT_EQ(m.Settei.SetteiText.text, QStringLiteral("Taro"));

    // What an input method commits arrives the same way.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("太郎"));
    QApplication::sendEvent(name, &commit);
    EXPECT_EQ(m.Settei.SetteiText.text, QStringLiteral("Taro太郎"));

    // The two-line boxes wrap a long address and take no line break.
    QPlainTextEdit* address = twoLines("Text2");
    address->setFocus();
    const QString url = QStringLiteral("http://127.0.0.1/a/rather/long/path/to/a/feed.rdf");
    QTest::keyClicks(address, url);
    QTest::keyClick(address, Qt::Key_Return);
    EXPECT_EQ(m.Settei.Text2.text, url);
    EXPECT_EQ(address->toPlainText(), url);
    EXPECT_GE(address->document()->firstBlock().layout()->lineCount(), 2)
        << "the address wraps onto the second line";
}

TEST_F(SetteiWindowTest, ControlsReachTheModel) {
    bar("HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m.Settei.HScroll1.value, 11);
    EXPECT_EQ(label(2)->text(), QStringLiteral("移動速度:11"));
    bar("HScroll2")->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(label(3)->text(), QStringLiteral("話しかけてくる頻度:10分"));

    QTest::mouseClick(check(0), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(m.Settei.STCheck[SetteiCheck::TimeSignal].value, 0);

    QTest::keyClick(combo("Combo3"), Qt::Key_Up);
    EXPECT_EQ(m.Settei.Combo3Box.ListIndex, 10);
    QTest::keyClick(combo("Combo1"), Qt::Key_Down);
    EXPECT_EQ(m.Settei.Combo1Box.ListIndex, 1);

    clickRow(0);
    EXPECT_EQ(m.Settei.List1.ListIndex, 0);
    EXPECT_EQ(line("Text1")->text(), QStringLiteral("ニュース"));
    EXPECT_EQ(twoLines("Text2")->toPlainText(), QStringLiteral("http://127.0.0.1/news.xml"));
    clickRow(1);
    EXPECT_TRUE(line("Text1")->text().isEmpty());
    EXPECT_TRUE(twoLines("Text2")->toPlainText().isEmpty());

    // Registering a feed rebuilds the list with nothing selected.
    line("Text1")->setFocus();
    QTest::keyClicks(line("Text1"), QStringLiteral("two"));
    twoLines("Text2")->setFocus();
    QTest::keyClicks(twoLines("Text2"), QStringLiteral("http://127.0.0.1/2"));
    QTest::mouseClick(button(SetteiButton::Add), Qt::LeftButton);
    EXPECT_EQ(m.st.feedName[2], QStringLiteral("two"));
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->item(1)->text(), QStringLiteral("two"));
    EXPECT_EQ(list()->currentRow(), -1);
}

TEST_F(SetteiWindowTest, ARefusedAddressShowsInItsBoxAndLabelUntilTyped) {
    QPlainTextEdit* address = twoLines("Text2");
    const QColor plain = address->palette().color(QPalette::Base);
    const QColor refused(kRefusedAddressGround);
    line("Text1")->setFocus();
    QTest::keyClicks(line("Text1"), QStringLiteral("ftp"));
    address->setFocus();
    QTest::keyClicks(address, QStringLiteral("ftp://127.0.0.1/a.xml"));
    STButton_MouseDown(m, SetteiButton::Add, MouseButton::Left);
    window.sync();
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(address->palette().color(QPalette::Base), refused);
    EXPECT_EQ(label(SetteiLabel::FeedUrl)->text(), kAddressWanted);
    EXPECT_EQ(ground(label(SetteiLabel::FeedUrl)), refused);
    EXPECT_TRUE(label(SetteiLabel::FeedUrl)->autoFillBackground());

    QTest::keyClick(address, Qt::Key_Backspace);
    EXPECT_EQ(address->palette().color(QPalette::Base), plain);
    EXPECT_EQ(label(SetteiLabel::FeedUrl)->text(), QStringLiteral("RSSアドレス"));
    EXPECT_FALSE(label(SetteiLabel::FeedUrl)->autoFillBackground());
}

TEST_F(SetteiWindowTest, TabbingIntoTheFeedListChoosesNoFeedUntilARowIsSelected) {
    m.st.feedName[2] = QStringLiteral("二つ目");
    m.st.feedUrl[2] = QStringLiteral("http://127.0.0.1/2.xml");
    SetteiHiraku(m);
    window.sync();
    QLineEdit* name = line("Text1");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("typed"));

    list()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m.Settei.List1.ListIndex, -1);
    EXPECT_EQ(name->text(), QStringLiteral("typed"));
    QTest::mouseClick(button(SetteiButton::Delete), Qt::LeftButton);
    EXPECT_EQ(m.st.feedName[1], QStringLiteral("ニュース")) << "nothing shows as selected";

    // The first arrow key selects the first row, where it can be seen.
    list()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(m.Settei.List1.ListIndex, 0);
    EXPECT_TRUE(list()->item(0)->isSelected());
    EXPECT_EQ(name->text(), QStringLiteral("ニュース"));
    QTest::mouseClick(button(SetteiButton::Delete), Qt::LeftButton);
    EXPECT_EQ(m.st.feedName[1], QStringLiteral("二つ目"));
}

TEST_F(SetteiWindowTest, HoverColoursStayOnTheLastButtonTouched) {
    for (int i = 0; i < SetteiButton::Count; ++i) {
        EXPECT_EQ(ground(button(i)), QColor(255, 255, 255)) << i;
    }
    QTest::mouseMove(button(SetteiButton::Delete));
    EXPECT_EQ(ground(button(SetteiButton::Delete)), QColor(255, 150, 150));
    QTest::mouseMove(button(SetteiButton::Ok));
    EXPECT_EQ(ground(button(SetteiButton::Ok)), QColor(255, 150, 150));
    EXPECT_EQ(ground(button(SetteiButton::Delete)), QColor(255, 255, 255));
    QTest::mouseMove(label(SetteiLabel::Browser));
    EXPECT_EQ(ground(button(SetteiButton::Ok)), QColor(255, 150, 150));
}

TEST_F(SetteiWindowTest, OkReactsToTheLeftButtonOnlyAndSaves) {
    QLineEdit* name = line("SetteiText");
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Taro"));
    QTest::mouseClick(button(SetteiButton::Ok), Qt::RightButton);
    QTest::mouseClick(button(SetteiButton::Ok), Qt::MiddleButton);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(m.st.masterName, QStringLiteral("あなた"));

    QTest::mouseClick(button(SetteiButton::Ok), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.masterName, QStringLiteral("Taro"));
    const QList<QByteArray> lines = readFile(kDataFileName).split('\n');
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines[1], QByteArray("Taro\r"));
}

TEST_F(SetteiWindowTest, CancelClosesWithoutSaving) {
    QTest::mouseClick(button(SetteiButton::Cancel), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(QFile::exists(path(kDataFileName)));
}

TEST_F(SetteiWindowTest, EscInsideThePanelSavesAndQuits) {
    EscapeQuits escape(m); // as the program installs it
    qApp->installEventFilter(&escape);
    QLineEdit* name = line("SetteiText");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Escape);
    EXPECT_EQ(platform.quits, 1);
    EXPECT_TRUE(QFile::exists(path(kDataFileName)));
    QTest::keyClick(twoLines("Text3"), Qt::Key_Escape);
    QTest::keyClick(list(), Qt::Key_Escape);
    EXPECT_EQ(platform.quits, 3);
}

TEST_F(SetteiWindowTest, ThePanelTakesTheKeyboardWhenOpenedAndWhenClicked) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget other;
    other.setGeometry(900, 500, 50, 50);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::mouseClick(line("Text1"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST_F(SetteiWindowTest, AnUnchangedModelSendsNothing) {
    QApplication::processEvents();
    RequestCounter counter;
    window.installEventFilter(&counter);
    for (QWidget* w : window.findChildren<QWidget*>()) {
        w->installEventFilter(&counter);
    }
    window.sync();
    window.sync();
    QApplication::processEvents();
    EXPECT_EQ(counter.requests, 0);

    STButton_MouseMove(m, SetteiButton::Cancel);
    window.sync();
    QApplication::processEvents();
    EXPECT_GT(counter.requests, 0);
}

} // namespace
