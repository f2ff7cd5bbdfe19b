#include "ui/session_end.h"

#include "core/mascot.h"
#include "core/startup.h"
#include "feeds/feed_run.h"
#include "settings/data_file.h"
#include "ui/qt_platform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array kEndingSignals{SIGTERM, SIGHUP, SIGINT};

// A signal handler can only write to a descriptor; the event loop reads the
// other end. Both live as long as the process.
int signalWrite = -1;
// The object that saves on the way out of the process, while it exists.
SessionEnd* active = nullptr;
QtMessageHandler previousMessageHandler = nullptr;

// Qt says this just before it ends the process because the X server went
// away; everything the save needs is still there at this moment, not all
// of it is once the process is on its way out.
bool isXServerGone(QtMsgType type, const QString& message) {
    return type == QtWarningMsg && message.startsWith(u"The X11 connection broke");
}

void onSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(signalWrite, &byte, 1);
    errno = saved;
}

} // namespace

SessionEnd::SessionEnd(Mascot& m, const QtPlatform& platform) : m_(m), platform_(platform) {
    Q_ASSERT(active == nullptr);
    active = this;
    static const bool atExitRegistered = std::atexit(&SessionEnd::onProcessExit) == 0;
    Q_UNUSED(atExitRegistered);

    std::array<int, 2> pair{-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair.data()) == 0) {
        signalRead_ = pair[0];
        signalWrite = pair[1];
        signalNotifier_ = std::make_unique<QSocketNotifier>(signalRead_, QSocketNotifier::Read);
        connect(signalNotifier_.get(), &QSocketNotifier::activated, this, [this] {
            std::array<char, 16> bytes{};
            while (::read(signalRead_, bytes.data(), bytes.size()) > 0) {
            }
            quitSaving();
        });
        for (const int signal : kEndingSignals) {
            struct sigaction previous {};
            ::sigaction(signal, nullptr, &previous);
            if (previous.sa_handler == SIG_IGN) {
                continue; // started with it ignored (nohup, a background job)
            }
            struct sigaction action {};
            action.sa_handler = &onSignal;
            sigemptyset(&action.sa_mask);
            action.sa_flags = SA_RESTART;
            ::sigaction(signal, &action, nullptr);
        }
    }

    previousMessageHandler = qInstallMessageHandler(&SessionEnd::onQtMessage);

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
        lastSaved_ = saveForEnd(m_) ? encodeDataFile(m_.st) : QByteArray();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { saveUnlessSaved(); });
}

SessionEnd::~SessionEnd() {
    qInstallMessageHandler(previousMessageHandler);
    for (const int signal : kEndingSignals) {
        struct sigaction current {};
        ::sigaction(signal, nullptr, &current);
        if (current.sa_handler == &onSignal) {
            ::signal(signal, SIG_DFL);
        }
    }
    signalNotifier_.reset();
    if (signalRead_ >= 0) {
        ::close(signalRead_);
        ::close(signalWrite);
        signalWrite = -1;
    }
    active = nullptr;
}

void SessionEnd::watch(QWidget* window) {
    window->installEventFilter(this);
}

bool SessionEnd::eventFilter(QObject* watched, QEvent* event) {
    // Only the window system's close: the quit itself closes the windows too.
    if (event->type() == QEvent::Close && event->spontaneous()) {
        event->ignore();
        quitSaving();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SessionEnd::quitSaving() {
    if (platform_.quitAsked()) {
        return;
    }
    over_ = true;
    Shuuryou(m_);
}

void SessionEnd::saveUnlessSaved() {
    if (over_ || platform_.quitAsked()) {
        return; // the mascot's own quit has saved
    }
    over_ = true;
    settleFeedRun(m_);
    // After a logout's save, a second write of the same would only replace
    // the kept copy of the file before it.
    if (lastSaved_.isEmpty() || encodeDataFile(m_.st) != lastSaved_) {
        saveForEnd(m_);
    }
}

void SessionEnd::onQtMessage(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (active != nullptr && isXServerGone(type, message)) {
        active->saveUnlessSaved();
    }
    if (previousMessageHandler != nullptr) {
        previousMessageHandler(type, context, message);
    }
}

void SessionEnd::onProcessExit() {
    // Reached when something ends the process from inside the event loop
    // (Qt does when the X server goes away): the program's objects are all
    // still there.
    if (active != nullptr) {
        active->saveUnlessSaved();
    }
}
