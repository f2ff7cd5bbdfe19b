#include "speech/aisatsu.h"

#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

namespace {

class AisatsuTest : public MascotTest {
protected:
    void SetUp() override { m.st.masterName = QStringLiteral("あなた"); }

    QStringList greet(int charIndex, const QString& hhnn) {
        m.st.charIndex = charIndex;
        m.st.nowHHNN = hhnn;
        Aisatsu(m);
        QStringList lines = m.HanasuBox.HanasuNaiyo.caption.split(QStringLiteral("\r\n"));
        HanasuKesu(m);
        if (lines == QStringList{QString()}) {
            return {};
        }
        return lines;
    }
};

TEST_F(AisatsuTest, BandsSwitchAtTheirLastHour) {
    EXPECT_EQ(greet(0, "0259"),
              (QStringList{QStringLiteral("こんばんは、あなた。"),
                           QStringLiteral("そろそろ寝た方がいいんじゃないんですか？")}));
    EXPECT_EQ(greet(0, "0300"), (QStringList{QStringLiteral("こんばんは、あなた。"),
                                             QStringLiteral("遅いけど大丈夫ですか？")}));
    EXPECT_EQ(greet(0, "0459").first(), QStringLiteral("こんばんは、あなた。"));
    EXPECT_EQ(greet(0, "0500"), (QStringList{QStringLiteral("おはようございます、あなた。"),
                                             QStringLiteral("早いですね。")}));
    EXPECT_EQ(greet(3, "1200"), (QStringList{QStringLiteral("こんにちは、あなた様。"),
                                             QStringLiteral("一日も半ばですね。")}));
    EXPECT_EQ(greet(3, "1659").first(), QStringLiteral("こんにちは、あなた様。"));
    EXPECT_EQ(greet(3, "1700"), (QStringList{QStringLiteral("こんばんは、あなた様。"),
                                             QStringLiteral("もう日も暮れてきましたね。")}));
    EXPECT_EQ(greet(9, "2359"), (QStringList{QStringLiteral("こんばんは、あなた。"),
                                             QStringLiteral("そろそろ眠いな。")}));
}

TEST_F(AisatsuTest, MidnightHourIsTheFirstBand) {
    EXPECT_EQ(greet(1, "0000"), (QStringList{QStringLiteral("こんばんは、あなた。"),
                                             QStringLiteral("そろそろ寝た方がいいんじゃない？")}));
    EXPECT_EQ(greet(1, "0059").last(), QStringLiteral("そろそろ寝た方がいいんじゃない？"));
    EXPECT_EQ(greetingBand(0), 1);
}

TEST_F(AisatsuTest, BandBoundsInOrder) {
    const int expected[24] = {1, 1, 1, 2, 2, 3, 3, 4,  4,  5,  5,  6,
                              7, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 11};
    for (int h = 0; h < 24; ++h) {
        EXPECT_EQ(greetingBand(h), expected[h]) << "hour " << h;
    }
    EXPECT_EQ(greetingBand(24), 0);
    EXPECT_EQ(greetingBand(-1), 0);
}

TEST_F(AisatsuTest, BeforeNoonMostCharactersSayThreeLines) {
    for (int c = 0; c < kCharacterCount; ++c) {
        const QStringList lines = greet(c, "1100");
        const bool single = c == 5 || c == 8;
        EXPECT_EQ(lines.size(), single ? 2 : 3) << "character " << c;
    }
    EXPECT_EQ(greet(2, "1159"), (QStringList{QStringLiteral("おはよう、あなた。"),
                                             QStringLiteral("もうすぐ昼だけど、"),
                                             QStringLiteral("別にいいよな。")}));
    EXPECT_EQ(greet(8, "1130"),
              (QStringList{QStringLiteral("おはよう、あなた！"), QStringLiteral("もう昼？")}));
}

TEST_F(AisatsuTest, BalloonTimingAndSize) {
    m.st.charIndex = 7;
    m.st.nowHHNN = QStringLiteral("1105");
    Aisatsu(m);
    EXPECT_EQ(m.st.balloonDuration, 3 + 3 + 10);
    EXPECT_EQ(m.HanasuBox.geometry.width, 4200);
    EXPECT_EQ(m.HanasuBox.geometry.height, 1800);
    EXPECT_TRUE(platform.sounds.isEmpty());
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
}

TEST_F(AisatsuTest, NameAndSuffixJoinDirectly) {
    m.st.masterName.clear();
    EXPECT_EQ(greet(0, "1300").first(), QStringLiteral("こんにちは、さん。"));
    m.st.masterName = QStringLiteral("太郎");
    EXPECT_EQ(greet(8, "1500").first(), QStringLiteral("うにゅ、太郎！"));
    EXPECT_EQ(greet(8, "1200").first(), QStringLiteral("うにゅ、太郎！"));
    EXPECT_EQ(greet(8, "1700").first(), QStringLiteral("こんばんは、太郎！"));
    EXPECT_EQ(greet(5, "0700").first(), QStringLiteral("おはよ～、太郎。"));
    EXPECT_EQ(greet(0, "1300").first(), QStringLiteral("こんにちは、太郎さん。"));
}

TEST_F(AisatsuTest, NoSecondHonorificAndNoneAfterTheDefaultName) {
    EXPECT_EQ(greet(7, "1300").first(), QStringLiteral("こんにちは、あなた。"));
    EXPECT_EQ(greet(3, "1300").first(), QStringLiteral("こんにちは、あなた様。"));
    m.st.masterName = QStringLiteral("田中さん");
    EXPECT_EQ(greet(11, "1300").first(), QStringLiteral("こんにちは、田中さん。"));
    EXPECT_EQ(greet(3, "1300").first(), QStringLiteral("こんにちは、田中さん。"));
    EXPECT_EQ(greet(1, "1300").first(), QStringLiteral("こんにちは、田中さん。"));
    m.st.masterName = QStringLiteral("ゆき様");
    EXPECT_EQ(greet(3, "0700").first(), QStringLiteral("おはようございます、ゆき様。"));
    m.st.masterName = QStringLiteral("あなたさま");
    EXPECT_EQ(greet(0, "0700").first(), QStringLiteral("おはようございます、あなたさま。"));
}

TEST_F(AisatsuTest, EveryCharacterHasAGreetingForEveryHour) {
    for (int c = 0; c < kCharacterCount; ++c) {
        for (int h = 0; h < 24; ++h) {
            const QStringList lines =
                greet(c, QStringLiteral("%1").arg(h, 2, 10, QChar(u'0')) + QStringLiteral("00"));
            ASSERT_GE(lines.size(), 2) << c << " " << h;
            for (const QString& line : lines) {
                EXPECT_FALSE(line.isEmpty()) << c << " " << h;
            }
        }
    }
}

TEST_F(AisatsuTest, UnknownCharacterSaysNothing) {
    EXPECT_TRUE(greet(12, "1200").isEmpty());
    EXPECT_TRUE(greet(-1, "1200").isEmpty());
    EXPECT_EQ(m.st.balloonShown, 0);
}

} // namespace
