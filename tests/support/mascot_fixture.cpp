#include "tests/support/mascot_fixture.h"

#include "core/main_tick.h"
#include "core/pictures/character_catalogue.h"
#include "core/startup.h"
#include "settings/data_file.h"

#include <QFile>

QByteArray MascotTest::readFile(const QString& name) const {
    QFile f(path(name));
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return f.readAll();
}

void MascotTest::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

bool MascotTest::tickUntilPhase(int phase, int maxTicks) {
    for (int i = 0; i < maxTicks && m.st.phase != phase; ++i) {
        Timer1_Timer(m);
    }
    return m.st.phase == phase;
}

void MascotTest::startRunning() {
    setStoredDefaults(m.st, platform.screen);
    m.stateReady = true;
    m.st.charIndex = m.st.charEntry;
    GazouYomikomi(m);
    m.st.phase = Phase::Running;
    m.st.nowHHNN = m.st.lastHHNN = platform.clock.toString(QStringLiteral("HHmm"));
}
