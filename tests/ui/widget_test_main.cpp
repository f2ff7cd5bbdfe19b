// Widgets need an application object for the whole run; ctest's test
// discovery runs the program without the test environment, so the
// offscreen platform is chosen here unless one is given.

#include <QApplication>
#include <QStyleHints>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The tests press what they have just shown. Presses too soon after
    // something was shown are refused within the desktop's double-click
    // interval; the tests of that rule set an interval of their own.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
