#include "ui/session_end.h"

#include "core/mascot.h"
#include "feeds/feed_run.h"
#include "feeds/rss_update.h"
#include "settings/data_file.h"
#include "tests/ui/wait_until.h"
#include "ui/qt_platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace {

// A mascot with loaded state, the character moved since the last save.
class SessionEndTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QtPlatform platform;
    Mascot m{platform, QDir(dir.path())};

    void SetUp() override {
        setStoredDefaults(m.st, QSize(1280, 800));
        m.stateReady = true;
        m.st.posX = 123;
    }
    // The posX the data file holds, or -1 without a file.
    int savedPosX() const {
        QFile f(dir.filePath(kDataFileName));
        if (!f.open(QIODevice::ReadOnly)) {
            return -1;
        }
        MascotState saved;
        decodeDataFile(f.readAll(), saved);
        return saved.posX;
    }
};

TEST_F(SessionEndTest, EndingSignalsSaveAndQuitUnlessStartedIgnored) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        QtPlatform fresh;
        Mascot mascot(fresh, QDir(dir.path()));
        setStoredDefaults(mascot.st, QSize(1280, 800));
        mascot.stateReady = true;
        mascot.st.posX = 200 + signal;
        SessionEnd end(mascot, fresh);
        ASSERT_EQ(::raise(signal), 0);
        ASSERT_TRUE(waitUntil([&] { return fresh.quitAsked(); })) << signal;
        EXPECT_EQ(savedPosX(), 200 + signal);
    }

    // Started under nohup: the hang-up is not the program's end.
    ::signal(SIGHUP, SIG_IGN);
    {
        SessionEnd end(m, platform);
        ASSERT_EQ(::raise(SIGHUP), 0);
        QCoreApplication::processEvents();
        EXPECT_FALSE(platform.quitAsked());
    }
    ::signal(SIGHUP, SIG_DFL);
}

TEST_F(SessionEndTest, AWindowClosedByTheWindowManagerSavesAndQuits) {
    SessionEnd end(m, platform);
    QWidget window;
    end.watch(&window);
    window.show();

    // The program's own close (the quit closes its windows) goes through.
    window.close();
    EXPECT_FALSE(platform.quitAsked());
    window.show();

    QCloseEvent fromWindowManager;
    QSpontaneKeyEvent::setSpontaneous(&fromWindowManager);
    qApp->notify(&window, &fromWindowManager); // as delivered from the window system
    EXPECT_TRUE(platform.quitAsked());
    EXPECT_FALSE(fromWindowManager.isAccepted()); // it goes with the program
    EXPECT_EQ(savedPosX(), 123);
}

TEST_F(SessionEndTest, AQuitFromOutsideSavesWithTheArrivedArticlesBeforeTheWindowsGo) {
    SessionEnd end(m, platform);
    // One feed in flight that never answers: the quit does not wait for it.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    m.st.feedName[1] = QStringLiteral("f");
    m.st.feedUrl[1] = QStringLiteral("http://127.0.0.1:%1/never").arg(silent.serverPort());
    RssZenKoushin(m);
    ASSERT_TRUE(feedRunInFlight(m));
    QTimer::singleShot(0, qApp, &QCoreApplication::quit); // as the session's "die" does
    QApplication::exec();
    EXPECT_FALSE(feedRunInFlight(m));
    EXPECT_EQ(savedPosX(), 123);
}

TEST_F(SessionEndTest, AQuitThroughTheMascotIsNotSavedTwice) {
    SessionEnd end(m, platform);
    QTimer::singleShot(0, qApp, [this] {
        platform.quit(); // the mascot's own quit, which has saved
    });
    QApplication::exec();
    EXPECT_EQ(savedPosX(), -1);
}

TEST_F(SessionEndTest, TheProcessEndedFromInsideTheEventLoopStillSaves) {
    // What Qt does when the X server goes away. The child shares this
    // fixture's folder; how a forked copy of the test ends after the save
    // does not matter.
    EXPECT_EXIT(
        {
            SessionEnd end(m, platform);
            std::exit(1);
        },
        [](int) { return true; }, "");
    EXPECT_EQ(savedPosX(), 123);
}

} // namespace
