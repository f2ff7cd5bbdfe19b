#include "alarm/alarm_box.h"

#include "core/leading_number.h"
#include "core/mascot.h"
#include "speech/hanasu.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;

struct Acknowledgement {
    const char16_t* first;
    const char16_t* afterTime; // follows "hh時nn"
};

// How each character confirms a set alarm.
constexpr std::array<Acknowledgement, kCharacterCount> kAcknowledgements{{
    {u"分かりました。", u"分になったらお知らせします。"},
    {u"分かったわ。", u"分になったら知らせる。"},
    {u"分かったぜ。", u"分になったら知らせる。"},
    {u"かしこまりました。", u"分になったらお知らせ致します。"},
    {u"分かったわ。", u"分になったら知らせてあげる。"},
    {u"分かった。", u"分になったら知らせるね。"},
    {u"分かったわ。", u"分になったら知らせるわ。"},
    {u"分かりました。", u"分になったら知らせるね。"},
    {u"心得た。", u"分になったら知らせる。"},
    {u"分かった。", u"分になったら知らせるよ。"},
    {u"分かった。", u"分になったら知らせる。"},
    {u"分かりました。", u"分になったらお知らせしますね。"},
}};

QString& boxText(Mascot& m, int box) {
    return m.AlarmBox.AlaText[static_cast<std::size_t>(box)].text;
}

// Cuts values beyond the clock's range back to its last hour or minute.
void clampBoxes(Mascot& m) {
    QString& hours = boxText(m, AlaBox::Hours);
    if (leadingNumber(hours) > kLastHour) {
        hours = QStringLiteral("23");
    }
    QString& minutes = boxText(m, AlaBox::Minutes);
    if (leadingNumber(minutes) > kLastMinute) {
        minutes = QStringLiteral("59");
    }
}

// Every change of a box's text is followed by the range check, whoever
// made it.
void setBoxText(Mascot& m, int box, const QString& text) {
    boxText(m, box) = text;
    clampBoxes(m);
}

void spacesToZeros(Mascot& m, int box) {
    QString text = boxText(m, box);
    setBoxText(m, box, text.replace(u' ', u'0'));
}

QString twoDigits(int value) {
    return QString::number(value).rightJustified(2, u'0').right(2);
}

// Before a button acts, each box is made to hold the two digits of the
// value it is read as ("7" and "007" as "07", "7a" as "07", "" as "00"): a
// time taken from the boxes is then one the clock can show, and the boxes
// show it.
void tidyBox(Mascot& m, int box, int last) {
    spacesToZeros(m, box);
    const int value = std::min(leadingNumber(boxText(m, box)), last);
    setBoxText(m, box, twoDigits(value));
}

// An input method types full-width digits and spaces by default; the
// boxes read them as the plain ones.
QString plainDigits(QString text) {
    for (QChar& c : text) {
        if (c >= u'０' && c <= u'９') {
            c = QChar(u'0' + (c.unicode() - u'０'));
        } else if (c == u'\u3000') {
            c = u' ';
        }
    }
    return text;
}

