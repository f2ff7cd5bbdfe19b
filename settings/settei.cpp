#include "settings/settei.h"

#include "core/dragging.h"
#include "core/mascot.h"
#include "core/pictures/character_catalogue.h"
#include "settings/data_file.h"
#include "settings/settei_address.h"
#include "settings/settei_feeds.h"
#include "speech/hanasu.h"

#include <algorithm>

namespace {

// Move speed and walkInterval mirror each other round this sum.
constexpr int kMoveSpeedSum = 41;
// As much as a one-line text box takes.
constexpr qsizetype kMaxTextLength = 32767;

int clampTo(qint64 value, int min, int max) {
    return static_cast<int>(std::clamp<qint64>(value, min, max));
}

QString moveSpeedCaption(int value) {
    return QStringLiteral("移動速度:") + QString::number(value);
}

QString talkIntervalCaption(int value) {
    return QStringLiteral("話しかけてくる頻度:") + QString::number(value) + QStringLiteral("分");
}

bool isCheckBox(int index) {
    return index >= 0 && index < SetteiCheck::Count && index != 3;
}

CheckBoxModel& checkBox(Mascot& m, int index) {
    return m.Settei.STCheck[static_cast<std::size_t>(index)];
}

// Only 1 counts as on wherever the state is read, so only 1 shows checked.
void showFlag(Mascot& m, int index, int flag) {
    checkBox(m, index).value = flag == 1 ? 1 : 0;
}

// The row the list shows for `value`, or -1 when it has none.
int rowOf(const QStringList& rows, int value) {
    return value >= 0 && value < rows.size() ? value : -1;
}

void close(Mascot& m) {
    m.Settei.visible = false;
    m.st.panelMode = PanelMode::None;
    m.st.legActive = 0;
}

void pressOk(Mascot& m) {
    MascotState& st = m.st;
    const SetteiModel& s = m.Settei;
    st.masterName = s.SetteiText.text;
    st.walkInterval = kMoveSpeedSum - s.HScroll1.value;
    st.talkInterval = s.HScroll2.value;
    st.soundOn = s.STCheck[SetteiCheck::Sound].value;
    st.timeSignalOn = s.STCheck[SetteiCheck::TimeSignal].value;
    st.chatterOn = s.STCheck[SetteiCheck::Chatter].value;
    // With no character chosen the stored one stays: an entry outside the
    // list would send the mascot back to its first run.
    if (s.Combo3Box.ListIndex >= 0 && s.Combo3Box.ListIndex < s.Combo3.size()) {
        st.charEntry = s.Combo3Box.ListIndex;
    }
    KyaraIchiran(m);
    GazouYomikomi(m);
    st.normalTalkOn = s.STCheck[SetteiCheck::NormalTalk].value;
    st.feedTalkOn = s.STCheck[SetteiCheck::FeedTalk].value;
    // Talking on its own needs something to say.
    if (st.chatterOn == 1 && st.normalTalkOn == 0 && st.feedTalkOn == 0) {
        st.normalTalkOn = 1;
    }
    if (s.Combo1Box.ListIndex >= 0 && s.Combo1Box.ListIndex < s.Combo1.size()) {
        st.autoFetchMode = s.Combo1Box.ListIndex;
    }
    st.browserPath = s.Text3.text;
    JouhouHozon(m);
    close(m);
}

} // namespace

