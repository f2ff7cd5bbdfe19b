#include "settings/choice_menu.h"

#include "alarm/alarm_box.h"
#include "core/article_ref.h"
#include "core/mascot.h"
#include "core/startup.h"
#include "feeds/kiji_hiraku.h"
#include "feeds/rss_box.h"
#include "settings/menu_phrases.h"
#include "settings/settei.h"
#include "speech/hanashikake.h"
#include "speech/hanasu.h"

namespace {

constexpr QRgb kPlain = qRgb(255, 255, 255);
constexpr QRgb kHover = qRgb(255, 150, 150); // the label under the pointer

struct Choice {
    const char16_t* caption;
    int code;
};
constexpr Choice kMainMenu[] = {
    {u"なんでもない", ActionCode::Close},    {u"終了する", ActionCode::ConfirmQuit},
    {u"設定変更する", ActionCode::Settings}, {u"RSSメニュー", ActionCode::Feeds},
    {u"アラーム", ActionCode::Alarm},        {u"何か話して", ActionCode::Talk},
};

void setChoice(Mascot& m, int i, const char16_t* caption, int code) {
    m.st.choiceText[static_cast<std::size_t>(i)] = QString::fromUtf16(caption);
    m.st.choiceCode[static_cast<std::size_t>(i)] = code;
}

int character(const Mascot& m) {
    return std::clamp(m.st.charIndex, 0, kCharacterCount - 1);
}

void hidePanel(PanelModel& panel) {
    panel.visible = false;
}

void confirmQuit(Mascot& m) {
    HanasuKesu(m);
    setChoice(m, 0, u"いいえ", ActionCode::Close);
    setChoice(m, 1, u"はい", ActionCode::Quit);
    const QuitLines& lines = kQuitLines[static_cast<std::size_t>(character(m))];
    if (lines.first) {
        Hanasu(m, QString::fromUtf16(lines.first), 0, 0, QString(), 0, 0);
    }
    Hanasu(m, QString::fromUtf16(lines.second), 3000, 1500, QStringLiteral("BEEP"), kMenuSeconds,
           2);
}

void openFeeds(Mascot& m) {
    HanasuKesu(m);
    if (m.st.feedName[1].isEmpty()) {
        Hanasu(m, QString::fromUtf16(kNoFeedNotice[static_cast<std::size_t>(character(m))]), 0, 0,
               QString(), 0, 0);
        return;
    }
    RssBoxHiraku(m);
}

void talk(Mascot& m) {
    HanasuKesu(m);
    m.st.talkMinutes = 0;
    Hanashikake(m);
    m.st.panelMode = PanelMode::None;
    m.st.legActive = 0;
}

// The choice under a headline opens the article that was read aloud, even
// when an update has shifted the store since; one that has left the store
// opens nothing. Marked read whether or not the browser could be started.
void openArticle(Mascot& m, int i) {
    if (!m.spokenArticle || m.spokenArticle->index != i) {
        return;
    }
    const std::optional<int> now = findArticle(m.st, *m.spokenArticle);
    if (!now) {
        return;
    }
    KijiHiraku(m, m.st.articleLink[*now]);
    m.st.articleRead[*now] = 1;
}

} // namespace

void SentakuHiraku(Mascot& m) {
    MascotState& st = m.st;
    if (st.balloonShown == 1) {
        HanasuKesu(m);
        st.legActive = 0;
        return;
    }
    if (st.panelMode >= PanelMode::Settings && st.panelMode <= PanelMode::Alarm) {
        hidePanel(st.panelMode == PanelMode::Settings ? static_cast<PanelModel&>(m.Settei)
                  : st.panelMode == PanelMode::Feeds  ? static_cast<PanelModel&>(m.RssBox)
                                                      : static_cast<PanelModel&>(m.AlarmBox));
        st.panelMode = PanelMode::None;
        st.legActive = 0;
        return;
    }
    for (int i = 0; i < 6; ++i) {
        setChoice(m, i, kMainMenu[i].caption, kMainMenu[i].code);
    }
    Hanasu(m, QString::fromUtf16(kMenuPrompt[static_cast<std::size_t>(character(m))]), 3000, 2400,
           QStringLiteral("poyo.wav"), kMenuSeconds, 6);
}

void Sentaku_MouseDown(Mascot& m, int index) {
    if (index < 0 || index >= kChoiceLabels ||
        !m.HanasuBox.Sentaku[static_cast<std::size_t>(index)].visible) {
        return; // a code is only ever reached through a visible label
    }
    runAction(m, m.st.choiceCode[static_cast<std::size_t>(index)]);
}

void runAction(Mascot& m, int code) {
    switch (code) {
    case ActionCode::ConfirmQuit:
        confirmQuit(m);
        return;
    case ActionCode::Quit:
        Shuuryou(m);
        return;
    case ActionCode::Close:
        HanasuKesu(m);
        m.st.legActive = 0;
        return;
    case ActionCode::Settings:
        HanasuKesu(m);
        SetteiHiraku(m);
        return;
    case ActionCode::Feeds:
        openFeeds(m);
        return;
    case ActionCode::Talk:
        talk(m);
        return;
    case ActionCode::Alarm:
        AlarmHiraku(m);
        return;
    default:
        break;
    }
    if (code > ActionCode::OpenArticle && code <= ActionCode::OpenArticle + kArticleSlots) {
        openArticle(m, code - ActionCode::OpenArticle);
    } else if (code >= ActionCode::SetPhase) {
        m.st.phase = code - ActionCode::SetPhase;
    }
}

void Sentaku_MouseMove(Mascot& m, int index) {
    for (LabelModel& label : m.HanasuBox.Sentaku) {
        label.background = QColor::fromRgb(kPlain);
    }
    if (index >= 0 && index < kChoiceLabels) {
        m.HanasuBox.Sentaku[static_cast<std::size_t>(index)].background = QColor::fromRgb(kHover);
    }
}
