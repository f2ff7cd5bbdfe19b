#include "settings/settei.h"

#include "core/dragging.h"
#include "core/main_tick.h"
#include "core/pictures/character_catalogue.h"
#include "core/startup.h"
#include "settings/choice_menu.h"
#include "settings/cp932.h"
#include "settings/data_file.h"
#include "tests/support/mascot_fixture.h"

#include <QFile>

namespace {

class SetteiTest : public MascotTest {
protected:
    void SetUp() override {
        startRunning();
        Form_Load(m);
        KyaraIchiran(m);
        m.st.posX = 500;
        m.st.posY = 100;
    }

    void press(int index) { STButton_MouseDown(m, index, MouseButton::Left); }
    SetteiModel& s() { return m.Settei; }
    QString caption(int label) const {
        return m.Settei.SetteiMoji[static_cast<std::size_t>(label)].caption;
    }
    int shown(int check) const { return m.Settei.STCheck[static_cast<std::size_t>(check)].value; }
    QList<QByteArray> fileLines() const {
        QList<QByteArray> lines = readFile(kDataFileName).split('\n');
        for (QByteArray& l : lines) {
            l.chop(1); // CR
        }
        return lines;
    }
};

TEST_F(SetteiTest, OpeningCopiesTheStateIntoTheControls) {
    MascotState& st = m.st;
    st.masterName = QStringLiteral("ご主人");
    st.charEntry = 4;
    st.soundOn = 0;
    st.timeSignalOn = 1;
    st.chatterOn = 0;
    st.normalTalkOn = 0;
    st.feedTalkOn = 1;
    st.autoFetchMode = 2;
    st.browserPath = QStringLiteral("/usr/bin/firefox");
    st.feedName[1] = QStringLiteral("ニュース");
    s().Text1.text = QStringLiteral("書きかけ");
    s().Text2.text = QStringLiteral("http://example.org/");
    m.st.legActive = 1;

    SetteiHiraku(m);

    EXPECT_EQ(s().SetteiText.text, QStringLiteral("ご主人"));
    EXPECT_EQ(s().Combo3Box.ListIndex, 4);
    EXPECT_EQ(s().Combo1Box.ListIndex, 2);
    EXPECT_EQ(shown(SetteiCheck::Sound), 0);
    EXPECT_EQ(shown(SetteiCheck::TimeSignal), 1);
    EXPECT_EQ(shown(SetteiCheck::Chatter), 0);
    EXPECT_EQ(shown(SetteiCheck::NormalTalk), 0);
    EXPECT_EQ(shown(SetteiCheck::FeedTalk), 1);
    EXPECT_EQ(s().Text3.text, QStringLiteral("/usr/bin/firefox"));
    EXPECT_EQ(s().List1.rows, (QStringList{QStringLiteral("ニュース"), kNewFeedRow}));
    EXPECT_EQ(s().List1.ListIndex, -1);
    // The feed boxes keep what they held.
    EXPECT_EQ(s().Text1.text, QStringLiteral("書きかけ"));
    EXPECT_EQ(s().Text2.text, QStringLiteral("http://example.org/"));

    EXPECT_TRUE(s().visible);
    EXPECT_EQ(st.panelMode, PanelMode::Settings);
    EXPECT_EQ(s().geometry, (TwipsRect{500 * 15 - 6135, 100 * 15 + 450, 6135, 5775}));
    // Near the left edge it opens 105 pixels right of the character.
    st.posX = 300;
    SetteiHiraku(m);
    EXPECT_EQ(s().geometry.left, (300 + 105) * 15);
}

TEST_F(SetteiTest, TheFirstRunSettingsShowAsTheirBarsAndLabels) {
    SetteiHiraku(m);
    EXPECT_EQ(s().HScroll1.value, 10);
    EXPECT_EQ(caption(SetteiLabel::MoveSpeed), QStringLiteral("移動速度:10"));
    EXPECT_EQ(s().HScroll2.value, 5);
    EXPECT_EQ(caption(SetteiLabel::TalkInterval), QStringLiteral("話しかけてくる頻度:5分"));
    EXPECT_EQ(s().Combo3Box.ListIndex, 11);
    EXPECT_EQ(s().Combo1Box.ListIndex, 0);
    EXPECT_EQ(s().Combo1.value(0), QStringLiteral("しない"));
}

TEST_F(SetteiTest, BarsKeepTheirLabelsCurrentAndChangeTheStateOnlyOnOk) {
    SetteiHiraku(m);
    HScroll1_Change(m, 40);
    EXPECT_EQ(caption(SetteiLabel::MoveSpeed), QStringLiteral("移動速度:40"));
    HScroll2_Change(m, 10);
    EXPECT_EQ(caption(SetteiLabel::TalkInterval), QStringLiteral("話しかけてくる頻度:10分"));
    EXPECT_EQ(m.st.walkInterval, 31);
    EXPECT_EQ(m.st.talkInterval, 5);
    press(SetteiButton::Ok);
    EXPECT_EQ(m.st.walkInterval, 1) << "the fastest speed steps every tick";
    EXPECT_EQ(m.st.talkInterval, 10);

    SetteiHiraku(m);
    EXPECT_EQ(s().HScroll1.value, 40);
    HScroll1_Change(m, 1);
    HScroll2_Change(m, 1);
    press(SetteiButton::Ok);
    EXPECT_EQ(m.st.walkInterval, 40);
    EXPECT_EQ(m.st.talkInterval, 1);

    // Values from beyond a bar stop at its ends.
    HScroll1_Change(m, 0);
    EXPECT_EQ(s().HScroll1.value, 1);
    HScroll2_Change(m, 11);
    EXPECT_EQ(s().HScroll2.value, 10);
    EXPECT_EQ(caption(SetteiLabel::TalkInterval), QStringLiteral("話しかけてくる頻度:10分"));
}

TEST_F(SetteiTest, HandEditedIntervalsShowClampedAndOkStoresWhatShows) {
    m.st.walkInterval = 0; // 41 - 0 = 41 is beyond the bar
    m.st.talkInterval = 60;
    SetteiHiraku(m);
    EXPECT_EQ(s().HScroll1.value, 40);
    EXPECT_EQ(caption(SetteiLabel::MoveSpeed), QStringLiteral("移動速度:40"));
    EXPECT_EQ(s().HScroll2.value, 10);
    EXPECT_EQ(caption(SetteiLabel::TalkInterval), QStringLiteral("話しかけてくる頻度:10分"));
    press(SetteiButton::Ok);
    EXPECT_EQ(m.st.walkInterval, 1);
    EXPECT_EQ(m.st.talkInterval, 10);

    m.st.walkInterval = -32768;
    m.st.talkInterval = -3;
    SetteiHiraku(m);
    EXPECT_EQ(s().HScroll1.value, 40);
    EXPECT_EQ(s().HScroll2.value, 1);
    m.st.walkInterval = 32767;
    SetteiHiraku(m);
    EXPECT_EQ(s().HScroll1.value, 1);
    press(SetteiButton::Ok);
    EXPECT_EQ(m.st.walkInterval, 40);
    EXPECT_EQ(m.st.talkInterval, 1);
}

TEST_F(SetteiTest, OkCopiesEveryControlBackAndSavesTheFile) {
    SetteiHiraku(m);
    SetteiText_Change(m, SetteiBox::SetteiText, QStringLiteral("太郎"));
    STCheck_Click(m, SetteiCheck::Sound, 0);
    STCheck_Click(m, SetteiCheck::TimeSignal, 0);
    STCheck_Click(m, SetteiCheck::FeedTalk, 1);
    Combo1_Click(m, 3);
    Combo3_Click(m, 2);
    SetteiText_Change(m, SetteiBox::Text3, QStringLiteral("/usr/bin/chromium"));
    HScroll2_Change(m, 7);
    m.st.legActive = 1;
    ASSERT_FALSE(QFile::exists(path(kDataFileName)));

    press(SetteiButton::Ok);

    const MascotState& st = m.st;
    EXPECT_EQ(st.masterName, QStringLiteral("太郎"));
    EXPECT_EQ(st.soundOn, 0);
    EXPECT_EQ(st.timeSignalOn, 0);
    EXPECT_EQ(st.chatterOn, 1);
    EXPECT_EQ(st.normalTalkOn, 1);
    EXPECT_EQ(st.feedTalkOn, 1);
    EXPECT_EQ(st.autoFetchMode, 3);
    EXPECT_EQ(st.charEntry, 2);
    EXPECT_EQ(st.charIndex, 2);
    EXPECT_EQ(st.browserPath, QStringLiteral("/usr/bin/chromium"));
    EXPECT_FALSE(s().visible);
    EXPECT_EQ(st.panelMode, PanelMode::None);
    EXPECT_EQ(st.legActive, 0);
    EXPECT_EQ(st.phase, Phase::Running);

    const QList<QByteArray> lines = fileLines();
    ASSERT_GE(lines.size(), kDataFileLines);
    EXPECT_EQ(lines[1], encodeCp932(QStringLiteral("太郎")));
    EXPECT_EQ(lines[2], QByteArray(" 0 "));   // soundOn
    EXPECT_EQ(lines[3], QByteArray(" 0 "));   // timeSignalOn
    EXPECT_EQ(lines[6], QByteArray(" 1 "));   // feedTalkOn
    EXPECT_EQ(lines[7], QByteArray(" 7 "));   // talkInterval
    EXPECT_EQ(lines[8], QByteArray(" 3 "));   // autoFetchMode
    EXPECT_EQ(lines[13], QByteArray(" 31 ")); // walkInterval
    EXPECT_EQ(lines[14], QByteArray("/usr/bin/chromium"));
    EXPECT_EQ(lines[16], QByteArray(" 2 ")); // charEntry
}

TEST_F(SetteiTest, TalkingOnItsOwnNeedsSomethingToSay) {
    SetteiHiraku(m);
    STCheck_Click(m, SetteiCheck::NormalTalk, 0);
    STCheck_Click(m, SetteiCheck::FeedTalk, 0);
    press(SetteiButton::Ok);
    EXPECT_EQ(m.st.normalTalkOn, 1);
    EXPECT_EQ(m.st.feedTalkOn, 0);
    EXPECT_EQ(shown(SetteiCheck::NormalTalk), 0) << "the box itself is left as it was";
    SetteiHiraku(m);
    EXPECT_EQ(shown(SetteiCheck::NormalTalk), 1) << "and shows the stored value next time";

    // Without chatter both may stay off.
    STCheck_Click(m, SetteiCheck::Chatter, 0);
    STCheck_Click(m, SetteiCheck::NormalTalk, 0);
    STCheck_Click(m, SetteiCheck::FeedTalk, 0);
    press(SetteiButton::Ok);
    EXPECT_EQ(m.st.chatterOn, 0);
    EXPECT_EQ(m.st.normalTalkOn, 0);
    EXPECT_EQ(m.st.feedTalkOn, 0);

    // Headlines alone are something to say.
    SetteiHiraku(m);
    STCheck_Click(m, SetteiCheck::Chatter, 1);
    STCheck_Click(m, SetteiCheck::FeedTalk, 1);
    press(SetteiButton::Ok);
    EXPECT_EQ(m.st.normalTalkOn, 0);
    EXPECT_EQ(m.st.feedTalkOn, 1);
}

TEST_F(SetteiTest, CancelCopiesAndWritesNothing) {
    SetteiHiraku(m);
    SetteiText_Change(m, SetteiBox::SetteiText, QStringLiteral("太郎"));
    HScroll1_Change(m, 40);
    STCheck_Click(m, SetteiCheck::Sound, 0);
    Combo3_Click(m, 0);
    m.st.legActive = 1;
    const MascotState before = m.st;
    press(SetteiButton::Cancel);
    EXPECT_FALSE(s().visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.legActive, 0);
    EXPECT_EQ(m.st.masterName, before.masterName);
    EXPECT_EQ(m.st.walkInterval, 31);
    EXPECT_EQ(m.st.soundOn, 1);
    EXPECT_EQ(m.st.charEntry, 11);
    EXPECT_FALSE(QFile::exists(path(kDataFileName)));
    // Opening again shows the state, not the abandoned edits.
    SetteiHiraku(m);
    EXPECT_EQ(s().SetteiText.text, QStringLiteral("あなた"));
    EXPECT_EQ(s().HScroll1.value, 10);
    EXPECT_EQ(s().Combo3Box.ListIndex, 11);
}

TEST_F(SetteiTest, ANewCharacterIsLoadedDuringOkAndDrawnFromTheNextTick) {
    Timer1_Timer(m);
    ASSERT_EQ(m.sprite.key.charIndex, 11);
    const QPoint at(m.sprite.x, m.sprite.y);
    SetteiHiraku(m);
    Combo3_Click(m, 8);
    press(SetteiButton::Ok);
    EXPECT_EQ(m.st.charIndex, 8);
    EXPECT_EQ(m.CharGazo, QImage(picturePath(117)).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(m.CharEyes, QImage(picturePath(118)).convertToFormat(QImage::Format_RGB32));
    if (!m.CharGazo.isNull()) {
        EXPECT_NE(m.CharGazo, QImage(picturePath(123)).convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_EQ(m.sprite.key.charIndex, 11) << "nothing is drawn during OK";

    m.st.pinned = 1; // stand still, so the frame can be compared
    Timer1_Timer(m);
    EXPECT_EQ(m.sprite.key.charIndex, 8);
    EXPECT_EQ(QPoint(m.sprite.x, m.sprite.y), at);
    // The menu now asks in the new character's words.
    SentakuHiraku(m);
    EXPECT_EQ(m.HanasuBox.HanasuNaiyo.caption, QStringLiteral("うにゅ？"));
}

TEST_F(SetteiTest, OnlyTheLeftButtonActs) {
    SetteiHiraku(m);
    SetteiText_Change(m, SetteiBox::SetteiText, QStringLiteral("太郎"));
    STButton_MouseDown(m, SetteiButton::Ok, MouseButton::Right);
    STButton_MouseDown(m, SetteiButton::Cancel, 4);
    STButton_MouseDown(m, SetteiButton::Ok, 0);
    STButton_MouseDown(m, 5, MouseButton::Left);
    STButton_MouseDown(m, -1, MouseButton::Left);
    EXPECT_TRUE(s().visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::Settings);
    EXPECT_EQ(m.st.masterName, QStringLiteral("あなた"));
    EXPECT_FALSE(QFile::exists(path(kDataFileName)));
}

TEST_F(SetteiTest, HoverColourStaysOnTheLastButtonTouched) {
    for (const LabelModel& b : s().STButton) {
        EXPECT_EQ(b.background, QColor(255, 255, 255));
    }
    STButton_MouseMove(m, SetteiButton::Add);
    EXPECT_EQ(s().STButton[SetteiButton::Add].background, QColor(255, 150, 150));
    STButton_MouseMove(m, SetteiButton::Ok);
    EXPECT_EQ(s().STButton[SetteiButton::Add].background, QColor(255, 255, 255));
    EXPECT_EQ(s().STButton[SetteiButton::Ok].background, QColor(255, 150, 150));
    STButton_MouseMove(m, 7); // no such button: nothing moves
    EXPECT_EQ(s().STButton[SetteiButton::Ok].background, QColor(255, 150, 150));
    press(SetteiButton::Cancel);
    SetteiHiraku(m);
    EXPECT_EQ(s().STButton[SetteiButton::Ok].background, QColor(255, 150, 150));
}

TEST_F(SetteiTest, ControlsTakeOnlyWhatTheyCanShow) {
    SetteiHiraku(m);
    STCheck_Click(m, SetteiCheck::Sound, 5);
    EXPECT_EQ(shown(SetteiCheck::Sound), 1);
    STCheck_Click(m, 3, 1); // there is no box 3
    STCheck_Click(m, 6, 1);
    EXPECT_EQ(shown(3), 0);
    Combo1_Click(m, 4);
    Combo3_Click(m, 12);
    Combo3_Click(m, -1);
    EXPECT_EQ(s().Combo1Box.ListIndex, 0);
    EXPECT_EQ(s().Combo3Box.ListIndex, 11);
    // Each box holds one line, as the data file does.
    SetteiText_Change(m, SetteiBox::Text2, QStringLiteral("http://a.example/\r\nfeed"));
    EXPECT_EQ(s().Text2.text, QStringLiteral("http://a.example/feed"));
    SetteiText_Change(m, SetteiBox::Text1, QString(100000, u'x'));
    EXPECT_EQ(s().Text1.text.size(), 32767);
}

TEST_F(SetteiTest, HandEditedFlagsAndFetchModeShowWhatTheyDo) {
    // Only 1 switches a setting on, so nothing else shows checked; a fetch
    // mode outside the list fetches on no schedule.
    m.st.soundOn = 2;
    m.st.autoFetchMode = 7;
    SetteiHiraku(m);
    EXPECT_EQ(shown(SetteiCheck::Sound), 0);
    EXPECT_EQ(s().Combo1Box.ListIndex, 0);
    press(SetteiButton::Ok);
    EXPECT_EQ(m.st.soundOn, 0);
    EXPECT_EQ(m.st.autoFetchMode, 0);
}

} // namespace
