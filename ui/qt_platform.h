#pragma once

#include "core/platform.h"

#include <QNetworkAccessManager>

#include <memory>
#include <random>

class SoundPlayer;

// The platform port on a real desktop: Qt's clock, screen, sound, processes
// and network.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    QDateTime now() const override;
    QSize screenSize() const override;
    void seedRandom(quint32 seed) override;
    double random() override;
    void playSound(const QString& source) override;
    void beep() override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    void fetch(const QString& url, FetchDone done) override;
    void quit() override;

private:
    mutable qint64 offsetMinute_ = -1;
    mutable int offsetSeconds_ = 0;
    std::mt19937 rng_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    std::unique_ptr<SoundPlayer> sounds_;
    QNetworkAccessManager network_;
};
