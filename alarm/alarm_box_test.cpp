#include "alarm/alarm_box.h"

#include "speech/hanasu.h"
#include "tests/support/mascot_fixture.h"

namespace {

class AlarmBoxTest : public MascotTest {
protected:
    void SetUp() override {
        m.st.charIndex = 0;
        m.st.posX = 400;
        m.st.posY = 100;
        AlarmHiraku(m);
    }

    QString& hours() { return m.AlarmBox.AlaText[AlaBox::Hours].text; }
    QString& minutes() { return m.AlarmBox.AlaText[AlaBox::Minutes].text; }
    void press(int index) { alaon_MouseDown(m, index, kAlarmLeftButton); }
    QColor colour(int index) const {
        return m.AlarmBox.alaon[static_cast<std::size_t>(index)].background;
    }
    QStringList lines() const {
        const QString text = m.HanasuBox.HanasuNaiyo.caption;
        return text.isEmpty() ? QStringList{} : text.split(QStringLiteral("\r\n"));
    }
};

TEST_F(AlarmBoxTest, OpeningPlacesThePanelAndShowsTheState) {
    EXPECT_EQ(m.st.panelMode, PanelMode::Alarm);
    EXPECT_TRUE(m.AlarmBox.visible);
    EXPECT_EQ(m.AlarmBox.geometry, (TwipsRect{400 * 15 - 1725, 100 * 15 + 450, 1725, 2415}));
    EXPECT_EQ(colour(Alaon::Off), QColor(kAlaonState));
    EXPECT_EQ(colour(Alaon::On), QColor(kAlaonPlain));

    // Too close to the left edge: to the right of the character, 105 pixels in.
    m.AlarmBox.visible = false;
    m.st.posX = 50;
    m.st.alarmTime = QStringLiteral("0730");
    AlarmHiraku(m);
    EXPECT_EQ(m.AlarmBox.geometry.left, (50 + 105) * 15);
    EXPECT_EQ(colour(Alaon::On), QColor(kAlaonState));
    EXPECT_EQ(colour(Alaon::Off), QColor(kAlaonPlain));
    // A set alarm shows its time.
    EXPECT_EQ(hours(), QStringLiteral("07"));
    EXPECT_EQ(minutes(), QStringLiteral("30"));

    // A stored time the clock never shows (edited by hand) leaves the boxes.
    m.AlarmBox.visible = false;
    m.st.alarmTime = QStringLiteral("2460");
    AlarmHiraku(m);
    EXPECT_EQ(hours(), QStringLiteral("07"));
    EXPECT_EQ(minutes(), QStringLiteral("30"));
}

TEST_F(AlarmBoxTest, OpeningClosesTheMenu) {
    m.st.choiceText[0] = QStringLiteral("アラーム");
    Hanasu(m, QStringLiteral("何か用ですか？"), 3000, 2400, QString(), 1000, 1);
    ASSERT_EQ(m.st.panelMode, PanelMode::Menu);
    m.st.legActive = 1;
    AlarmHiraku(m);
    EXPECT_EQ(m.st.balloonShown, 0);
    EXPECT_FALSE(m.HanasuBox.Sentaku[0].visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::Alarm);
    EXPECT_EQ(m.st.legActive, 0);
}

TEST_F(AlarmBoxTest, ButtonsStepRoundTheClock) {
    press(Alaon::HoursDown);
    EXPECT_EQ(hours(), QStringLiteral("23"));
    press(Alaon::HoursUp);
    EXPECT_EQ(hours(), QStringLiteral("00"));
    press(Alaon::MinutesDown);
    EXPECT_EQ(minutes(), QStringLiteral("59"));
    press(Alaon::MinutesUp);
    EXPECT_EQ(minutes(), QStringLiteral("00"));

    hours() = QStringLiteral("09");
    press(Alaon::HoursUp);
    EXPECT_EQ(hours(), QStringLiteral("10"));
    press(Alaon::HoursDown);
    EXPECT_EQ(hours(), QStringLiteral("09"));
    minutes() = QStringLiteral("58");
    press(Alaon::MinutesUp);
    EXPECT_EQ(minutes(), QStringLiteral("59"));
}

TEST_F(AlarmBoxTest, BoxesAreTidiedBeforeTheButtonActs) {
    AlaText_Change(m, AlaBox::Hours, QStringLiteral("7"));
    AlaText_Change(m, AlaBox::Minutes, QString());
    press(Alaon::MinutesUp);
    EXPECT_EQ(hours(), QStringLiteral("07"));
    EXPECT_EQ(minutes(), QStringLiteral("01"));

    AlaText_Change(m, AlaBox::Hours, QStringLiteral("7"));
    press(Alaon::HoursUp);
    EXPECT_EQ(hours(), QStringLiteral("08"));

    AlaText_Change(m, AlaBox::Hours, QStringLiteral("9"));
    AlaText_Change(m, AlaBox::Minutes, QStringLiteral("5"));
    press(Alaon::On);
    EXPECT_EQ(m.st.alarmTime, QStringLiteral("0905"));
}

TEST_F(AlarmBoxTest, TypedValuesBeyondTheClockAreCutBackAtOnce) {
    AlaText_Change(m, AlaBox::Minutes, QStringLiteral("75"));
    EXPECT_EQ(minutes(), QStringLiteral("59"));
    AlaText_Change(m, AlaBox::Hours, QStringLiteral("30"));
    EXPECT_EQ(hours(), QStringLiteral("23"));
    AlaText_Change(m, AlaBox::Hours, QStringLiteral("24"));
    EXPECT_EQ(hours(), QStringLiteral("23"));
    AlaText_Change(m, AlaBox::Minutes, QStringLiteral("60"));
    EXPECT_EQ(minutes(), QStringLiteral("59"));
    AlaText_Change(m, AlaBox::Minutes, QStringLiteral("99999999999999999999"));
    EXPECT_EQ(minutes(), QStringLiteral("59"));
    // In range, or no number at all: kept as typed.
    AlaText_Change(m, AlaBox::Hours, QStringLiteral("23"));
    EXPECT_EQ(hours(), QStringLiteral("23"));
    AlaText_Change(m, AlaBox::Hours, QStringLiteral("ab"));
    EXPECT_EQ(hours(), QStringLiteral("ab"));
    AlaText_Change(m, 2, QStringLiteral("12"));
    EXPECT_EQ(hours(), QStringLiteral("ab"));
}

TEST_F(AlarmBoxTest, SteppingABoxWithoutANumberStartsFromZero) {
    for (const char* text : {"ab", "0a", "-5", "000"}) {
        AlaText_Change(m, AlaBox::Hours, QString::fromLatin1(text));
        press(Alaon::HoursDown);
        EXPECT_EQ(hours(), QStringLiteral("23")) << text;
        AlaText_Change(m, AlaBox::Minutes, QString::fromLatin1(text));
        press(Alaon::MinutesUp);
        EXPECT_EQ(minutes(), QStringLiteral("01")) << text;
    }
    AlaText_Change(m, AlaBox::Hours, QStringLiteral("023"));
    press(Alaon::HoursUp);
    EXPECT_EQ(hours(), QStringLiteral("00"));
}

TEST_F(AlarmBoxTest, SpacesCountAsZerosBeforeTheTimeIsTaken) {
    AlaText_Change(m, AlaBox::Hours, QStringLiteral(" 7"));
    AlaText_Change(m, AlaBox::Minutes, QStringLiteral("3 "));
    press(Alaon::On);
    EXPECT_EQ(m.st.alarmTime, QStringLiteral("0730"));
    EXPECT_EQ(hours(), QStringLiteral("07"));
    EXPECT_EQ(minutes(), QStringLiteral("30"));
}

TEST_F(AlarmBoxTest, OnAndOffSwitchWithoutClosingOrSpeaking) {
    hours() = QStringLiteral("06");
    minutes() = QStringLiteral("45");
    press(Alaon::On);
    EXPECT_EQ(m.st.alarmTime, QStringLiteral("0645"));
    press(Alaon::Off);
    EXPECT_EQ(m.st.alarmTime, QString());
    EXPECT_TRUE(m.AlarmBox.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::Alarm);
    EXPECT_EQ(m.st.balloonShown, 0);
}

TEST_F(AlarmBoxTest, OnlyTheLeftButtonActs) {
    alaon_MouseDown(m, Alaon::HoursDown, 2);
    alaon_MouseDown(m, Alaon::Ok, 4);
    alaon_MouseDown(m, 7, kAlarmLeftButton);
    alaon_MouseDown(m, -1, kAlarmLeftButton);
    EXPECT_EQ(hours(), QStringLiteral("00"));
    EXPECT_TRUE(m.AlarmBox.visible);
}

TEST_F(AlarmBoxTest, OkWithTheAlarmOffClosesSilently) {
    m.st.legActive = 1;
    hours() = QStringLiteral("08");
    press(Alaon::Ok);
    EXPECT_EQ(m.st.alarmTime, QString());
    EXPECT_FALSE(m.AlarmBox.visible);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);
    EXPECT_EQ(m.st.legActive, 0);
    EXPECT_EQ(m.st.balloonShown, 0);
}

