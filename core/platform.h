#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

// The only door from the core to the outside world. The desktop shell
// implements it with Qt (QtPlatform); tests use FakePlatform. Everything the
// mascot does that depends on time, chance, the screen, sound, the browser or
// the network goes through here, so every rule can run without a display.
class Platform {
public:
    virtual ~Platform() = default;

    // Returns the current local date and time.
    [[nodiscard]] virtual QDateTime now() const = 0;

    // Returns the primary screen's size in pixels.
    [[nodiscard]] virtual QSize screenSize() const = 0;

    // The monitors, as rectangles in desktop pixels (the coordinates windows
    // are placed in). A desktop with one monitor needs neither override.
    //
    // Returns the primary monitor, where a first run puts the character.
    [[nodiscard]] virtual QRect primaryMonitor() const { return {QPoint(0, 0), screenSize()}; }
    // Returns the monitor that shows `point`, or the one nearest to it when
    // none does (a gap between monitors, or a monitor that went away).
    [[nodiscard]] virtual QRect monitorAt(QPoint /*point*/) const {
        return {QPoint(0, 0), screenSize()};
    }

    // Seeds the random generator. Called once per run at start-up.
    virtual void seedRandom(quint32 seed) = 0;
    // Returns the next uniform random number in [0, 1).
    virtual double random() = 0;

    // Plays the sound at `source` (a file path or a ":/..." resource path)
    // without waiting. Playing a source that is still sounding restarts it;
    // different sources may sound together. Failures are silent.
    virtual void playSound(const QString& source) = 0;
    // Sounds the system beep.
    virtual void beep() = 0;

    // Starts `program` with `arguments`, detached. Returns false when it could
    // not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Opens `url` with the desktop's default handler for it, without
    // waiting. Returns false when it could not be handed over.
    virtual bool openUrl(const QString& url) = 0;

    struct FetchResult {
        bool ok = false; // true only for a complete, successful transfer
        QByteArray body; // the response body when ok
        QString error;   // a short reason when not ok
    };
    using FetchDone = std::function<void(const FetchResult&)>;
    // Starts downloading `url` and returns at once; `done` is called later on
    // the UI thread, exactly once, with the outcome.
    virtual void fetch(const QString& url, FetchDone done) = 0;

    // Ends the program after the current event has been handled.
    virtual void quit() = 0;
};
