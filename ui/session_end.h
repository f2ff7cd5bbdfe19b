#pragma once

#include <QByteArray>
#include <QObject>
#include <QtGlobal>

#include <memory>

struct Mascot;
class QSocketNotifier;
class QWidget;
class QtPlatform;

// Every way the desktop session can end the program, brought to the one
// way out the mascot has, saving first:
// - SIGTERM (the session manager, a shutdown), SIGHUP (its terminal went
//   away) and SIGINT (Ctrl+C) save and quit like Esc; a signal the program
//   was started with ignored stays ignored;
// - a window closed by the window manager saves and quits;
// - the session manager's logout saves (the logout may still be cancelled),
//   and a quit that did not come through the mascot saves before the
//   windows go;
// - the X server going away makes Qt end the process at once; the save
//   runs when Qt says so, or else on the way out of the process.
// One per process.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    // REQUIRES: a QApplication exists; `m` and `platform` outlive this.
    SessionEnd(Mascot& m, const QtPlatform& platform);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

    // Makes a close of `window` by the window manager end the program.
    void watch(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void quitSaving();
    void saveUnlessSaved();
    static void onQtMessage(QtMsgType type, const QMessageLogContext& context,
                            const QString& message);
    static void onProcessExit();

    Mascot& m_;
    const QtPlatform& platform_;
    QByteArray lastSaved_; // the file as last written here
    bool over_ = false;    // saved for the end already
    int signalRead_ = -1;
    std::unique_ptr<QSocketNotifier> signalNotifier_;
};
