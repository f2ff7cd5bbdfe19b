#include "core/hiding.h"
#include "core/mascot.h"
#include "core/screen_change.h"
#include "core/startup.h"
#include "ui/alarm_box_window.h"
#include "ui/balloon_window.h"
#include "ui/data_folder.h"
#include "ui/escape_quits.h"
#include "ui/folder_claim.h"
#include "ui/form1.h"
#include "ui/fullscreen_watch.h"
#include "ui/qt_platform.h"
#include "ui/rss_box_window.h"
#include "ui/screen_watch.h"
#include "ui/session_end.h"
#include "ui/settei_window.h"
#include "ui/shell_units.h"
#include "ui/tray_icon.h"
#include "ui/window_hider.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <initializer_list>

namespace {
void placeAgain(QWidget& panel, const TwipsRect& geometry) {
    if (panel.isVisible()) {
        panel.setGeometry(toPixels(geometry));
    }
}
} // namespace

int main(int argc, char* argv[]) {
    const bool hasX = qEnvironmentVariableIsSet("DISPLAY");
    const bool hasWayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (!hasX && !hasWayland && !platformChosen) {
        std::fputs(
            "sanpo needs a graphical session: start it from a desktop (no DISPLAY is set).\n",
            stderr);
        return 2;
    }
    // The mascot places its windows itself and stays on top, which Wayland
    // clients cannot do; XWayland can.
    if (hasWayland && hasX && !platformChosen) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // Qt's own event loop wakes less often than the GLib one for a program
    // that only runs a timer and a few windows.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) {
        qputenv("QT_NO_GLIB", "1");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sanpo"));
    QApplication::setApplicationVersion(QStringLiteral(SANPO_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    // The mascot keeps its memory in the working directory. The desktop entry
    // cannot name a folder under the user's home, so it asks for the data
    // folder instead.
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
        "A desktop mascot. Keeps jouhou.mrdt and the SOUND folder in the working directory."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption dataFolder(
        QStringLiteral("data-folder"),
        QStringLiteral("Work in $XDG_DATA_HOME/sanpo (default ~/.local/share/sanpo), created "
                       "when missing, instead of the current directory."));
    options.addOption(dataFolder);
    options.process(app);
    if (options.isSet(dataFolder)) {
        if (const auto why = enterDataFolder()) {
            std::fprintf(stderr, "%s\n", qPrintable(*why));
            return 1;
        }
    }

    FolderClaim claim(QDir::currentPath(), userSocketDir());
    switch (claim.claim()) {
    case FolderClaim::Outcome::Claimed:
        break;
    case FolderClaim::Outcome::HandedOver:
        std::printf("sanpo already runs in %s: it shows itself there.\n",
                    qPrintable(QDir::currentPath()));
        return 0;
    case FolderClaim::Outcome::Stuck:
        std::fprintf(stderr,
                     "sanpo: another sanpo holds %s (see %s) but does not answer; not starting "
                     "a second one on the same data.\n",
                     qPrintable(QDir::currentPath()), qPrintable(claim.lockPath()));
        return 1;
    }

    QtPlatform platform;
    Mascot mascot(platform);
    Form1 form(mascot);
    EscapeQuits escapeQuits(mascot);
    app.installEventFilter(&escapeQuits);
    platform.setOnAnswered([&form] { form.wakeOnNextTick(); });
    // Windows that mirror other parts of the mascot follow the character's
    // window: they sync after it on every tick.
    AlarmBoxWindow alarmBox(mascot);
    QObject::connect(&form, &Form1::synced, &alarmBox, &AlarmBoxWindow::sync);
    BalloonWindow balloon(mascot, &form);
    balloon.setMover(&form.mover());
    QObject::connect(&form, &Form1::synced, &balloon, &BalloonWindow::sync);
    QObject::connect(&balloon, &BalloonWindow::choiceMade, &form, &Form1::wakeOnNextTick);
    QObject::connect(&form, &Form1::placedByDesktop, &balloon, [&form, &balloon] {
        balloon.followDisplacedCharacter([&form] {
            return BalloonWindow::TrueCharacter{form.trueGeometry(), form.displacement()};
        });
    });
    RssBoxWindow rssBox(mascot);
    QObject::connect(&form, &Form1::synced, &rssBox, &RssBoxWindow::sync);
    SetteiWindow settei(mascot);
    QObject::connect(&form, &Form1::synced, &settei, &SetteiWindow::sync);
    // A monitor unplugged or a resolution changed: the character and what
    // stands beside it come back onto what can be seen. Window managers that
    // move windows themselves then (mutter scales their places) are put right.
    const ScreenWatch screens([&] {
        screensChanged(mascot);
        form.placeAgain();
        balloon.placeAgain();
        form.sync();
        placeAgain(settei, mascot.Settei.geometry);
        placeAgain(rssBox, mascot.RssBox.geometry);
        placeAgain(alarmBox, mascot.AlarmBox.geometry);
        form.wakeOnNextTick();
    });

    // Every end saves, however the desktop asks for it.
    SessionEnd sessionEnd(mascot, platform);
    for (QWidget* window :
         std::initializer_list<QWidget*>{&form, &balloon, &alarmBox, &rssBox, &settei}) {
        sessionEnd.watch(window);
    }
    QObject::connect(&claim, &FolderClaim::calledAgain, &form, [&form, &mascot] {
        secondStart(mascot);
        form.raise();
        form.wakeOnNextTick();
    });

    // Out of sight, put away by the tray or by a fullscreen window.
    WindowHider hider;
    hider.add(&balloon, nullptr);
    hider.add(&alarmBox, [&mascot] { return mascot.AlarmBox.visible; });
    hider.add(&rssBox, [&mascot] { return mascot.RssBox.visible; });
    hider.add(&settei, [&mascot] { return mascot.Settei.visible; });
    QObject::connect(&form, &Form1::hiddenChanged, &form, [&hider](bool h) { hider.apply(h); });
    TrayIcon tray(mascot, form, Autostart::forThisProgram());
    const auto fullscreen = FullscreenWatch::create(form);
    if (fullscreen) {
        QObject::connect(fullscreen.get(), &FullscreenWatch::changed, &form,
                         [&mascot, &form](bool here) {
                             setHidden(mascot, HideCause::Fullscreen, here);
                             form.sync();
                             form.wakeOnNextTick();
                         });
    }
    const int status = QApplication::exec();
    platform.setOnAnswered({}); // the windows go before the network does
    return status;
}
