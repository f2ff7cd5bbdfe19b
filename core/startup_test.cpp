#include "core/startup.h"

#include "core/main_tick.h"
#include "core/rounding.h"
#include "settings/choice_menu.h"
#include "settings/data_file.h"
#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

namespace {

class StartupTest : public MascotTest {
protected:
    // A stored file from an earlier run, with user data worth keeping.
    QByteArray storedFile(int charEntry) {
        MascotState st;
        setStoredDefaults(st, platform.screen);
        st.masterName = QStringLiteral("花子");
        st.charEntry = charEntry;
        st.pinned = 1;
        st.posX = 17;
        st.walkInterval = 3;
        st.browserPath = QStringLiteral("/usr/bin/browser");
        st.alarmTime = QStringLiteral("0730");
        st.feedName[1] = QStringLiteral("ニュース");
        st.feedUrl[1] = QStringLiteral("http://127.0.0.1:8000/rss");
        st.articleTitle[1] = QStringLiteral("見出し");
        st.articleRead[1] = 1;
        st.lastFetchText = QStringLiteral("2026/12/08 21:00:00");
        return encodeDataFile(st);
    }
};

TEST_F(StartupTest, FirstTickSeedsDrawsTheMoodAndFindsNoFile) {
    platform.script({0.5}); // 49.5 rounds to the even 50
    Timer1_Timer(m);
    ASSERT_EQ(platform.seeds.size(), 1u);
    EXPECT_EQ(platform.seeds[0],
              static_cast<quint32>(platform.clock.time().msecsSinceStartOfDay()));
    EXPECT_EQ(m.st.mood, 50 % 3);
    EXPECT_EQ(m.st.dataFileFound, 0);
    EXPECT_EQ(m.st.phase, Phase::FirstRunSetup);
    EXPECT_TRUE(m.sprite.image.isNull()) << "nothing is drawn in the first tick";
}

TEST_F(StartupTest, MoodCoversTheWholeRange) {
    platform.script({0.0, 0.9999, 0.01});
    Phase0_FirstTick(m);
    EXPECT_EQ(m.st.mood, 0);
    Phase0_FirstTick(m);
    EXPECT_EQ(m.st.mood, 99 % 3);
    Phase0_FirstTick(m);
    EXPECT_EQ(m.st.mood, 1); // 0.99 rounds to 1
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(-0.6), -1);
    EXPECT_EQ(floorInt(-0.5), -1);
}

TEST_F(StartupTest, FileInOtherLetterCaseMeansFirstRun) {
    writeFile(QStringLiteral("Jouhou.mrdt"), storedFile(3));
    Timer1_Timer(m);
    EXPECT_EQ(m.st.phase, Phase::FirstRunSetup);
}

TEST_F(StartupTest, FirstRunCentresIlvenneWithMoodTwoAndCreatesTheFile) {
    platform.screen = QSize(1280, 800);
    Timer1_Timer(m); // phase 0
    Timer1_Timer(m); // phase 5
    EXPECT_EQ(m.st.charIndex, 11);
    EXPECT_EQ(m.st.charEntry, 11);
    EXPECT_EQ(m.st.mood, 2);
    EXPECT_EQ(m.st.posX, 600);
    EXPECT_EQ(m.st.posY, 339);
    EXPECT_EQ(m.st.walkInterval, 31);
    EXPECT_EQ(m.st.masterName, QStringLiteral("あなた"));
    EXPECT_FALSE(QFile::exists(path(kDataFileName)))
        << "the file is created when the introduction ends";
    EXPECT_EQ(m.st.phase, 6) << "the introduction waits for its clicks";
    m.st.phase = Phase::IntroductionDone; // as its last "次へ" does
    Timer1_Timer(m);
    EXPECT_EQ(m.st.phase, Phase::Running);
    EXPECT_TRUE(QFile::exists(path(kDataFileName)));
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.balloonShown, 0);
}

TEST_F(StartupTest, OddScreenSizesRoundTheCentreHalfToEven) {
    platform.screen = QSize(1281, 803); // 640.5 -> 640, 401.5 -> 402
    Timer1_Timer(m);
    Timer1_Timer(m);
    EXPECT_EQ(m.st.posX, 600);
    EXPECT_EQ(m.st.posY, 341);
}

