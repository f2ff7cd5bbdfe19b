#pragma once

#include "core/main_tick.h"
#include "tests/support/mascot_fixture.h"

#include <QDir>
#include <QFileInfo>

#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// A mascot in the running phase whose clock the test moves minute by
// minute, with the sounds present in SOUND so that each one is recorded.
class RunningMascotTest : public MascotTest {
protected:
    void SetUp() override {
        QDir(dir.path()).mkpath(QStringLiteral("SOUND"));
        for (const char* name : {"hanasu.wav", "jihou.wav", "alarm.wav", "poyo.wav"}) {
            writeFile(QStringLiteral("SOUND/") + QString::fromLatin1(name), "RIFF");
        }
    }

    // Starts running at `h`:`mi` of the fake clock's day.
    void startAt(int h, int mi) {
        platform.setTime(h, mi);
        startRunning();
    }

    // Moves the clock to `h`:`mi`:00 of the current day and runs one tick.
    void tickAt(int h, int mi) {
        platform.setTime(h, mi);
        Timer1_Timer(m);
    }

    QStringList lines() const {
        const QString text = m.HanasuBox.HanasuNaiyo.caption;
        return text.isEmpty() ? QStringList{} : text.split(QStringLiteral("\r\n"));
    }

    // File names of the sounds played so far, in order.
    QStringList soundNames() const {
        QStringList names;
        for (const QString& s : platform.sounds) {
            names << QFileInfo(s).fileName();
        }
        return names;
    }
};
