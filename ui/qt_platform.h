#pragma once

#include "core/platform.h"

#include <QNetworkAccessManager>

#include <functional>
#include <memory>
#include <random>

class SoundPlayer;

// The platform port on a real desktop: Qt's clock, screen, sound, processes
// and network.
class QtPlatform : public Platform {
public:
    // Bounds of one feed download.
    struct FetchLimits {
        int timeoutMs = 15000;                 // the whole transfer, redirects included
        qint64 maxBodyBytes = 8 * 1024 * 1024; // the body as delivered (after gzip)
    };

    QtPlatform();
    explicit QtPlatform(FetchLimits limits);
    ~QtPlatform() override;

    QDateTime now() const override;
    QSize screenSize() const override;
    QRect primaryMonitor() const override;
    QRect monitorAt(QPoint point) const override;
    void seedRandom(quint32 seed) override;
    double random() override;
    void playSound(const QString& source) override;
    void beep() override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool openUrl(const QString& url) override;
    void fetch(const QString& url, FetchDone done) override;
    void quit() override;

    // Returns true once quit() has been called.
    [[nodiscard]] bool quitAsked() const { return quitAsked_; }

    // Called after each fetch has been answered, so the shell can show at
    // once what the answer changed.
    void setOnAnswered(std::function<void()> hook) { onAnswered_ = std::move(hook); }

private:
    mutable qint64 offsetMinute_ = -1;
    mutable int offsetSeconds_ = 0;
    std::mt19937 rng_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    FetchLimits limits_;
    std::function<void()> onAnswered_;
    bool quitAsked_ = false;
    std::unique_ptr<SoundPlayer> sounds_;
    QNetworkAccessManager network_;
};
