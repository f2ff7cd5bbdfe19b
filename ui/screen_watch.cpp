#include "ui/screen_watch.h"

#include <QGuiApplication>
#include <QScreen>

ScreenWatch::ScreenWatch(std::function<void()> changed, QObject* parent)
    : QObject(parent), changed_(std::move(changed)) {
    settle_.setSingleShot(true);
    // Window managers rearrange windows on the same news; the mascot places
    // its own after them.
    settle_.setInterval(250);
    connect(&settle_, &QTimer::timeout, this, [this] { changed_(); });
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        settle_.start();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, &settle_, qOverload<>(&QTimer::start));
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, &settle_, qOverload<>(&QTimer::start));
}

void ScreenWatch::watch(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, &settle_, qOverload<>(&QTimer::start));
}
