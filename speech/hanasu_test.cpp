#include "speech/hanasu.h"

#include "tests/support/mascot_fixture.h"

#include <QDir>
#include <QFile>

namespace {

class HanasuTest : public MascotTest {
protected:
    HanasuTest() {
        m.st.posX = 400;
        m.st.posY = 100;
        m.st.soundOn = 1;
        m.st.legActive = 1;
        platform.clock.setTime(QTime(9, 30, 0, 400));
    }

    // One tick's worth of balloon countdown after the clock moved on by
    // `ms` milliseconds.
    void countdownAfter(qint64 ms) {
        platform.advance(ms);
        balloonCountdown(m);
    }

    // Counts whole-second changes until the balloon closes; gives up after
    // `limit` of them.
    int secondsUntilClosed(int limit = 2000) {
        for (int s = 1; s <= limit; ++s) {
            countdownAfter(1000);
            if (m.st.balloonShown == 0) {
                return s;
            }
        }
        return -1;
    }

    void openMainMenuLike() {
        const char* captions[] = {"なんでもない", "終了する", "設定変更する",
                                  "RSSメニュー",  "アラーム", "何か話して"};
        for (int i = 0; i < 6; ++i) {
            m.st.choiceText[i] = QString::fromUtf8(captions[i]);
            m.st.choiceCode[i] = 100 * (i + 1);
        }
        Hanasu(m, QStringLiteral("何か用ですか？"), 3000, 2400, QStringLiteral("poyo.wav"), 1000,
               6);
    }

    void writeOwnSound(const QString& name) {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("SOUND")));
        writeFile(QStringLiteral("SOUND/") + name, QByteArray("RIFF"));
    }
};

TEST_F(HanasuTest, LinesStackAndTheirSecondsAddUp) {
    Hanasu(m, QStringLiteral("おはよう。"), 0, 0, QString(), 0, 0);
    platform.advance(300); // still the same second
    Hanasu(m, QStringLiteral("いい天気ですね。"), 0, 0, QString(), 0, 0);

    const HanasuBoxModel& box = m.HanasuBox;
    EXPECT_TRUE(box.visible);
    EXPECT_EQ(box.HanasuNaiyo.caption, QStringLiteral("おはよう。\r\nいい天気ですね。"));
    EXPECT_EQ(m.st.balloonDuration, 6);
    EXPECT_EQ(secondsUntilClosed(), 6);
    EXPECT_TRUE(box.HanasuNaiyo.caption.isEmpty());
}

TEST_F(HanasuTest, EveryLineRestartsTheCount) {
    Hanasu(m, QStringLiteral("一"), 0, 0, QString(), 0, 0);
    countdownAfter(1000);
    countdownAfter(1000);
    ASSERT_EQ(m.st.balloonSeconds, 2);
    Hanasu(m, QStringLiteral("二"), 0, 0, QString(), 5, 0);
    EXPECT_EQ(m.st.balloonSeconds, 0);
    // Further ticks within the second of the new line do not count.
    countdownAfter(100);
    EXPECT_EQ(m.st.balloonSeconds, 0);
    EXPECT_EQ(secondsUntilClosed(), 8);
}

TEST_F(HanasuTest, PlainLineClosesAtTheThirdChangeOfTheSeconds) {
    Hanasu(m, QStringLiteral("はい。"), 0, 0, QString(), 0, 0);
    countdownAfter(0);
    countdownAfter(599); // 09:30:00.999
    EXPECT_EQ(m.st.balloonSeconds, 0);
    countdownAfter(1); // 01: after less than a second
    countdownAfter(1000);
    EXPECT_EQ(m.st.balloonShown, 1);
    countdownAfter(1000);
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_FALSE(m.HanasuBox.visible);
    EXPECT_EQ(m.st.balloonDuration, 0);
    EXPECT_EQ(m.st.balloonSeconds, 0);
}

TEST_F(HanasuTest, ThousandSecondsWithoutChoicesStaysButOpensNoMenu) {
    m.st.panelMode = PanelMode::Feeds;
    Hanasu(m, QStringLiteral("ずっと"), 0, 0, QString(), 1000, 0);
    EXPECT_EQ(m.st.panelMode, PanelMode::Feeds);
    EXPECT_EQ(m.st.balloonDuration, 1000);
    EXPECT_EQ(secondsUntilClosed(1500), -1);
    EXPECT_EQ(m.st.balloonSeconds, 0);
}

