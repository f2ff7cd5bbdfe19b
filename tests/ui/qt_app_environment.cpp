#include <QApplication>
#include <QStyleHints>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Widgets and the network need an application object for the whole run.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "sanpo_ui_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        // The tests press what they have just shown: no wait for the
        // double-click interval, whose rule has tests of its own.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
