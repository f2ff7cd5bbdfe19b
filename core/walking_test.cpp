#include "core/walking.h"

#include "tests/support/mascot_fixture.h"

#include <set>

namespace {

class WalkingTest : public MascotTest {
protected:
    void SetUp() override {
        startRunning(); // 1280 x 800, scale 100
        m.st.posX = 500;
        m.st.posY = 300;
    }
    // A leg from three draws: the roll, the main-axis speed, the drift.
    void leg(double roll, double speed, double drift) {
        platform.script({roll, speed, drift});
        chooseLeg(m);
        ASSERT_EQ(platform.randomUnderflows, 0);
    }
};

TEST_F(WalkingTest, RollPicksTheFacingByQuarters) {
    const struct {
        double roll;
        int legRoll, facing;
    } cases[] = {{0.0, 0, 0},    {0.024, 24, 0}, {0.025, 25, 1}, {0.049, 49, 1}, {0.05, 50, 2},
                 {0.074, 74, 2}, {0.075, 75, 3}, {0.099, 99, 3}, {0.9999, 0, 0}, {0.1249, 25, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.roll);
        leg(c.roll, 0, 0.6);
        EXPECT_EQ(m.st.legRoll, c.legRoll);
        EXPECT_EQ(m.st.facing, c.facing);
        EXPECT_EQ(m.st.legActive, 1);
    }
}

TEST_F(WalkingTest, SpeedsAlongTheMainAxisAndDriftAcross) {
    leg(0.0, 0.0, 0.0); // front
    EXPECT_EQ(m.st.stepDY, 5);
    EXPECT_EQ(m.st.stepDX, -3);
    leg(0.03, 0.9999, 0.9999); // left
    EXPECT_EQ(m.st.stepDX, -8);
    EXPECT_EQ(m.st.stepDY, 1);
    leg(0.06, 0.5, 0.5); // back
    EXPECT_EQ(m.st.stepDY, -7);
    EXPECT_EQ(m.st.stepDX, -1);
    leg(0.08, 0.25, 0.7); // right
    EXPECT_EQ(m.st.stepDX, 6);
    EXPECT_EQ(m.st.stepDY, 0);
}

TEST_F(WalkingTest, DriftIsOnlyMinusThreeToOne) {
    std::set<int> seen;
    for (int i = 0; i < 100; ++i) {
        leg(0.0, 0.5, i / 100.0);
        seen.insert(m.st.stepDX);
    }
    EXPECT_EQ(seen, (std::set<int>{-3, -2, -1, 0, 1}));
}

TEST_F(WalkingTest, LeftRollNearTheLeftEdgeWalksRight) {
    m.st.posX = 10;
    m.st.posY = 500;
    leg(0.03, 0.0, 0.6);
    EXPECT_EQ(m.st.facing, 3);
    EXPECT_EQ(m.st.stepDX, 5);
    walkStep(m);
    EXPECT_EQ(m.st.posX, 15);
}

TEST_F(WalkingTest, EdgeTurnsInOrder) {
    m.st.posY = 30;
    leg(0.06, 0.0, 0.6); // back at the top -> front
    EXPECT_EQ(m.st.facing, 0);
    m.st.posY = 300;
    m.st.posX = 1170; // right turn line = 1280 - 80 - 30
    leg(0.08, 0.0, 0.6);
    EXPECT_EQ(m.st.facing, 1);
    EXPECT_EQ(m.st.stepDX, -5);
    m.st.posX = 500;
    m.st.posY = 648; // bottom turn line = 800 - 122 - 30
    leg(0.0, 0.0, 0.6);
    EXPECT_EQ(m.st.facing, 2);
}

TEST_F(WalkingTest, DriftIntoANearEdgeIsTurnedRoundWithoutChangingTheFacing) {
    m.st.posY = 20;
    leg(0.03, 0.0, 0.0); // left, drift -3 towards the top
    EXPECT_EQ(m.st.facing, 1);
    EXPECT_EQ(m.st.stepDY, 3);
    m.st.posY = 700;
    leg(0.08, 0.0, 0.9999); // right, drift +1 towards the bottom
    EXPECT_EQ(m.st.stepDY, -1);
    m.st.posY = 300;
    m.st.posX = 5;
    leg(0.0, 0.0, 0.0); // front, drift -3 towards the left
    EXPECT_EQ(m.st.stepDX, 3);
}

TEST_F(WalkingTest, StopsExactlyAtTheBottomAndTheNextLegTurnsUp) {
    m.st.posY = 678 - 3;
    m.st.stepDX = 0;
    m.st.stepDY = 7;
    m.st.legActive = 1;
    walkStep(m);
    EXPECT_EQ(m.st.posY, 678);
    EXPECT_EQ(m.st.legActive, 0);
    leg(0.0, 0.0, 0.6);
    EXPECT_EQ(m.st.facing, 2);
    EXPECT_EQ(m.st.stepDY, -5);
}

TEST_F(WalkingTest, StopsAtTheOtherEdges) {
    m.st.stepDX = -8;
    m.st.stepDY = 0;
    m.st.posX = 5;
    m.st.legActive = 1;
    walkStep(m);
    EXPECT_EQ(m.st.posX, 0);
    EXPECT_EQ(m.st.legActive, 0);

    m.st.stepDX = 0;
    m.st.stepDY = -8;
    m.st.posY = 8; // reaches exactly 0, which counts as the edge
    m.st.legActive = 1;
    walkStep(m);
    EXPECT_EQ(m.st.posY, 0);
    EXPECT_EQ(m.st.legActive, 0);

    m.st.stepDX = 8;
    m.st.stepDY = 0;
    m.st.posX = 1197;
    m.st.legActive = 1;
    walkStep(m);
    EXPECT_EQ(m.st.posX, 1200);
    EXPECT_EQ(m.st.legActive, 0);
}

TEST_F(WalkingTest, ThrownFacingOverridesTheRollUnlessAnEdgeIsNear) {
    m.st.throwFacing = 2;
    leg(0.08, 0.0, 0.6);
    EXPECT_EQ(m.st.facing, 1);
    EXPECT_EQ(m.st.throwFacing, 0);
    m.st.posX = 20;
    m.st.throwFacing = 2;
    leg(0.08, 0.0, 0.6);
    EXPECT_EQ(m.st.facing, 3);
}

TEST_F(WalkingTest, LimitsFollowTheDisplayScale) {
    m.st.displayScale = 200;
    const WalkLimits l = walkLimits(m);
    EXPECT_DOUBLE_EQ(l.right, 1280 - 160);
    EXPECT_DOUBLE_EQ(l.bottom, 800 - 244);
    m.st.displayScale = 75; // 60 x 91.5: the bottom limit is not whole
    m.st.posY = 704;
    m.st.stepDY = 5;
    m.st.stepDX = 0;
    walkStep(m);
    EXPECT_EQ(m.st.posY, 708); // 708.5 rounds to the even 708
}

} // namespace