TEST_F(HanasuTest, MenuLaysOutItsChoicesFromTheBottomUp) {
    m.st.balloonDuration = 7; // a line was showing: the menu replaces the sum
    openMainMenuLike();

    const HanasuBoxModel& box = m.HanasuBox;
    EXPECT_EQ(m.st.panelMode, PanelMode::Menu);
    EXPECT_EQ(m.st.balloonDuration, 1000);
    EXPECT_EQ(box.geometry.width, 3000);
    EXPECT_EQ(box.geometry.height, 2400);
    EXPECT_EQ(box.HanasuNaiyo.geometry, (TwipsRect{90, 120, 2790, 2190}));
    for (int i = 0; i < 6; ++i) {
        const LabelModel& choice = box.Sentaku[i];
        EXPECT_TRUE(choice.visible) << i;
        EXPECT_EQ(choice.caption, m.st.choiceText[i]);
        EXPECT_EQ(choice.geometry, (TwipsRect{90, 2400 - 90 - (i + 1) * 315, 2790, 255})) << i;
    }
    EXPECT_EQ(box.Sentaku[0].geometry.top, 1995);
    EXPECT_FALSE(box.Sentaku[6].visible);
    EXPECT_EQ(secondsUntilClosed(1500), -1);
}

TEST_F(HanasuTest, ChoicesWithATimedLineOpenNoMenu) {
    m.st.choiceText[0] = QStringLiteral("記事を参照");
    Hanasu(m, QStringLiteral("だそうです。"), 4200, 0, QString(), 10, 1);
    EXPECT_TRUE(m.HanasuBox.Sentaku[0].visible);
    EXPECT_EQ(m.HanasuBox.Sentaku[0].geometry, (TwipsRect{90, 1800 - 405, 3990, 255}));
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(secondsUntilClosed(), 10);
    EXPECT_FALSE(m.HanasuBox.Sentaku[0].visible);
}

TEST_F(HanasuTest, PlainLineSaidOverChoicesWithdrawsThemAndStandsAlone) {
    openMainMenuLike();
    Hanasu(m, QStringLiteral("時間になりました。"), 0, 0, QString(), 5, 0);

    const HanasuBoxModel& box = m.HanasuBox;
    EXPECT_EQ(box.HanasuNaiyo.caption, QStringLiteral("時間になりました。"));
    for (const LabelModel& choice : box.Sentaku) {
        EXPECT_FALSE(choice.visible);
    }
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(box.geometry.height, 1800);
    EXPECT_EQ(m.st.legActive, 0) << "the character walks on as after a closed menu";
    EXPECT_EQ(secondsUntilClosed(), 5);

    // The same for a timed line's choice; lines said without choices still
    // stack under each other.
    m.st.choiceText[0] = QStringLiteral("記事を参照");
    Hanasu(m, QStringLiteral("だそうです。"), 4200, 0, QString(), 10, 1);
    Hanasu(m, QStringLiteral("あなたさん、"), 0, 0, QString(), 0, 0);
    Hanasu(m, QStringLiteral("時間になりました。"), 0, 0, QString(), 5, 0);
    EXPECT_EQ(box.HanasuNaiyo.caption, QStringLiteral("あなたさん、\r\n時間になりました。"));
    EXPECT_FALSE(box.Sentaku[0].visible);
    EXPECT_EQ(secondsUntilClosed(), 8);
}

TEST_F(HanasuTest, KesuClearsLegActiveOnlyWhenChoicesWereShowing) {
    Hanasu(m, QStringLiteral("ふつうの話"), 0, 0, QString(), 0, 0);
    HanasuKesu(m);
    EXPECT_EQ(m.st.legActive, 1);

    m.st.choiceText[0] = QStringLiteral("次へ");
    m.st.choiceCode[0] = 6007;
    Hanasu(m, QStringLiteral("はじめまして"), 3200, 0, QStringLiteral("hanasu.wav"), 1000, 1);
    HanasuKesu(m);
    EXPECT_EQ(m.st.legActive, 0);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_FALSE(m.HanasuBox.visible);
    EXPECT_FALSE(m.HanasuBox.Sentaku[0].visible);
    EXPECT_TRUE(m.HanasuBox.HanasuNaiyo.caption.isEmpty());
    EXPECT_EQ(m.st.choiceCode[0], 6007); // the codes outlive the labels

    // Closed twice in a row: the second close finds no choices.
    m.st.legActive = 1;
    HanasuKesu(m);
    EXPECT_EQ(m.st.legActive, 1);
}

