#pragma once

#include "core/platform.h"

#include <QDateTime>
#include <QSize>
#include <QStringList>

#include <deque>
#include <vector>

// A platform for tests: a clock the test sets and advances, a scripted
// sequence of random numbers, a fixed screen, and recorders for everything
// the mascot does to the outside.
class FakePlatform : public Platform {
public:
    FakePlatform();

    // Clock.
    QDateTime clock;
    void advance(qint64 ms) { clock = clock.addMSecs(ms); }
    void setTime(int h, int mi, int s = 0) { clock.setTime(QTime(h, mi, s)); }

    // Screen, in pixels.
    QSize screen{1280, 800};
    // Monitors in desktop pixels, the primary first; none means one monitor
    // of `screen` at (0, 0).
    std::vector<QRect> monitors;

    // Random numbers are taken from the front of `randoms`; when it is empty
    // `defaultRandom` is returned and `randomUnderflows` counts it.
    std::deque<double> randoms;
    double defaultRandom = 0.5;
    int randomUnderflows = 0;
    int randomDraws = 0;
    std::vector<quint32> seeds;
    void script(std::initializer_list<double> values) { randoms.insert(randoms.end(), values); }

    // Recorders.
    QStringList sounds;
    int beeps = 0;
    struct ProgramStart {
        QString program;
        QStringList arguments;
    };
    std::vector<ProgramStart> programs;
    bool programStartSucceeds = true;
    QStringList openedUrls;
    bool openUrlSucceeds = true;
    struct PendingFetch {
        QString url;
        FetchDone done;
    };
    std::vector<PendingFetch> fetches;
    int quits = 0;

    // Completes the pending fetch of `url` (the first one) with `result`.
    // Returns false when no fetch of `url` is pending.
    bool completeFetch(const QString& url, const FetchResult& result);

    QDateTime now() const override { return clock; }
    QSize screenSize() const override;
    QRect primaryMonitor() const override;
    QRect monitorAt(QPoint point) const override;
    void seedRandom(quint32 seed) override { seeds.push_back(seed); }
    double random() override;
    void playSound(const QString& source) override { sounds.append(source); }
    void beep() override { ++beeps; }
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool openUrl(const QString& url) override {
        openedUrls.append(url);
        return openUrlSucceeds;
    }
    void fetch(const QString& url, FetchDone done) override;
    void quit() override { ++quits; }
};
