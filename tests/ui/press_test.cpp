// A click runs one choice: the second press of a double-click, and a press
// that comes too soon after something new was put under the pointer, run
// nothing.

#include "core/mascot.h"
#include "settings/choice_menu.h"
#include "tests/support/mascot_fixture.h"
#include "ui/balloon_labels.h"
#include "ui/balloon_window.h"
#include "ui/label_button.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>

namespace {

// Sets the desktop's double-click interval for one test.
class DoubleClickInterval {
public:
    explicit DoubleClickInterval(int ms) : before_(styleHints()->mouseDoubleClickInterval()) {
        styleHints()->setMouseDoubleClickInterval(ms);
    }
    ~DoubleClickInterval() { styleHints()->setMouseDoubleClickInterval(before_); }
    DoubleClickInterval(const DoubleClickInterval&) = delete;
    DoubleClickInterval& operator=(const DoubleClickInterval&) = delete;

private:
    static QStyleHints* styleHints() { return QGuiApplication::styleHints(); }
    int before_;
};

constexpr int kHour = 3600 * 1000;

// A press, and the second press as the window system reports it.
void doubleClick(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
}

class PressTest : public MascotTest {
protected:
    PressTest() { m.stateReady = true; }
};

TEST_F(PressTest, DoubleClickOnQuitNearTheBottomEdgeDoesNotConfirm) {
    BalloonWindow balloon(m);
    m.st.posX = 600;
    m.st.posY = 760; // the balloons stand on the same bottom line
    SentakuHiraku(m);
    balloon.sync();
    auto* quit = balloon.findChild<ChoiceLabel*>(QStringLiteral("Sentaku1"));
    ASSERT_EQ(quit->caption(), QStringLiteral("終了する"));
    const QRect at = quit->geometry().translated(balloon.pos());

    doubleClick(quit);
    ASSERT_EQ(quit->caption(), QStringLiteral("はい")) << "the confirmation is up";
    ASSERT_EQ(quit->geometry().translated(balloon.pos()), at) << "under the same pointer";
    EXPECT_EQ(platform.quits, 0);

    {
        // Too soon after the confirmation appeared for the user to have read it.
        const DoubleClickInterval interval(kHour);
        QTest::mouseClick(quit, Qt::LeftButton);
        EXPECT_EQ(platform.quits, 0);
    }
    QTest::mouseClick(quit, Qt::LeftButton);
    EXPECT_EQ(platform.quits, 1);
}

TEST_F(PressTest, PanelButtonActsOncePerDoubleClickExceptAStepper) {
    QWidget panel;
    int pressed = 0;
    int stepped = 0;
    auto* ok = new LabelButton(
        &panel, [&](Qt::MouseButton) { ++pressed; }, [] {});
    auto* stepper = new LabelButton(
        &panel, [&](Qt::MouseButton) { ++stepped; }, [] {});
    stepper->countEveryPress();
    ok->setGeometry(0, 0, 40, 20);
    stepper->setGeometry(0, 30, 40, 20);
    panel.show();

    doubleClick(ok);
    doubleClick(stepper);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(stepped, 2);

    // The panel opens again under the pointer: a press right away is part of
    // the click that opened it.
    const DoubleClickInterval interval(kHour);
    panel.hide();
    panel.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    QTest::mouseClick(stepper, Qt::LeftButton);
    EXPECT_EQ(pressed, 1);
    EXPECT_EQ(stepped, 2);
}

} // namespace
