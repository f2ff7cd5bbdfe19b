#include "settings/choice_menu.h"

#include "core/dragging.h"
#include "core/startup.h"
#include "feeds/rss_koushin.h"
#include "settings/data_file.h"
#include "speech/hanashikake.h"
#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

#include <QFile>

namespace {

class ChoiceMenuTest : public MascotTest {
protected:
    void SetUp() override {
        startRunning();
        m.st.posX = 500;
        m.st.posY = 300;
    }
    void rightClick() { Form_MouseDown(m, MouseButton::Right, 0, 0, 0); }
    QStringList visibleChoices() const {
        QStringList out;
        for (const LabelModel& l : m.HanasuBox.Sentaku) {
            if (l.visible) {
                out << l.caption;
            }
        }
        return out;
    }
    int choiceIndex(const QString& caption) const {
        for (int i = 0; i < kChoiceLabels; ++i) {
            if (m.HanasuBox.Sentaku[i].visible && m.HanasuBox.Sentaku[i].caption == caption) {
                return i;
            }
        }
        ADD_FAILURE() << "no visible choice " << caption.toStdString();
        return -1;
    }
    void choose(const QString& caption) { Sentaku_MouseDown(m, choiceIndex(caption)); }
};

TEST_F(ChoiceMenuTest, MainMenuAsksInTheCharactersWords) {
    m.st.charIndex = 8;
    rightClick();
    EXPECT_EQ(m.HanasuBox.HanasuNaiyo.caption, QStringLiteral("うにゅ？"));
    EXPECT_EQ(visibleChoices(), (QStringList{"なんでもない", "終了する", "設定変更する",
                                             "RSSメニュー", "アラーム", "何か話して"}));
    EXPECT_EQ(m.st.panelMode, PanelMode::Menu);
    EXPECT_EQ(m.st.balloonDuration, 1000);
    EXPECT_EQ(m.HanasuBox.geometry.width, 3000);
    EXPECT_EQ(m.HanasuBox.geometry.height, 2400);
    ASSERT_EQ(platform.sounds.size(), 1);
    EXPECT_TRUE(platform.sounds[0].endsWith(QStringLiteral("poyo.wav")));
    const std::array<int, 6> codes = {200, 100, 300, 400, 700, 600};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(m.st.choiceCode[i], codes[i]);
    }
}

TEST_F(ChoiceMenuTest, RightPressClosesAGreetingThenOpensTheMenu) {
    Hanasu(m, QStringLiteral("おはようございます。"), 0, 0, QString(), 0, 0);
    m.st.legActive = 1;
    rightClick();
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_EQ(m.st.legActive, 0);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    rightClick();
    EXPECT_EQ(m.st.panelMode, PanelMode::Menu);
    rightClick();
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_FALSE(m.HanasuBox.visible);
}

TEST_F(ChoiceMenuTest, RightPressHidesAnOpenPanelWithoutSaving) {
    m.st.panelMode = PanelMode::Settings;
    m.Settei.visible = true;
    m.st.legActive = 1;
    rightClick();
    EXPECT_FALSE(m.Settei.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.legActive, 0);
    EXPECT_FALSE(QFile::exists(path(kDataFileName)));
    // A line shown over an open panel goes first, the panel with the next press.
    m.st.panelMode = PanelMode::Alarm;
    m.AlarmBox.visible = true;
    Hanasu(m, QStringLiteral("９時です。"), 3000, 510, QString(), 5, 0);
    rightClick();
    EXPECT_TRUE(m.AlarmBox.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::Alarm) << "the panel stays open and followed";
    rightClick();
    EXPECT_FALSE(m.AlarmBox.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.balloonShown, 0) << "the second press closes the panel, no menu opens";
}

