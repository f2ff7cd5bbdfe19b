#include "settings/outside_commands.h"

#include "alarm/alarm_box.h"
#include "core/hiding.h"
#include "settings/choice_menu.h"
#include "tests/support/mascot_fixture.h"

namespace {

class OutsideCommandsTest : public MascotTest {
protected:
    void SetUp() override {
        platform.setTime(9, 0, 30);
        startRunning();
    }
};

TEST_F(OutsideCommandsTest, SettingsFromTheTrayReplaceTheOpenPanelAndShowTheCharacter) {
    AlarmHiraku(m);
    ASSERT_EQ(m.st.panelMode, PanelMode::Alarm);
    toggleShown(m);
    ASSERT_TRUE(isHidden(m));

    EXPECT_TRUE(openFromOutside(m, ActionCode::Settings));
    EXPECT_FALSE(isHidden(m));
    EXPECT_FALSE(m.AlarmBox.visible);
    EXPECT_TRUE(m.Settei.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::Settings);

    m.Settei.SetteiText.text = QStringLiteral("途中");
    EXPECT_TRUE(openFromOutside(m, ActionCode::Settings));
    EXPECT_EQ(m.Settei.SetteiText.text, QStringLiteral("途中")) << "an open panel is kept";
}

TEST_F(OutsideCommandsTest, NothingOpensBeforeTheMascotRuns) {
    m.st.phase = Phase::IntroductionFirst + 2;
    EXPECT_FALSE(openFromOutside(m, ActionCode::Settings));
    EXPECT_FALSE(m.Settei.visible);
    EXPECT_EQ(m.st.phase, Phase::IntroductionFirst + 2);
}

} // namespace
