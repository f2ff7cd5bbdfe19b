#pragma once

#include "core/mascot.h"
#include "tests/support/fake_platform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// A mascot on a fake platform in a fresh temporary working directory.
class MascotTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePlatform platform;
    Mascot m{platform, QDir(dir.path())};

    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray readFile(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;

    // Runs ticks until the phase is `phase` or `maxTicks` have run; returns
    // whether it got there.
    bool tickUntilPhase(int phase, int maxTicks = 100);
    // Starts the mascot in the running phase with loaded-like defaults,
    // pictures and a first frame, without going through start-up.
    void startRunning();
};