// Returns true for a stored alarm time the clock can reach: "hhnn".
bool isClockTime(const QString& time) {
    if (time.size() != 4 ||
        !std::all_of(time.begin(), time.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        return false;
    }
    return leadingNumber(time.left(2)) <= kLastHour && leadingNumber(time.right(2)) <= kLastMinute;
}

// ▲ lowers and ▼ raises the box by one, round its range. A box that holds no
// number counts as 0, so it never ends up negative.
void stepBox(Mascot& m, int box, int delta, int last) {
    const int value = std::min(leadingNumber(boxText(m, box)), last);
    int next = value + delta;
    if (next < 0) {
        next = last;
    } else if (next > last) {
        next = 0;
    }
    setBoxText(m, box, twoDigits(next));
}

QString boxesTime(Mascot& m) {
    return boxText(m, AlaBox::Hours) + boxText(m, AlaBox::Minutes);
}

int stateButton(const Mascot& m) {
    return m.st.alarmTime.isEmpty() ? Alaon::Off : Alaon::On;
}

void colourButton(Mascot& m, int index, QRgb colour) {
    m.AlarmBox.alaon[static_cast<std::size_t>(index)].background = QColor(colour);
}

void acknowledge(Mascot& m) {
    const MascotState& st = m.st;
    if (st.charIndex < 0 || st.charIndex >= kCharacterCount) {
        return;
    }
    const Acknowledgement& ack = kAcknowledgements[static_cast<std::size_t>(st.charIndex)];
    const QString time = st.alarmTime;
    Hanasu(m, QString::fromUtf16(ack.first), 0, 0, QString(), 0, 0);
    Hanasu(m,
           time.left(2) + QStringLiteral("時") + time.right(2) + QString::fromUtf16(ack.afterTime),
           0, 0, QString(), 0, 0);
}

void pressOk(Mascot& m) {
    MascotState& st = m.st;
    if (!st.alarmTime.isEmpty()) {
        st.alarmTime = boxesTime(m);
    }
    m.AlarmBox.visible = false;
    st.panelMode = PanelMode::None;
    st.legActive = 0;
    if (!st.alarmTime.isEmpty()) {
        acknowledge(m);
    }
}

} // namespace

void AlarmHiraku(Mascot& m) {
    AlarmBoxModel& box = m.AlarmBox;
    const BesidePosition p =
        placeBeside(m, box.geometry.width, box.geometry.height, kPanelOpenOffset);
    box.geometry.left = p.left;
    box.geometry.top = p.top;
    HanasuKesu(m);
    // A set alarm shows its own time, so that OK alone keeps it.
    if (isClockTime(m.st.alarmTime)) {
        boxText(m, AlaBox::Hours) = m.st.alarmTime.left(2);
        boxText(m, AlaBox::Minutes) = m.st.alarmTime.right(2);
    }
    const bool set = !m.st.alarmTime.isEmpty();
    colourButton(m, Alaon::On, set ? kAlaonState : kAlaonPlain);
    colourButton(m, Alaon::Off, set ? kAlaonPlain : kAlaonState);
    box.visible = true;
    m.st.panelMode = PanelMode::Alarm;
}

void alaon_MouseDown(Mascot& m, int index, int button) {
    if (button != kAlarmLeftButton || index < 0 || index >= Alaon::Count) {
        return;
    }
    tidyBox(m, AlaBox::Hours, kLastHour);
    tidyBox(m, AlaBox::Minutes, kLastMinute);
    switch (index) {
    case Alaon::On:
        m.st.alarmTime = boxesTime(m);
        break;
    case Alaon::Off:
        m.st.alarmTime.clear();
        break;
    case Alaon::HoursDown:
        stepBox(m, AlaBox::Hours, -1, kLastHour);
        break;
    case Alaon::HoursUp:
        stepBox(m, AlaBox::Hours, +1, kLastHour);
        break;
    case Alaon::MinutesDown:
        stepBox(m, AlaBox::Minutes, -1, kLastMinute);
        break;
    case Alaon::MinutesUp:
        stepBox(m, AlaBox::Minutes, +1, kLastMinute);
        break;
    default:
        pressOk(m);
        break;
    }
    spacesToZeros(m, AlaBox::Hours);
    spacesToZeros(m, AlaBox::Minutes);
}

void alaon_MouseMove(Mascot& m, int index) {
    if (index < 0 || index >= Alaon::Count) {
        return;
    }
    for (int i = 0; i < Alaon::Count; ++i) {
        colourButton(m, i, kAlaonPlain);
    }
    colourButton(m, stateButton(m), kAlaonState);
    colourButton(m, index, kAlaonHover);
}

void AlaText_Change(Mascot& m, int index, const QString& text) {
    if (index != AlaBox::Hours && index != AlaBox::Minutes) {
        return;
    }
    setBoxText(m, index, plainDigits(text));
}
