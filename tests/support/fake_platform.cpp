#include "tests/support/fake_platform.h"

#include "core/monitors.h"

FakePlatform::FakePlatform() : clock(QDate(2026, 12, 9), QTime(9, 30, 0)) {}

double FakePlatform::random() {
    ++randomDraws;
    if (randoms.empty()) {
        ++randomUnderflows;
        return defaultRandom;
    }
    const double v = randoms.front();
    randoms.pop_front();
    return v;
}

bool FakePlatform::startProgram(const QString& program, const QStringList& arguments) {
    programs.push_back({program, arguments});
    return programStartSucceeds;
}

void FakePlatform::fetch(const QString& url, FetchDone done) {
    fetches.push_back({url, std::move(done)});
}

bool FakePlatform::completeFetch(const QString& url, const FetchResult& result) {
    for (auto it = fetches.begin(); it != fetches.end(); ++it) {
        if (it->url == url) {
            FetchDone done = std::move(it->done);
            fetches.erase(it);
            done(result);
            return true;
        }
    }
    return false;
}

QSize FakePlatform::screenSize() const {
    return monitors.empty() ? screen : monitors.front().size();
}

QRect FakePlatform::primaryMonitor() const {
    return monitors.empty() ? QRect(QPoint(0, 0), screen) : monitors.front();
}

QRect FakePlatform::monitorAt(QPoint point) const {
    return monitors.empty() ? QRect(QPoint(0, 0), screen) : monitorFor(monitors, point);
}