TEST_F(StartupTest, FirstRunStandsInTheMiddleOfThePrimaryMonitor) {
    platform.monitors = {{1280, 0, 1920, 1080}, {0, 0, 1280, 1024}};
    Timer1_Timer(m);
    Timer1_Timer(m);
    EXPECT_EQ(m.st.posX, 1280 + 960 - 40);
    EXPECT_EQ(m.st.posY, 540 - 61);
}

TEST_F(StartupTest, StoredPositionOffTheScreenIsBroughtBackOntoIt) {
    // Saved pinned at the far corner of a larger monitor.
    MascotState st;
    setStoredDefaults(st, QSize(1920, 1200));
    st.charEntry = 3;
    st.pinned = 1;
    st.posX = 1900;
    st.posY = 1100;
    writeFile(kDataFileName, encodeDataFile(st));
    ASSERT_TRUE(tickUntilPhase(Phase::GreetingPause));
    EXPECT_EQ(m.st.posX, 1200);
    EXPECT_EQ(m.st.posY, 678);
    EXPECT_EQ(m.st.pinned, 1);
    EXPECT_EQ(m.HanasuBox.geometry.left, 1200 * 15 - m.HanasuBox.geometry.width);

    // On a monitor that is still there it stays where it was.
    platform.monitors = {{0, 0, 1280, 800}, {1280, 0, 2560, 1440}};
    m.st = MascotState();
    ASSERT_TRUE(tickUntilPhase(Phase::GreetingPause));
    EXPECT_EQ(m.st.posX, 1900);
    EXPECT_EQ(m.st.posY, 1100);
}

TEST_F(StartupTest, NormalStartLoadsGreetsAndPausesForFiveSecondChanges) {
    writeFile(kDataFileName, storedFile(3));
    Timer1_Timer(m);
    EXPECT_EQ(m.st.phase, Phase::Load);
    EXPECT_EQ(m.st.dataFileFound, 1);
    Timer1_Timer(m);
    EXPECT_EQ(m.st.phase, Phase::Greeting);
    EXPECT_EQ(m.st.masterName, QStringLiteral("花子"));
    EXPECT_EQ(m.st.charIndex, 3);
    Timer1_Timer(m);
    EXPECT_EQ(m.st.phase, Phase::GreetingPause);
    EXPECT_FALSE(m.sprite.image.isNull());

    // The pause counts changes of the seconds, not ticks.
    for (int i = 0; i < 50; ++i) {
        Timer1_Timer(m);
    }
    EXPECT_EQ(m.st.phase, Phase::GreetingPause);
    EXPECT_EQ(m.st.stepTicks, 1);
    for (int change = 2; change <= 4; ++change) {
        platform.advance(1000);
        Timer1_Timer(m);
        Timer1_Timer(m);
        EXPECT_EQ(m.st.phase, Phase::GreetingPause);
    }
    platform.advance(1000);
    Timer1_Timer(m);
    EXPECT_EQ(m.st.phase, Phase::Running);
    EXPECT_EQ(m.st.stepTicks, 0);
    EXPECT_EQ(m.st.nowHHNN, platform.clock.toString(QStringLiteral("HHmm")));
    EXPECT_EQ(m.st.lastHHNN, m.st.nowHHNN);
}

TEST_F(StartupTest, InvalidCharacterEntryReplaysTheFirstRunButKeepsTheUsersData) {
    for (int bad : {12, -1}) {
        SCOPED_TRACE(bad);
        m.st = MascotState{};
        writeFile(kDataFileName, storedFile(bad));
        Timer1_Timer(m); // 0
        Timer1_Timer(m); // 97 -> the character list sends it to 5
        EXPECT_EQ(m.st.phase, Phase::FirstRunSetup);
        Timer1_Timer(m); // 5
        EXPECT_EQ(m.st.charEntry, 11);
        EXPECT_EQ(m.st.charIndex, 11);
        EXPECT_EQ(m.st.masterName, QStringLiteral("あなた"));
        EXPECT_EQ(m.st.walkInterval, 31);
        EXPECT_EQ(m.st.posX, 600);
        EXPECT_EQ(m.st.pinned, 1);
        EXPECT_EQ(m.st.browserPath, QStringLiteral("/usr/bin/browser"));
        EXPECT_EQ(m.st.alarmTime, QStringLiteral("0730"));
        EXPECT_EQ(m.st.feedUrl[1], QStringLiteral("http://127.0.0.1:8000/rss"));
        EXPECT_EQ(m.st.articleTitle[1], QStringLiteral("見出し"));
        EXPECT_EQ(m.st.articleRead[1], 1);
        EXPECT_EQ(m.st.lastFetchText, QStringLiteral("2026/12/08 21:00:00"));
    }
}

