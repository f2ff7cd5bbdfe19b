#include "tests/ui/request_counter.h"
#include "ui/alarm_box_window.h"

#include "alarm/alarm_box.h"
#include "core/main_tick.h"
#include "tests/support/mascot_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

class AlarmBoxWindowTest : public MascotTest {
protected:
    AlarmBoxWindow window{m};

    void SetUp() override {
        m.st.posX = 400;
        m.st.posY = 100;
        AlarmHiraku(m);
        window.sync();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QLabel* button(int i) const {
        return window.findChild<QLabel*>(QStringLiteral("alaon%1").arg(i));
    }
    QLineEdit* box(int i) const {
        return window.findChild<QLineEdit*>(QStringLiteral("AlaText%1").arg(i));
    }
    QLabel* label(int i) const {
        return window.findChild<QLabel*>(QStringLiteral("alalabel%1").arg(i));
    }
    static QColor ground(const QWidget* w) { return w->palette().color(QPalette::Window); }
};

TEST_F(AlarmBoxWindowTest, StandsBesideTheCharacterAtTheModelsPixels) {
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect((400 * 15 - 1725) / 15, (100 * 15 + 450) / 15, 115, 161));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    // A plain window: Qt makes tool windows transient, and managers hide
    // transient utility windows of an inactive application.
    EXPECT_EQ(window.windowType(), Qt::Window);

    // The character walks on: the panel follows at the running offset.
    m.st.posX = 20;
    followPanels(m);
    window.sync();
    EXPECT_EQ(window.geometry().topLeft(), QPoint(20 + 80, 100 + 30));
}

TEST_F(AlarmBoxWindowTest, ControlsSitAtTheirPixels) {
    EXPECT_EQ(label(0)->geometry(), QRect(8, 8, 97, 17));
    EXPECT_EQ(label(0)->text(), QStringLiteral("アラーム"));
    EXPECT_EQ(label(1)->geometry(), QRect(49, 51, 17, 41));
    EXPECT_EQ(box(0)->geometry(), QRect(8, 48, 41, 38));
    EXPECT_EQ(box(1)->geometry(), QRect(64, 48, 41, 38));
    EXPECT_EQ(button(Alaon::HoursDown)->geometry(), QRect(8, 32, 41, 15));
    EXPECT_EQ(button(Alaon::HoursUp)->geometry(), QRect(8, 87, 41, 15));
    EXPECT_EQ(button(Alaon::MinutesDown)->geometry(), QRect(64, 32, 41, 15));
    EXPECT_EQ(button(Alaon::MinutesUp)->geometry(), QRect(64, 87, 41, 15));
    EXPECT_EQ(button(Alaon::On)->geometry(), QRect(8, 112, 49, 17));
    EXPECT_EQ(button(Alaon::Off)->geometry(), QRect(56, 112, 49, 17));
    EXPECT_EQ(button(Alaon::Ok)->geometry(), QRect(8, 136, 97, 17));
    EXPECT_EQ(button(Alaon::HoursDown)->text(), QStringLiteral("▲"));
    EXPECT_EQ(button(Alaon::HoursUp)->text(), QStringLiteral("▼"));
    EXPECT_EQ(box(0)->text(), QStringLiteral("00"));
    EXPECT_EQ(box(0)->font().pointSize(), 24);
    EXPECT_EQ(box(0)->font().families().value(0), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(label(1)->font().pointSize(), 24);
}

TEST_F(AlarmBoxWindowTest, ClicksStepTheBoxes) {
    QTest::mouseClick(button(Alaon::HoursUp), Qt::LeftButton);
    EXPECT_EQ(m.AlarmBox.AlaText[AlaBox::Hours].text, QStringLiteral("01"));
    EXPECT_EQ(box(0)->text(), QStringLiteral("01"));
    QTest::mouseClick(button(Alaon::MinutesDown), Qt::LeftButton);
    EXPECT_EQ(box(1)->text(), QStringLiteral("59"));
    QTest::mouseClick(button(Alaon::HoursUp), Qt::RightButton);
    EXPECT_EQ(box(0)->text(), QStringLiteral("01"));
}

TEST_F(AlarmBoxWindowTest, HoverColoursFollowThePointer) {
    EXPECT_EQ(ground(button(Alaon::Off)), QColor(kAlaonState));
    QTest::mouseMove(button(Alaon::Ok));
    EXPECT_EQ(ground(button(Alaon::Ok)), QColor(kAlaonHover));
    EXPECT_EQ(ground(button(Alaon::Off)), QColor(kAlaonState));
    EXPECT_EQ(ground(button(Alaon::On)), QColor(kAlaonPlain));
    QTest::mouseMove(button(Alaon::MinutesUp));
    EXPECT_EQ(ground(button(Alaon::MinutesUp)), QColor(kAlaonHover));
    EXPECT_EQ(ground(button(Alaon::Ok)), QColor(kAlaonPlain));
}

TEST_F(AlarmBoxWindowTest, TypingIsCheckedAtOnce) {
    box(1)->setFocus();
    box(1)->selectAll();
    QTest::keyClicks(box(1), QStringLiteral("75"));
    EXPECT_EQ(m.AlarmBox.AlaText[AlaBox::Minutes].text, QStringLiteral("59"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("59"));
    box(0)->selectAll();
    QTest::keyClicks(box(0), QStringLiteral("7"));
    EXPECT_EQ(m.AlarmBox.AlaText[AlaBox::Hours].text, QStringLiteral("7"));
    QTest::mouseClick(button(Alaon::On), Qt::LeftButton);
    EXPECT_EQ(m.st.alarmTime, QStringLiteral("0759"));
    EXPECT_EQ(box(0)->text(), QStringLiteral("07"));
}

TEST_F(AlarmBoxWindowTest, OkClosesThePanel) {
    QTest::mouseClick(button(Alaon::Ok), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
}

TEST_F(AlarmBoxWindowTest, AnUnchangedModelSendsNothing) {
    QApplication::processEvents();
    RequestCounter counter;
    window.installEventFilter(&counter);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        child->installEventFilter(&counter);
    }
    window.sync();
    window.sync();
    QApplication::processEvents();
    EXPECT_EQ(counter.requests, 0);

    // A change of colour repaints.
    alaon_MouseMove(m, Alaon::On);
    window.sync();
    QApplication::processEvents();
    EXPECT_GT(counter.requests, 0);
}

} // namespace