TEST_F(HanasuTest, BalloonGoesLeftOfTheCharacterWhenThereIsRoom) {
    m.st.posX = 300; // 4500 twips
    Hanasu(m, QStringLiteral("左"), 0, 0, QString(), 0, 0);
    EXPECT_EQ(m.HanasuBox.geometry.left, 1500);
    EXPECT_EQ(m.HanasuBox.geometry.top, 100 * 15 + 450);

    m.st.posX = 200; // exactly the width: the balloon starts at the screen's edge
    placeBalloon(m, kRunningOffset);
    EXPECT_EQ(m.HanasuBox.geometry.left, 0);
}

TEST_F(HanasuTest, BalloonGoesRightOfTheCharacterAtTheLeftEdge) {
    m.st.posX = 150;
    Hanasu(m, QStringLiteral("右"), 0, 0, QString(), 0, 0);
    EXPECT_EQ(m.HanasuBox.geometry.left, (150 + 80) * 15);
    EXPECT_EQ(placeBeside(m, 3000, 1800, kGreetingPauseOffset).left, (150 + 105) * 15);
}

TEST_F(HanasuTest, BalloonIsRaisedNearTheBottomOfTheScreen) {
    const int screenHeight = platform.screen.height() * 15;
    m.st.posY = 650; // bottom exactly 450 twips above the screen's edge: still below the top
    Hanasu(m, QStringLiteral("下"), 0, 0, QString(), 0, 0);
    EXPECT_EQ(m.HanasuBox.geometry.top, 650 * 15 + 450);

    m.st.posY = 651;
    placeBalloon(m, kRunningOffset);
    EXPECT_EQ(m.HanasuBox.geometry.top, screenHeight - 2250);
}

TEST_F(HanasuTest, PlacementHasRoomForLargeScreens) {
    platform.screen = QSize(5120, 2880);
    m.st.posX = 5000;
    m.st.posY = 2800;
    const BesidePosition p = placeBeside(m, 3000, 1800, kRunningOffset);
    EXPECT_EQ(p.left, 5000 * 15 - 3000);
    EXPECT_EQ(p.top, 2880 * 15 - 2250);
}

TEST_F(HanasuTest, SoundsFollowTheSoundSetting) {
    m.st.soundOn = 0;
    OtoNare(m, QStringLiteral("BEEP"));
    OtoNare(m, QStringLiteral("hanasu.wav"));
    m.st.soundOn = 2;
    OtoNare(m, QStringLiteral("BEEP"));
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_TRUE(platform.sounds.isEmpty());

    m.st.soundOn = 1;
    Hanasu(m, QStringLiteral("静か"), 0, 0, QString(), 0, 0);
    EXPECT_TRUE(platform.sounds.isEmpty());
    Hanasu(m, QStringLiteral("いいですか？"), 3000, 1500, QStringLiteral("BEEP"), 1000, 2);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(platform.sounds.isEmpty());
}

TEST_F(HanasuTest, BuiltInSoundPlaysWhenTheUsersFileIsMissing) {
    for (const char* name : {"poyo.wav", "hanasu.wav", "jihou.wav", "alarm.wav"}) {
        OtoNare(m, QString::fromLatin1(name));
    }
    EXPECT_EQ(platform.sounds, (QStringList{":/sounds/poyo.wav", ":/sounds/hanasu.wav",
                                            ":/sounds/jihou.wav", ":/sounds/alarm.wav"}));
    for (const QString& source : platform.sounds) {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << source.toStdString();
        EXPECT_TRUE(f.read(4) == "RIFF") << source.toStdString();
    }

    platform.sounds.clear();
    OtoNare(m, QStringLiteral("x.wav")); // neither the user's nor built in
    EXPECT_TRUE(platform.sounds.isEmpty());
}

TEST_F(HanasuTest, UsersOwnSoundTakesPrecedence) {
    writeOwnSound(QStringLiteral("hanasu.wav"));
    writeOwnSound(QStringLiteral("x.wav"));
    OtoNare(m, QStringLiteral("hanasu.wav"));
    OtoNare(m, QStringLiteral("x.wav"));
    EXPECT_EQ(platform.sounds, (QStringList{QFileInfo(path("SOUND/hanasu.wav")).absoluteFilePath(),
                                            QFileInfo(path("SOUND/x.wav")).absoluteFilePath()}));
}

TEST_F(HanasuTest, SoundNamesCannotLeaveTheSoundFolder) {
    writeFile(QStringLiteral("outside.wav"), QByteArray("RIFF"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("SOUND")));
    OtoNare(m, QStringLiteral("../outside.wav"));
    OtoNare(m, QStringLiteral("..\\outside.wav"));
    OtoNare(m, path(QStringLiteral("outside.wav")));
    EXPECT_TRUE(platform.sounds.isEmpty());
}

} // namespace
