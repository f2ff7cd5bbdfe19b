// One whole day of the running mascot with the fake clock: talk every five
// minutes, the time signal on and the alarm at 07:30. Shows which of the
// minute's duties wins when several fall on the same minute.

#include "alarm/running_mascot_test.h"
#include "speech/mood_talk_table.h"

#include <vector>

namespace {

struct Said {
    int minute; // since the day's 00:00
    QString sound;
    QStringList lines;
    bool operator==(const Said&) const = default;
};

void PrintTo(const Said& s, std::ostream* os) {
    *os << s.minute << " " << s.sound.toStdString() << " " << s.lines.join(u'|').toStdString();
}

// The talk's random number for the n-th talk of the day: entry n mod 8.
double talkRandom(int n) {
    return (n % 8) / 1000.0;
}

class DayTest : public RunningMascotTest {};

TEST_F(DayTest, ADayOfTalkTimeSignalAndAlarm) {
    startAt(0, 0);
    m.st.charIndex = 0;
    m.st.mood = 2;
    m.st.masterName = QStringLiteral("あなた");
    m.st.chatterOn = 1;
    m.st.talkInterval = 5;
    m.st.normalTalkOn = 1;
    m.st.feedTalkOn = 0;
    m.st.timeSignalOn = 1;
    m.st.autoFetchMode = 0;
    m.st.alarmTime = QStringLiteral("0730");

    const QDateTime midnight = platform.clock;
    std::vector<Said> said;
    int talks = 0;
    for (int minute = 1; minute <= 24 * 60; ++minute) {
        platform.clock = midnight.addSecs(60 * minute);
        // The talk draws its number before anything else in the tick.
        platform.randoms.clear();
        platform.script({talkRandom(talks)});
        const qsizetype soundsBefore = platform.sounds.size();
        Timer1_Timer(m);
        if (platform.sounds.size() != soundsBefore) {
            ASSERT_EQ(platform.sounds.size(), soundsBefore + 1) << "minute " << minute;
            said.push_back({minute, soundNames().last(), lines()});
            if (said.back().sound == QStringLiteral("hanasu.wav")) {
                ++talks;
            }
        }
    }

    std::vector<Said> expected;
    int n = 0;
    auto talk = [&](int minute) {
        expected.push_back({minute, QStringLiteral("hanasu.wav"), {moodTalkLine(0, 2, n % 8)}});
        ++n;
    };
    // Until the alarm, every fifth minute is a talk, the full hours included.
    for (int minute = 5; minute < 7 * 60 + 30; minute += 5) {
        talk(minute);
    }
    // 07:30 is the alarm's, although a talk was due; the talk follows a
    // minute later, which moves the talks off the full hours.
    expected.push_back({7 * 60 + 30,
                        QStringLiteral("alarm.wav"),
                        {QStringLiteral("あなた、"), QStringLiteral("時間になりました。")}});
    for (int minute = 7 * 60 + 31; minute <= 24 * 60; ++minute) {
        if ((minute - (7 * 60 + 31)) % 5 == 0) {
            talk(minute);
        } else if (minute % 60 == 0) {
            const int hour = (minute / 60) % 24;
            expected.push_back({minute,
                                QStringLiteral("jihou.wav"),
                                {QString::number(hour) + QStringLiteral("時になりました。")}});
        }
    }
    EXPECT_EQ(said, expected);

    // The figures behind it: 89 talks before the alarm and 198 after it;
    // the hours 8 to 23 and the next midnight are announced.
    EXPECT_EQ(talks, 89 + 198);
    EXPECT_EQ(std::count_if(said.begin(), said.end(),
                            [](const Said& s) { return s.sound == QStringLiteral("jihou.wav"); }),
              17);
    EXPECT_EQ(said.back().lines, QStringList{QStringLiteral("0時になりました。")});
}

} // namespace
