#include "ui/escape_quits.h"

#include "alarm/alarm_box.h"
#include "settings/data_file.h"
#include "tests/support/mascot_fixture.h"
#include "ui/alarm_box_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

class EscapeQuitsTest : public MascotTest {
protected:
    EscapeQuits escape{m};

    void SetUp() override {
        startRunning();
        qApp->installEventFilter(&escape);
    }
};

TEST_F(EscapeQuitsTest, EscInTheAlarmPanelsBoxSavesAndQuitsOnce) {
    AlarmBoxWindow window(m);
    m.st.posX = 400;
    m.st.posY = 100;
    AlarmHiraku(m);
    window.sync();
    auto* hours = window.findChild<QLineEdit*>(QStringLiteral("AlaText0"));
    hours->setFocus();

    QTest::keyClick(hours, Qt::Key_Escape);
    EXPECT_EQ(platform.quits, 1);
    EXPECT_TRUE(QFile::exists(path(kDataFileName)));
    // Held down, the key repeats until the program is gone: no further save.
    QFile::remove(path(kDataFileName));
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(hours, &repeat);
    EXPECT_EQ(platform.quits, 1);
    EXPECT_FALSE(QFile::exists(path(kDataFileName)));
    // Other keys reach the boxes as before.
    QLineEdit other;
    QTest::keyClick(&other, Qt::Key_X);
    EXPECT_EQ(other.text(), QStringLiteral("x"));
}

} // namespace