void SetteiHiraku(Mascot& m) {
    const MascotState& st = m.st;
    SetteiModel& s = m.Settei;
    s.SetteiText.text = st.masterName;
    s.Combo3Box.ListIndex = rowOf(s.Combo3, st.charEntry);
    // A hand-edited file may hold values beyond the bars: they show at the
    // nearest end, and OK stores what they show.
    s.HScroll1.value =
        clampTo(qint64(kMoveSpeedSum) - st.walkInterval, kMoveSpeedMin, kMoveSpeedMax);
    s.HScroll2.value = clampTo(st.talkInterval, kTalkIntervalMin, kTalkIntervalMax);
    showFlag(m, SetteiCheck::Sound, st.soundOn);
    showFlag(m, SetteiCheck::TimeSignal, st.timeSignalOn);
    showFlag(m, SetteiCheck::Chatter, st.chatterOn);
    showFlag(m, SetteiCheck::NormalTalk, st.normalTalkOn);
    showFlag(m, SetteiCheck::FeedTalk, st.feedTalkOn);
    // A fetch mode outside the list fetches on no schedule: it shows as "しない".
    s.Combo1Box.ListIndex = rowOf(s.Combo1, st.autoFetchMode);
    if (s.Combo1Box.ListIndex < 0 && !s.Combo1.isEmpty()) {
        s.Combo1Box.ListIndex = 0;
    }
    s.Text3.text = st.browserPath;

    TourokuIchiran(m);

    s.SetteiMoji[SetteiLabel::MoveSpeed].caption = moveSpeedCaption(s.HScroll1.value);
    s.SetteiMoji[SetteiLabel::TalkInterval].caption = talkIntervalCaption(s.HScroll2.value);

    const BesidePosition p = placeBeside(m, s.geometry.width, s.geometry.height, kPanelOpenOffset);
    s.geometry.left = p.left;
    s.geometry.top = p.top;
    s.visible = true;
    m.st.panelMode = PanelMode::Settings;
}

void STButton_MouseDown(Mascot& m, int index, int button) {
    if (button != MouseButton::Left) {
        return;
    }
    switch (index) {
    case SetteiButton::Ok:
        pressOk(m);
        break;
    case SetteiButton::Cancel:
        close(m);
        break;
    case SetteiButton::Delete:
        deleteFeed(m);
        break;
    case SetteiButton::Add:
        addFeed(m);
        break;
    case SetteiButton::Change:
        changeFeed(m);
        break;
    default:
        break;
    }
}

void STButton_MouseMove(Mascot& m, int index) {
    if (index < 0 || index >= SetteiButton::Count) {
        return;
    }
    for (LabelModel& b : m.Settei.STButton) {
        b.background = QColor(kSTButtonPlain);
    }
    m.Settei.STButton[static_cast<std::size_t>(index)].background = QColor(kSTButtonHover);
}

void HScroll1_Change(Mascot& m, int value) {
    ScrollBarModel& bar = m.Settei.HScroll1;
    bar.value = std::clamp(value, bar.min, bar.max);
    m.Settei.SetteiMoji[SetteiLabel::MoveSpeed].caption = moveSpeedCaption(bar.value);
}

void HScroll2_Change(Mascot& m, int value) {
    ScrollBarModel& bar = m.Settei.HScroll2;
    bar.value = std::clamp(value, bar.min, bar.max);
    m.Settei.SetteiMoji[SetteiLabel::TalkInterval].caption = talkIntervalCaption(bar.value);
}

void STCheck_Click(Mascot& m, int index, int value) {
    if (isCheckBox(index)) {
        checkBox(m, index).value = value != 0 ? 1 : 0;
    }
}

void Combo1_Click(Mascot& m, int index) {
    if (rowOf(m.Settei.Combo1, index) >= 0) {
        m.Settei.Combo1Box.ListIndex = index;
    }
}

void Combo3_Click(Mascot& m, int index) {
    if (rowOf(m.Settei.Combo3, index) >= 0) {
        m.Settei.Combo3Box.ListIndex = index;
    }
}

void SetteiText_Change(Mascot& m, SetteiBox box, const QString& text) {
    QString oneLine = text.left(kMaxTextLength);
    oneLine.remove(u'\r');
    oneLine.remove(u'\n');
    setteiBox(m.Settei, box).text = oneLine;
    if (box == SetteiBox::Text2) {
        clearAddressRefusal(m.Settei);
    }
}