TEST_F(AlarmBoxTest, OkTakesTheShownTimeAndConfirmsIt) {
    // As after a restart: the stored time is set and the panel opened anew;
    // OK alone keeps it.
    m.st.alarmTime = QStringLiteral("0730");
    AlarmHiraku(m);
    press(Alaon::Ok);
    EXPECT_EQ(m.st.alarmTime, QStringLiteral("0730"));
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("分かりました。"),
                                    QStringLiteral("07時30分になったらお知らせします。")}));
    EXPECT_EQ(m.st.balloonDuration, 6);
    EXPECT_EQ(m.st.panelMode, PanelMode::None);

    HanasuKesu(m);
    m.st.charIndex = 3;
    AlarmHiraku(m);
    hours() = QStringLiteral("06");
    minutes() = QStringLiteral("15");
    press(Alaon::Ok);
    EXPECT_EQ(m.st.alarmTime, QStringLiteral("0615"));
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("かしこまりました。"),
                                    QStringLiteral("06時15分になったらお知らせ致します。")}));
}

TEST_F(AlarmBoxTest, OnlyATimeTheClockShowsIsTakenAndConfirmed) {
    // What an input method types: full-width digits, read at once.
    AlaText_Change(m, AlaBox::Hours, QStringLiteral("１２"));
    AlaText_Change(m, AlaBox::Minutes, QStringLiteral("７５"));
    EXPECT_EQ(hours(), QStringLiteral("12"));
    EXPECT_EQ(minutes(), QStringLiteral("59"));
    AlaText_Change(m, AlaBox::Minutes, QStringLiteral("３\u3000"));
    press(Alaon::On);
    EXPECT_EQ(m.st.alarmTime, QStringLiteral("1230"));

    // Other texts are read by their leading digits, and the boxes show what
    // was taken.
    for (const char* text : {"7a", "007", "7.5"}) {
        AlaText_Change(m, AlaBox::Hours, QString::fromLatin1(text));
        AlaText_Change(m, AlaBox::Minutes, QStringLiteral("05"));
        press(Alaon::On);
        EXPECT_EQ(m.st.alarmTime, QStringLiteral("0705")) << text;
        EXPECT_EQ(hours(), QStringLiteral("07")) << text;
    }
    AlaText_Change(m, AlaBox::Minutes, QStringLiteral("0045"));
    press(Alaon::Ok);
    EXPECT_EQ(m.st.alarmTime, QStringLiteral("0745"));
    EXPECT_EQ(lines().last(), QStringLiteral("07時45分になったらお知らせします。"));
}

