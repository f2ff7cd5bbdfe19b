#include "speech/mood_talk_table.h"

#include "core/mascot_state.h"
#include "settings/menu_phrases.h"

#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList row(int c, int mood) {
    QStringList lines;
    for (int k = 0; k < kMoodTalkEntries; ++k) {
        lines << moodTalkLine(c, mood, k);
    }
    return lines;
}

TEST(MoodTalkTable, EveryEntryHoldsADistinctLine) {
    int filled = 0;
    for (int c = 0; c < kCharacterCount; ++c) {
        for (int mood = 0; mood < kMoodCount; ++mood) {
            const QStringList lines = row(c, mood);
            for (const QString& line : lines) {
                filled += line.isEmpty() ? 0 : 1;
            }
            EXPECT_EQ(QSet<QString>(lines.begin(), lines.end()).size(), kMoodTalkEntries)
                << "character " << c << " mood " << mood;
        }
    }
    EXPECT_EQ(filled, 288);
}

TEST(MoodTalkTable, PoliteCharactersShareTheirLines) {
    const QStringList low{
        QStringLiteral("・・・・。"),       QStringLiteral("今、忙しいです。"),
        QStringLiteral("元気ですか？"),     QStringLiteral("少し疲れましたね。"),
        QStringLiteral("眠いですね。"),     QStringLiteral("お疲れ様です。"),
        QStringLiteral("楽しんでますか？"), QStringLiteral("イマイチ気持ちが盛り上がりませんね。")};
    EXPECT_EQ(row(0, 0), low);
    const QStringList ordinary = row(0, 1);
    EXPECT_EQ(ordinary.mid(0, 4),
              (QStringList{QStringLiteral("どうしました？"), QStringLiteral("何かありましたか？"),
                           QStringLiteral("元気ですか？"),
                           QStringLiteral("機嫌によって私の話す内容が変わるんですよ。")}));
    EXPECT_EQ(ordinary.mid(5), (QStringList{QStringLiteral("今は普通の気分です。"),
                                            QStringLiteral("楽しんでますか？"),
                                            QStringLiteral("起動毎に機嫌は変わります。")}));
    const QStringList good = row(0, 2);
    EXPECT_EQ(good.mid(0, 4), (QStringList{QStringLiteral("何かしましょうか？"),
                                           QStringLiteral("お手伝いすることありませんか？"),
                                           QStringLiteral("私は元気ですよ。"),
                                           QStringLiteral("今はとても機嫌が良いです。")}));
    EXPECT_EQ(good.mid(5), (QStringList{QStringLiteral("とっても楽しいです。"),
                                        QStringLiteral("ここにいられて嬉しいです。"),
                                        QStringLiteral("遊びに行きたいですね。")}));
    for (int mood = 0; mood < kMoodCount; ++mood) {
        EXPECT_EQ(row(3, mood), row(0, mood));
        EXPECT_EQ(row(11, mood), row(0, mood));
    }
}

TEST(MoodTalkTable, QuotedLowMoodRows) {
    EXPECT_EQ(row(1, 0).mid(0, 7),
              (QStringList{QStringLiteral("・・・・。"), QStringLiteral("今、忙しい。"),
                           QStringLiteral("元気？"), QStringLiteral("少し疲れたわ。"),
                           QStringLiteral("眠いわ。"), QStringLiteral("お疲れ様。"),
                           QStringLiteral("楽しんでる？")}));
    EXPECT_EQ(row(2, 0).mid(1, 6),
              (QStringList{QStringLiteral("今、忙しいんだぜ。"), QStringLiteral("元気か？"),
                           QStringLiteral("少し疲れたぜ。"), QStringLiteral("眠いぜ。"),
                           QStringLiteral("お疲れ様。"), QStringLiteral("楽しんでるか？")}));
    for (int c = 0; c < kCharacterCount; ++c) {
        EXPECT_EQ(moodTalkLine(c, 0, 0),
                  c == 5 ? QStringLiteral("？？？") : QStringLiteral("・・・・。"))
            << "character " << c;
    }
}

TEST(MoodTalkTable, NoLineRepeatsAnotherMoodsOrTheMenuQuestion) {
    for (int c = 0; c < kCharacterCount; ++c) {
        const QString prompt = QString::fromUtf16(kMenuPrompt[static_cast<std::size_t>(c)]);
        QStringList all;
        for (int mood = 0; mood < kMoodCount; ++mood) {
            all << row(c, mood);
        }
        EXPECT_FALSE(all.contains(prompt)) << "character " << c;
        // The polite rows are stored with two lines in two moods.
        if (c != 0 && c != 3 && c != 11) {
            EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size())
                << "character " << c;
        }
    }
}

TEST(MoodTalkTable, OutsideTheTableIsEmpty) {
    EXPECT_TRUE(moodTalkLine(12, 0, 0).isEmpty());
    EXPECT_TRUE(moodTalkLine(-1, 0, 0).isEmpty());
    EXPECT_TRUE(moodTalkLine(0, 3, 0).isEmpty());
    EXPECT_TRUE(moodTalkLine(0, -1, 0).isEmpty());
    EXPECT_TRUE(moodTalkLine(0, 0, 8).isEmpty());
}

} // namespace
