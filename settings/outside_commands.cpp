#include "settings/outside_commands.h"

#include "core/hiding.h"
#include "core/mascot.h"
#include "settings/choice_menu.h"
#include "speech/hanasu.h"

namespace {
PanelModel* openPanel(Mascot& m) {
    switch (m.st.panelMode) {
    case PanelMode::Settings:
        return &m.Settei;
    case PanelMode::Feeds:
        return &m.RssBox;
    case PanelMode::Alarm:
        return &m.AlarmBox;
    default:
        return nullptr;
    }
}

int panelOf(int code) {
    return code == ActionCode::Settings ? PanelMode::Settings : PanelMode::Feeds;
}
} // namespace

bool openFromOutside(Mascot& m, int code) {
    MascotState& st = m.st;
    if (st.phase != Phase::Running) {
        return false;
    }
    setHidden(m, HideCause::User, false);
    if (st.panelMode == panelOf(code)) {
        return true; // keeps what is typed into it
    }
    HanasuKesu(m);
    if (PanelModel* panel = openPanel(m)) {
        panel->visible = false;
        st.panelMode = PanelMode::None;
    }
    st.legActive = 0;
    runAction(m, code);
    return true;
}

void toggleShown(Mascot& m) {
    setHidden(m, HideCause::User, !isHidden(m));
}