TEST_F(ChoiceMenuTest, QuitConfirmationInOneOrTwoLines) {
    for (int c = 0; c < kCharacterCount; ++c) {
        SCOPED_TRACE(c);
        m.st.charIndex = c;
        platform.beeps = 0;
        rightClick();
        choose(QStringLiteral("終了する"));
        const QStringList lines = m.HanasuBox.HanasuNaiyo.caption.split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.size(), (c == 8 || c == 10) ? 1 : 2);
        EXPECT_EQ(visibleChoices(), (QStringList{"いいえ", "はい"}));
        EXPECT_EQ(m.st.choiceCode[0], 200);
        EXPECT_EQ(m.st.choiceCode[1], 101);
        EXPECT_EQ(platform.beeps, 1);
        EXPECT_EQ(m.HanasuBox.geometry.height, 1500);
        EXPECT_EQ(m.st.panelMode, PanelMode::Menu);
        choose(QStringLiteral("いいえ"));
        EXPECT_EQ(m.st.balloonShown, 0);
    }
    m.st.charIndex = 3;
    rightClick();
    choose(QStringLiteral("終了する"));
    EXPECT_EQ(m.HanasuBox.HanasuNaiyo.caption,
              QStringLiteral("終了致します。\r\nよろしいですか？"));
    EXPECT_EQ(platform.quits, 0);
    choose(QStringLiteral("はい"));
    EXPECT_EQ(platform.quits, 1);
    EXPECT_TRUE(QFile::exists(path(kDataFileName)));
}

TEST_F(ChoiceMenuTest, FeedMenuLooksOnlyAtTheFirstSlot) {
    m.st.charIndex = 4;
    m.st.feedName[2] = QStringLiteral("二番目");
    m.st.feedUrl[2] = QStringLiteral("http://127.0.0.1/2");
    rightClick();
    choose(QStringLiteral("RSSメニュー"));
    EXPECT_EQ(m.HanasuBox.HanasuNaiyo.caption, QStringLiteral("RSS登録をまず行ってくれるかしら？"));
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.balloonDuration, 3);
}

TEST_F(ChoiceMenuTest, ArticleChoiceMarksItReadAndLeavesTheBalloon) {
    m.st.articleTitle[7] = QStringLiteral("見出し");
    m.st.articleLink[7] = QStringLiteral("http://127.0.0.1/7");
    for (int i = 1; i < 7; ++i) {
        m.st.articleTitle[i] = QStringLiteral("既読%1").arg(i);
        m.st.articleRead[i] = 1;
    }
    m.st.feedTalkOn = 1;
    Hanashikake(m);
    ASSERT_EQ(m.st.choiceCode[0], 5007);
    m.st.articleRead[7] = 0;
    const HanasuBoxModel before = m.HanasuBox;
    m.st.browserPath = QStringLiteral("/usr/bin/browser");
    Sentaku_MouseDown(m, 0);
    EXPECT_EQ(m.st.articleRead[7], 1);
    ASSERT_EQ(platform.programs.size(), 1u);
    EXPECT_EQ(platform.programs[0].program, QStringLiteral("/usr/bin/browser"));
    EXPECT_TRUE(platform.programs[0].arguments.contains(QStringLiteral("http://127.0.0.1/7")));
    EXPECT_EQ(m.HanasuBox, before);
    EXPECT_EQ(m.st.balloonShown, 1);
}

TEST_F(ChoiceMenuTest, ArticleChoiceOpensTheArticleReadAloudOrNothing) {
    const QString feed = QStringLiteral("http://127.0.0.1/news.xml");
    m.st.feedTalkOn = 1;
    m.st.articleTitle[1] = QStringLiteral("読まれた記事");
    m.st.articleLink[1] = QStringLiteral("http://127.0.0.1/read");
    m.st.articleFeedUrl[1] = feed;
    Hanashikake(m);
    // An update answers while the headline is up: the store shifts by two.
    RssKoushin(m, feed,
               "<rss version=\"2.0\"><channel><title>t</title>"
               "<item><title>新A</title><link>http://127.0.0.1/a</link></item>"
               "<item><title>新B</title><link>http://127.0.0.1/b</link></item></channel></rss>");
    ASSERT_EQ(m.st.articleTitle[3], QStringLiteral("読まれた記事"));
    m.st.articleRead[3] = 0;
    Sentaku_MouseDown(m, 0);
    EXPECT_EQ(platform.openedUrls, QStringList{QStringLiteral("http://127.0.0.1/read")});
    EXPECT_EQ(m.st.articleRead[3], 1);
    EXPECT_EQ(m.st.articleRead[1], 0);

    // Pushed out of the store altogether: nothing opens, nothing is marked.
    for (int i = 1; i <= kArticleSlots; ++i) {
        m.st.articleTitle[i] = QStringLiteral("後の記事%1").arg(i);
        m.st.articleRead[i] = 0;
    }
    Sentaku_MouseDown(m, 0);
    EXPECT_EQ(platform.openedUrls.size(), 1);
    EXPECT_EQ(m.st.articleRead[1], 0);
}

