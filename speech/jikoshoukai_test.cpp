#include "speech/jikoshoukai.h"

#include "core/dragging.h"
#include "core/main_tick.h"
#include "core/pace.h"
#include "core/startup.h"
#include "settings/choice_menu.h"
#include "settings/data_file.h"
#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

#include <QFile>

namespace {

class IntroductionTest : public MascotTest {
protected:
    // Starts a first run and returns after its first step is shown.
    void firstRun() {
        Timer1_Timer(m); // phase 0: no file
        Timer1_Timer(m); // phase 5: set-up and the first step
        ASSERT_EQ(m.st.phase, kIntroductionWaiting);
    }
    QString text() const { return m.HanasuBox.HanasuNaiyo.caption; }
    void clickNext() {
        ASSERT_TRUE(m.HanasuBox.Sentaku[0].visible);
        ASSERT_EQ(m.HanasuBox.Sentaku[0].caption, QStringLiteral("次へ"));
        Sentaku_MouseDown(m, 0);
        Timer1_Timer(m);
    }
};

TEST_F(IntroductionTest, WalksThroughEveryStepAndThenSaves) {
    firstRun();
    EXPECT_EQ(text(),
              QStringLiteral("こんにちは。\r\n今日からこちらに住まわせてもらうIlvenneです。"));
    EXPECT_EQ(m.st.choiceCode[0], 6007);
    EXPECT_EQ(m.HanasuBox.geometry.width, 3200);
    EXPECT_EQ(m.st.panelMode, PanelMode::Menu);
    const struct {
        const char16_t* line;
        int code;
    } steps[] = {
        {u"これからしばらくの間よろしくお願いします。", 6008},
        {u"それじゃあ少しばかり私の説明をしますね。", 6009},
        {u"私はデスクトップ上を勝手に歩き回ります。", 6010},
        {u"ドラッグ中に右クリックすると私はその場から動かなくなります。", 6011},
        {u"もう一度同じ操作をすると、動き回るようになります。", 6012},
        {u"また、他の作品とは違い特に育成要素はありません。", 6013},
        {u"主な機能はRSS機能とアラームくらいですね。", 6014},
        {u"簡易的だけど、通常会話も用意してるけど、その数は少ないです。", 6015},
        {u"私は気分機能が実装されていて、起動ごとに表情が若干変わるのが特徴です。", 6016},
        {u"それでは、これからよろしくお願いします。", 6096},
    };
    for (const auto& s : steps) {
        clickNext();
        EXPECT_EQ(text(), QString::fromUtf16(s.line)) << "one line per later step";
        EXPECT_EQ(m.st.choiceCode[0], s.code);
        EXPECT_EQ(m.st.phase, kIntroductionWaiting);
    }
    EXPECT_EQ(platform.sounds.size(), 11);
    EXPECT_FALSE(QFile::exists(path(kDataFileName)));
    Sentaku_MouseDown(m, 0);
    EXPECT_EQ(m.st.phase, Phase::IntroductionDone);
    Timer1_Timer(m);
    EXPECT_EQ(m.st.phase, Phase::Running);
    EXPECT_TRUE(QFile::exists(path(kDataFileName)));
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
}

TEST_F(IntroductionTest, WaitingTicksDoNothing) {
    firstRun();
    const QString shown = text();
    for (int i = 0; i < 200; ++i) {
        platform.advance(100);
        Timer1_Timer(m);
    }
    EXPECT_EQ(text(), shown);
    EXPECT_EQ(m.st.phase, kIntroductionWaiting);
    EXPECT_EQ(m.st.blinkPhase, 0);
}

TEST_F(IntroductionTest, CarriedCharacterIsDrawnWhereItIsAndKeepsItsBalloonBeside) {
    firstRun();
    const int x = m.st.posX;
    const int y = m.st.posY;
    // Pick it up and carry it 190 pixels to the left and 40 down.
    Form_MouseDown(m, MouseButton::Left, 0, 15 * (x + 40), 15 * (y + 60));
    Form_MouseMove(m, MouseButton::Left, 0, 15 * (x + 40 - 190), 15 * (y + 60 + 40));
    EXPECT_EQ(ticksUntilVisibleChange(m, QTime(9, 0, 0)), 1) << "a drag is followed tick by tick";
    Timer1_Timer(m);
    EXPECT_EQ(m.sprite.x, x - 190);
    EXPECT_EQ(m.sprite.y, y + 40);
    const BesidePosition beside = placeBeside(m, 3200, 1800, kRunningOffset);
    EXPECT_EQ(m.HanasuBox.geometry.left, beside.left);
    EXPECT_EQ(m.HanasuBox.geometry.top, beside.top);

    // Dropped beyond the left edge: drawn where it lands, back on the screen.
    Form_MouseMove(m, MouseButton::Left, 0, 0, 15 * (y + 100));
    Form_MouseUp(m, MouseButton::Left, 0, 0, 15 * (y + 100));
    Timer1_Timer(m);
    EXPECT_EQ(m.sprite.x, 0);
    EXPECT_EQ(m.HanasuBox.geometry.left, kRunningOffset * 15);
    clickNext();
    EXPECT_EQ(m.sprite.x, 0) << "no jump when the next step comes";
    EXPECT_EQ(m.HanasuBox.geometry.left, kRunningOffset * 15);
}

TEST_F(IntroductionTest, RightClickSaysTheCurrentStepAgain) {
    firstRun();
    clickNext();
    clickNext(); // step 8 is showing
    Form_MouseDown(m, MouseButton::Right, 0, 0, 0);
    Timer1_Timer(m);
    EXPECT_EQ(text(), QStringLiteral("それじゃあ少しばかり私の説明をしますね。"));
    EXPECT_EQ(m.st.choiceCode[0], 6009);
    EXPECT_TRUE(m.HanasuBox.Sentaku[0].visible);
    clickNext();
    EXPECT_EQ(text(), QStringLiteral("私はデスクトップ上を勝手に歩き回ります。"));
}

TEST_F(IntroductionTest, RightClickOnTheFirstStepRepeatsBothLines) {
    firstRun();
    Form_MouseDown(m, MouseButton::Right, 0, 0, 0);
    Timer1_Timer(m);
    EXPECT_EQ(text(),
              QStringLiteral("こんにちは。\r\n今日からこちらに住まわせてもらうIlvenneです。"));
    EXPECT_EQ(m.st.balloonDuration, 1000);
}

TEST_F(IntroductionTest, QuittingHalfwayWritesTheFirstRunValuesAndTheNextStartGreets) {
    firstRun();
    clickNext();
    Form_KeyDown(m, kKeyEscape, 0);
    EXPECT_EQ(platform.quits, 1);
    FakePlatform other;
    Mascot next(other, QDir(dir.path()));
    Timer1_Timer(next);
    EXPECT_EQ(next.st.phase, Phase::Load);
    Timer1_Timer(next);
    Timer1_Timer(next);
    EXPECT_EQ(next.st.phase, Phase::GreetingPause);
    EXPECT_EQ(next.st.masterName, QStringLiteral("あなた"));
}

TEST_F(IntroductionTest, OtherPhasesSayNothing) {
    for (int phase : {6, 17, 30}) {
        m.st.phase = phase;
        Jikoshoukai(m);
        EXPECT_EQ(m.st.phase, phase);
        EXPECT_EQ(m.st.balloonShown, 0);
    }
}

} // namespace