TEST_F(StartupTest, EscBeforeTheLoadLeavesTheFileUntouched) {
    const QByteArray original = storedFile(3);
    writeFile(kDataFileName, original);
    Form_KeyDown(m, kKeyEscape, 0); // before the first tick
    EXPECT_EQ(platform.quits, 1);
    Timer1_Timer(m); // phase 0 found the file; the load has not run
    Form_KeyDown(m, kKeyEscape, 0);
    EXPECT_EQ(platform.quits, 2);
    EXPECT_EQ(readFile(kDataFileName), original);
}

TEST_F(StartupTest, EscAfterTheLoadSavesTheCurrentState) {
    writeFile(kDataFileName, storedFile(3));
    Timer1_Timer(m);
    Timer1_Timer(m);
    m.st.posX = 123;
    Form_KeyDown(m, 65, 0); // other keys do nothing
    EXPECT_EQ(platform.quits, 0);
    Form_KeyDown(m, kKeyEscape, 0);
    EXPECT_EQ(platform.quits, 1);
    FakePlatform other;
    Mascot reloaded(other, QDir(dir.path()));
    JouhouYomikomi(reloaded);
    EXPECT_EQ(reloaded.st.posX, 123);
    EXPECT_EQ(reloaded.st.masterName, QStringLiteral("花子"));
}

TEST_F(StartupTest, EscDuringTheFirstRunCreatesTheFileSoTheNextStartIsNormal) {
    Timer1_Timer(m);
    Timer1_Timer(m); // first-run set-up done, introduction under way
    Form_KeyDown(m, kKeyEscape, 0);
    ASSERT_TRUE(QFile::exists(path(kDataFileName)));
    FakePlatform other;
    Mascot next(other, QDir(dir.path()));
    Timer1_Timer(next);
    EXPECT_EQ(next.st.phase, Phase::Load);
    Timer1_Timer(next);
    EXPECT_EQ(next.st.charIndex, 11);
    EXPECT_EQ(next.st.masterName, QStringLiteral("あなた"));
}

TEST_F(StartupTest, DamagedFileStartsNormallyWithoutTheIntroduction) {
    writeFile(kDataFileName, storedFile(3).left(200));
    ASSERT_TRUE(tickUntilPhase(Phase::GreetingPause, 5));
    EXPECT_EQ(m.st.masterName, QStringLiteral("花子"));
    EXPECT_EQ(m.st.charIndex, 3);
    EXPECT_TRUE(m.st.articleTitle[1].isEmpty()) << "beyond the end: the default";
    EXPECT_TRUE(m.backupBeforeSave);
}

TEST_F(StartupTest, ASecondStartIsGreetedOnlyWhenNothingElseIsOnShow) {
    startRunning();
    platform.setTime(9, 0);
    secondStart(m);
    EXPECT_EQ(m.st.balloonShown, 1);
    EXPECT_TRUE(m.HanasuBox.HanasuNaiyo.caption.startsWith(u"おはよう"));

    // Something said already, a menu or panel open, or the introduction:
    // all of them stay as they are.
    const QString said = m.HanasuBox.HanasuNaiyo.caption;
    secondStart(m);
    EXPECT_EQ(m.HanasuBox.HanasuNaiyo.caption, said);
    HanasuKesu(m);
    m.st.panelMode = PanelMode::Settings;
    secondStart(m);
    EXPECT_EQ(m.st.balloonShown, 0);
    m.st.panelMode = PanelMode::None;
    m.st.phase = Phase::IntroductionFirst;
    secondStart(m);
    EXPECT_EQ(m.st.balloonShown, 0);
}

TEST_F(StartupTest, UnknownPhaseDoesNothing) {
    startRunning();
    m.st.phase = 42;
    const MascotState before = m.st;
    Timer1_Timer(m);
    EXPECT_EQ(m.st.phase, 42);
    EXPECT_EQ(m.st.posX, before.posX);
    EXPECT_EQ(platform.randomDraws, 0);
}

} // namespace
