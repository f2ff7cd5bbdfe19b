#include "core/screen_change.h"

#include "core/dragging.h"
#include "core/monitors.h"
#include "core/pictures/byouga.h"
#include "core/walking.h"
#include "speech/hanasu.h"
#include "speech/jikoshoukai.h"
#include "tests/support/mascot_fixture.h"

#include <vector>

namespace {

TEST(Monitors, ThePointsOwnElseTheNearestElseTheFirstOfOverlapping) {
    const std::vector<QRect> two{{0, 0, 1280, 800}, {1380, 0, 1024, 768}};
    EXPECT_EQ(monitorFor(two, {1279, 799}), two[0]);
    EXPECT_EQ(monitorFor(two, {1379, 10}), two[1]) << "in the gap, nearer the right one";
    EXPECT_EQ(monitorFor(two, {1500, 790}), two[1]) << "below the shorter one";
    EXPECT_EQ(monitorFor(two, {-500, -500}), two[0]);
    const std::vector<QRect> mirrored{{0, 0, 1024, 768}, {0, 0, 1920, 1080}};
    EXPECT_EQ(monitorFor(mirrored, {10, 10}), mirrored[0]);
    EXPECT_EQ(monitorFor(mirrored, {1500, 10}), mirrored[1]);
    EXPECT_TRUE(monitorFor({}, {0, 0}).isEmpty());
}

// A laptop at (0, 0) and a smaller monitor to its right, top edges aligned.
class TwoMonitorsTest : public MascotTest {
protected:
    const QRect laptop{0, 0, 1280, 800};
    const QRect right{1280, 0, 1024, 768}; // walking area x 1280..2224, y 0..646
    void SetUp() override {
        platform.monitors = {laptop, right};
        startRunning();
    }
    void walk(int fromX, int fromY, int dx, int dy) {
        m.st.posX = fromX;
        m.st.posY = fromY;
        m.st.stepDX = dx;
        m.st.stepDY = dy;
        m.st.legActive = 1;
        walkStep(m);
    }
};

TEST_F(TwoMonitorsTest, WalksOnTheMonitorItStandsOnAndTurnsAtItsEdges) {
    walk(1285, 300, -8, 0);
    EXPECT_EQ(m.st.posX, 1280) << "stops at its own monitor's left edge";
    EXPECT_EQ(m.st.legActive, 0);
    walk(2220, 640, 8, 8);
    EXPECT_EQ(m.st.posX, 2224);
    EXPECT_EQ(m.st.posY, 646);
    walk(1195, 300, 8, 0);
    EXPECT_EQ(m.st.posX, 1200) << "nor walks from the laptop onto the other monitor";

    m.st.posX = 1300;
    m.st.posY = 300;
    platform.script({0.03, 0.0, 0.6}); // a leg to the left, so near the edge
    chooseLeg(m);
    EXPECT_EQ(m.st.facing, 3);
    EXPECT_EQ(m.st.stepDX, 5);
}

TEST_F(TwoMonitorsTest, DroppedOnTheOtherMonitorStaysWhollyOnIt) {
    m.st.posX = 500;
    m.st.posY = 300;
    Form_MouseDown(m, MouseButton::Left, 0, 520 * 15, 350 * 15);
    Form_MouseMove(m, MouseButton::Left, 0, 2000 * 15, 1000 * 15);
    Form_MouseUp(m, MouseButton::Left, 0, 2000 * 15, 1000 * 15);
    EXPECT_EQ(m.st.posX, 1980);
    EXPECT_EQ(m.st.posY, 646) << "the right monitor's bottom, not the laptop's";
}

TEST_F(TwoMonitorsTest, BalloonStaysOnTheCharactersMonitor) {
    m.st.posX = 1300; // no room on its own monitor's left
    m.st.posY = 640;
    Hanasu(m, QStringLiteral("こっち"), 0, 0, QString(), 0, 0);
    EXPECT_EQ(m.HanasuBox.geometry.left, (1300 + 80) * 15);
    EXPECT_EQ(m.HanasuBox.geometry.top, 768 * 15 - 2250);
}

TEST_F(TwoMonitorsTest, PanelsAreKeptOnASmallMonitorAndBesideACharacterCarriedOffIt) {
    platform.monitors = {{0, 0, 800, 600}, {800, 0, 1280, 800}};
    m.st.posX = 300; // the settings panel does not fit on its left, nor wholly on its right
    m.st.posY = 100;
    const BesidePosition p = placeBeside(m, 6135, 5775, kPanelOpenOffset);
    EXPECT_EQ(p.left, 800 * 15 - 6135);
    EXPECT_EQ(p.top, 100 * 15 + 450);

    m.st.posX = -150; // carried past the top left corner
    m.st.posY = -200;
    const BesidePosition q = placeBeside(m, 3000, 1800, kRunningOffset);
    EXPECT_EQ(q.left, 0);
    EXPECT_EQ(q.top, 0);
}

TEST_F(TwoMonitorsTest, ScreenChangesBringTheCharacterAndItsBalloonBackIntoView) {
    // Introduced on the right monitor: no frames are drawn while it talks.
    m.st.posX = 2000;
    m.st.posY = 300;
    m.st.pinned = 1;
    m.st.phase = kIntroductionWaiting;
    Byouga(m);
    Hanasu(m, QStringLiteral("はじめまして"), 0, 0, QString(), 1000, 0);
    const QPoint drawn(m.sprite.x - 2000, m.sprite.y - 300);

    platform.monitors = {laptop}; // unplugged
    screensChanged(m);
    EXPECT_EQ(m.st.posX, 1200);
    EXPECT_EQ(m.st.posY, 300);
    EXPECT_EQ(QPoint(m.sprite.x - 1200, m.sprite.y - 300), drawn);
    EXPECT_EQ(m.HanasuBox.geometry.left, 1200 * 15 - 3000);

    platform.monitors = {{0, 0, 1024, 400}}; // a lower resolution
    screensChanged(m);
    EXPECT_EQ(m.st.posX, 944);
    EXPECT_EQ(m.st.posY, 278);
    EXPECT_EQ(m.HanasuBox.geometry.top, 400 * 15 - 2250);

    Form_MouseDown(m, MouseButton::Left, 0, 950 * 15, 300 * 15);
    Form_MouseMove(m, MouseButton::Left, 0, 1100 * 15, 300 * 15);
    screensChanged(m);
    EXPECT_EQ(m.st.posX, 1094) << "carried on: the drop keeps it on the screen";
}

} // namespace