TEST_F(AlarmBoxTest, HoverColoursThePointedButtonAndTheState) {
    alaon_MouseMove(m, Alaon::HoursUp);
    for (int i = 0; i < Alaon::Count; ++i) {
        const QRgb expected = i == Alaon::HoursUp ? kAlaonHover
                              : i == Alaon::Off   ? kAlaonState
                                                  : kAlaonPlain;
        EXPECT_EQ(colour(i), QColor(expected)) << i;
    }
    press(Alaon::On);
    EXPECT_EQ(colour(Alaon::On), QColor(kAlaonPlain)); // refreshed by the next move only
    alaon_MouseMove(m, Alaon::On);
    EXPECT_EQ(colour(Alaon::On), QColor(kAlaonHover));
    EXPECT_EQ(colour(Alaon::Off), QColor(kAlaonPlain));
    EXPECT_EQ(colour(Alaon::HoursUp), QColor(kAlaonPlain));
    alaon_MouseMove(m, Alaon::Ok);
    EXPECT_EQ(colour(Alaon::On), QColor(kAlaonState));
}

TEST_F(AlarmBoxTest, TheLastCharacterConfirmsInFullPoliteJapanese) {
    m.st.charIndex = 11;
    press(Alaon::On);
    press(Alaon::Ok);
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("分かりました。"),
                                    QStringLiteral("00時00分になったらお知らせしますね。")}));
}

} // namespace
