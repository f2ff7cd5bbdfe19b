#include "core/press_guard.h"

#include <gtest/gtest.h>

namespace {

constexpr int kInterval = 400;

TEST(PressGuardTest, TheSecondPressOfADoubleClickNeverCounts) {
    PressGuard guard;
    EXPECT_TRUE(guard.accepts(PressKind::Single, 0, kInterval));
    EXPECT_FALSE(guard.accepts(PressKind::Repeat, 0, kInterval));
    guard.offered(1000);
    EXPECT_FALSE(guard.accepts(PressKind::Repeat, 60000, kInterval));
}

TEST(PressGuardTest, APressTooSoonAfterNewChoicesRunsNothing) {
    PressGuard guard;
    guard.offered(5000);
    EXPECT_FALSE(guard.accepts(PressKind::Single, 5000, kInterval));
    EXPECT_FALSE(guard.accepts(PressKind::Single, 5000 + kInterval - 1, kInterval));
    EXPECT_TRUE(guard.accepts(PressKind::Single, 5000 + kInterval, kInterval));
    // Offered again: the wait starts anew.
    guard.offered(9000);
    EXPECT_FALSE(guard.accepts(PressKind::Single, 9100, kInterval));
    // A desktop that turned the interval off gets every single press.
    EXPECT_TRUE(guard.accepts(PressKind::Single, 9000, 0));
}

} // namespace