TEST_F(ChoiceMenuTest, PhaseCodeOnlySetsThePhase) {
    m.st.choiceText[0] = QStringLiteral("次へ");
    m.st.choiceCode[0] = 6009;
    Hanasu(m, QStringLiteral("説明"), 3200, 0, QString(), 1000, 1);
    const HanasuBoxModel before = m.HanasuBox;
    Sentaku_MouseDown(m, 0);
    EXPECT_EQ(m.st.phase, 9);
    EXPECT_EQ(m.HanasuBox, before);
}

TEST_F(ChoiceMenuTest, HiddenLabelsAndUnknownCodesDoNothing) {
    m.st.choiceCode[3] = 101;
    Sentaku_MouseDown(m, 3); // hidden: never reached
    Sentaku_MouseDown(m, 9);
    EXPECT_EQ(platform.quits, 0);
    for (int code : {0, 150, 5000, 5201, 5999}) {
        runAction(m, code);
    }
    EXPECT_EQ(m.st.phase, Phase::Running);
    EXPECT_EQ(platform.quits, 0);
}

TEST_F(ChoiceMenuTest, HoverColourMovesAndIsKeptIntoTheNextMenu) {
    rightClick();
    Sentaku_MouseMove(m, 2);
    EXPECT_EQ(m.HanasuBox.Sentaku[2].background, QColor(255, 150, 150));
    Sentaku_MouseMove(m, 4);
    EXPECT_EQ(m.HanasuBox.Sentaku[2].background, QColor(255, 255, 255));
    EXPECT_EQ(m.HanasuBox.Sentaku[4].background, QColor(255, 150, 150));
    rightClick(); // close
    rightClick(); // open again
    EXPECT_EQ(m.HanasuBox.Sentaku[4].background, QColor(255, 150, 150));
}

TEST_F(ChoiceMenuTest, CloseAndTalkChoicesFreeTheCharacter) {
    rightClick();
    m.st.legActive = 1;
    choose(QStringLiteral("なんでもない"));
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_EQ(m.st.legActive, 0);
    rightClick();
    m.st.talkMinutes = 3;
    choose(QStringLiteral("何か話して"));
    EXPECT_EQ(m.st.talkMinutes, 0);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
}

} // namespace

namespace {
TEST_F(ChoiceMenuTest, AlarmChoiceOpensTheAlarmPanel) {
    rightClick();
    choose(QStringLiteral("アラーム"));
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_EQ(m.st.panelMode, PanelMode::Alarm);
    EXPECT_TRUE(m.AlarmBox.visible);
    rightClick();
    EXPECT_FALSE(m.AlarmBox.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
}
} // namespace

namespace {
TEST_F(ChoiceMenuTest, FeedMenuOpensThePanelWhenTheFirstFeedIsNamed) {
    m.st.feedName[1] = QStringLiteral("ニュース");
    m.st.feedUrl[1] = QStringLiteral("http://127.0.0.1/rss");
    rightClick();
    choose(QStringLiteral("RSSメニュー"));
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_EQ(m.st.panelMode, PanelMode::Feeds);
    EXPECT_TRUE(m.RssBox.visible);
}

TEST_F(ChoiceMenuTest, SettingsChoiceOpensTheSettingsPanelFromTheState) {
    m.st.masterName = QStringLiteral("ご主人");
    rightClick();
    choose(QStringLiteral("設定変更する"));
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_FALSE(m.HanasuBox.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::Settings);
    EXPECT_TRUE(m.Settei.visible);
    EXPECT_EQ(m.Settei.SetteiText.text, QStringLiteral("ご主人"));
    rightClick();
    EXPECT_FALSE(m.Settei.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
}
} // namespace
