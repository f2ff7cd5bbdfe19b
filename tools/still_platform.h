#pragma once

#include "core/platform.h"

// A platform for the generators that draw through the mascot's own code:
// composing pictures asks nothing of it, and it answers the same every time.
class StillPlatform : public Platform {
public:
    QDateTime now() const override { return QDateTime(QDate(2024, 1, 1), QTime(12, 0)); }
    QSize screenSize() const override { return {1280, 800}; }
    void seedRandom(quint32) override {}
    double random() override { return 0.5; }
    void playSound(const QString&) override {}
    void beep() override {}
    bool startProgram(const QString&, const QStringList&) override { return false; }
    bool openUrl(const QString&) override { return false; }
    void fetch(const QString&, FetchDone done) override { done({}); }
    void quit() override {}
};
