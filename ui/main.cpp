#include "core/mascot.h"
#include "ui/alarm_box_window.h"
#include "ui/balloon_window.h"
#include "ui/data_folder.h"
#include "ui/form1.h"
#include "ui/qt_platform.h"
#include "ui/rss_box_window.h"
#include "ui/settei_window.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

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

    QtPlatform platform;
    Mascot mascot(platform);
    Form1 form(mascot);
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
    const int status = QApplication::exec();
    platform.setOnAnswered({}); // the windows go before the network does
    return status;
}
