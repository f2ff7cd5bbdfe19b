#include "speech/hanashikake.h"

#include "speech/hanasu.h"
#include "speech/mood_talk_table.h"
#include "tests/support/mascot_fixture.h"

#include <QDir>

namespace {

class HanashikakeTest : public MascotTest {
protected:
    void SetUp() override {
        QDir(dir.path()).mkpath(QStringLiteral("SOUND"));
        writeFile(QStringLiteral("SOUND/hanasu.wav"), "RIFF");
        m.st.charIndex = 0;
        m.st.mood = 1;
        m.st.soundOn = 1;
    }

    QStringList lines() const {
        const QString text = m.HanasuBox.HanasuNaiyo.caption;
        return text.isEmpty() ? QStringList{} : text.split(QStringLiteral("\r\n"));
    }

    void store(int index, const QString& title, const QString& feedUrl) {
        m.st.articleTitle[index] = title;
        m.st.articleLink[index] = QStringLiteral("http://127.0.0.1/") + QString::number(index);
        m.st.articleFeedUrl[index] = feedUrl;
        m.st.articleRead[index] = 0;
    }

    void talk() {
        HanasuKesu(m);
        Hanashikake(m);
    }
};

QString news() {
    return QStringLiteral("http://127.0.0.1/news.xml");
}

TEST_F(HanashikakeTest, FeedReadingWithNothingUnreadSaysNothing) {
    m.st.feedTalkOn = 1;
    m.st.normalTalkOn = 1;
    talk();
    EXPECT_EQ(m.st.balloonShown, 0);
    store(1, QStringLiteral("既読の記事"), news());
    m.st.articleRead[1] = 1;
    talk();
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_TRUE(platform.sounds.isEmpty());
}

TEST_F(HanashikakeTest, BothKindsOffSaysNothing) {
    store(1, QStringLiteral("未読"), news());
    talk();
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_EQ(m.st.articleRead[1], 0);
}

TEST_F(HanashikakeTest, ReadsUnreadArticlesFromTheNewest) {
    m.st.feedTalkOn = 1;
    m.st.feedName[1] = QStringLiteral("ニュース");
    m.st.feedUrl[1] = news();
    store(3, QStringLiteral("三番目"), news());
    store(7, QStringLiteral("七番目"), news());

    talk();
    EXPECT_EQ(lines(),
              (QStringList{QStringLiteral("ニュースによる情報ですが、"),
                           QStringLiteral("『三番目』"), QStringLiteral("とのことです。")}));
    EXPECT_EQ(m.st.choiceText[0], QStringLiteral("記事を参照"));
    EXPECT_EQ(m.st.choiceCode[0], 5003);
    EXPECT_EQ(m.st.articleRead[3], 1);
    EXPECT_EQ(m.st.articleRead[7], 0);

    talk();
    EXPECT_EQ(lines().at(1), QStringLiteral("『七番目』"));
    EXPECT_EQ(m.st.choiceCode[0], 5007);
    EXPECT_EQ(m.st.articleRead[7], 1);

    talk();
    EXPECT_EQ(m.st.balloonShown, 0);
}

TEST_F(HanashikakeTest, AnUntitledArticleIsSkipped) {
    m.st.feedTalkOn = 1;
    store(1, QString(), news());
    store(2, QStringLiteral("題あり"), news());
    talk();
    EXPECT_EQ(m.st.choiceCode[0], 5002);
    EXPECT_EQ(m.st.articleRead[1], 0);
}

TEST_F(HanashikakeTest, FeedNameIsThatOfTheLastSlotWithTheAddress) {
    m.st.feedTalkOn = 1;
    m.st.charIndex = 8;
    m.st.feedName[2] = QStringLiteral("古い名前");
    m.st.feedUrl[2] = news();
    m.st.feedName[5] = QStringLiteral("新しい名前");
    m.st.feedUrl[5] = news();
    store(1, QStringLiteral("見出し"), news());
    store(2, QStringLiteral("消えたフィード"), QStringLiteral("http://127.0.0.1/gone.xml"));
    talk();
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("新しい名前が、"), QStringLiteral("『見出し』"),
                                    QStringLiteral("って言ってた。")}));
    talk();
    EXPECT_EQ(lines().first(), QStringLiteral("が、"));
}

TEST_F(HanashikakeTest, AReadingStaysSixteenSecondsWithoutOpeningAMenu) {
    m.st.feedTalkOn = 1;
    store(1, QStringLiteral("見出し"), news());
    talk();
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.balloonDuration, 16);
    EXPECT_EQ(m.HanasuBox.geometry.width, 4200);
    EXPECT_TRUE(m.HanasuBox.Sentaku[0].visible);
    EXPECT_EQ(m.HanasuBox.Sentaku[0].caption, QStringLiteral("記事を参照"));
    EXPECT_EQ(platform.sounds.size(), 1);
    EXPECT_TRUE(platform.sounds.first().endsWith(QStringLiteral("SOUND/hanasu.wav")));

    for (int s = 1; s < 16; ++s) {
        platform.advance(1000);
        balloonCountdown(m);
        ASSERT_EQ(m.st.balloonShown, 1) << "after " << s << " seconds";
    }
    platform.advance(1000);
    balloonCountdown(m);
    EXPECT_EQ(m.st.balloonShown, 0);
}

TEST_F(HanashikakeTest, MoodLineIsDrawnRoundingHalvesToEven) {
    m.st.normalTalkOn = 1;
    struct Case {
        double u;
        int entry;
    };
    // 5 -> 5; 62.5 -> 62 -> 6; 187.5 -> 188 -> 4; 999.9 -> 1000 -> 0.
    for (const Case c : {Case{0.005, 5}, Case{0.0625, 6}, Case{0.1875, 4}, Case{0.9999, 0}}) {
        platform.script({c.u});
        talk();
        EXPECT_EQ(lines(), QStringList{moodTalkLine(0, 1, c.entry)}) << c.u;
    }
    platform.script({0.005});
    talk();
    EXPECT_EQ(lines(), QStringList{QStringLiteral("今は普通の気分です。")});
    EXPECT_EQ(m.st.balloonDuration, 3);
    EXPECT_EQ(m.HanasuBox.geometry.width, 3000);
    EXPECT_EQ(platform.sounds.size(), 5);
    EXPECT_EQ(platform.randomUnderflows, 0);
}

TEST_F(HanashikakeTest, MoodLineFollowsCharacterAndMood) {
    m.st.normalTalkOn = 1;
    m.st.charIndex = 5;
    m.st.mood = 0;
    platform.script({0.0});
    talk();
    EXPECT_EQ(lines(), QStringList{QStringLiteral("？？？")});
    m.st.mood = 3;
    platform.script({0.0});
    talk();
    EXPECT_EQ(m.st.balloonShown, 0);
}

} // namespace
