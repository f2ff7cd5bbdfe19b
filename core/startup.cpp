#include "core/startup.h"

#include "core/clock_text.h"
#include "core/hiding.h"
#include "core/mascot.h"
#include "core/pictures/byouga.h"
#include "core/pictures/character_catalogue.h"
#include "core/rounding.h"
#include "core/walking.h"
#include "feeds/feed_run.h"
#include "feeds/rss_update.h"
#include "settings/data_file.h"
#include "speech/aisatsu.h"
#include "speech/hanasu.h"
#include "speech/jikoshoukai.h"

void Form_Load(Mascot& m) {
    m.Settei.Combo1 = {QStringLiteral("しない"), QStringLiteral("５分"), QStringLiteral("３０分"),
                       QStringLiteral("１時間")};
}

void Phase0_FirstTick(Mascot& m) {
    const QDateTime now = m.platform.now();
    m.platform.seedRandom(static_cast<quint32>(now.time().msecsSinceStartOfDay()));
    const int r = roundHalfEven(m.platform.random() * 99);
    m.st.mood = r - floorInt(r / 3.0) * 3;
    m.st.phase = Phase::Load;
    m.st.dataFileFound = 0;
    if (dataFilePresent(m)) {
        m.st.dataFileFound = 1;
    }
    if (m.st.dataFileFound == 0) {
        m.st.phase = Phase::FirstRunSetup;
    }
}

void setFirstRunValues(Mascot& m) {
    MascotState& st = m.st;
    st.displayScale = 100;
    st.facing = static_cast<int>(Facing::Front);
    st.walkInterval = 31;
    st.mood = 2;
    st.masterName = QStringLiteral("あなた");
    st.charIndex = 11;
    st.charEntry = 11;
    st.feedTalkOn = 0;
    st.timeSignalOn = 1;
    st.soundOn = 1;
    st.chatterOn = 1;
    st.normalTalkOn = 1;
    st.autoFetchMode = 0;
    st.talkInterval = 5;
    const QRect screen = m.platform.primaryMonitor();
    st.posX = screen.left() + roundHalfEven(screen.width() * kTwipsPerPixel / 30.0) - 40;
    st.posY = screen.top() + roundHalfEven(screen.height() * kTwipsPerPixel / 30.0) - 61;
}

void Phase5_FirstRunSetup(Mascot& m) {
    setFirstRunValues(m);
    m.stateReady = true;
    KyaraIchiran(m);
    GazouYomikomi(m);
    Byouga(m);
    Jikoshoukai(m);
    m.st.phase = Phase::IntroductionFirst;
}

void Phase96_IntroductionDone(Mascot& m) {
    JouhouHozon(m);
    m.st.stepTicks = 0;
    m.st.legActive = 0;
    m.st.panelMode = PanelMode::None;
    HanasuKesu(m);
    m.st.phase = Phase::Running;
}

void Phase97_Load(Mascot& m) {
    m.st.phase = Phase::Greeting;
    JouhouYomikomi(m);
    // Saved on a monitor that is gone or was larger, it would stand where
    // nobody can see or click it.
    keepInWalkArea(m);
    KyaraIchiran(m);
}

void Phase98_Greeting(Mascot& m) {
    GazouYomikomi(m);
    Byouga(m);
    m.st.nowHHNN = hhnn(m.platform.now());
    Aisatsu(m);
    if (m.st.autoFetchMode > 0) {
        RssZenKoushin(m);
    }
    m.st.phase = Phase::GreetingPause;
}

void endGreetingPause(Mascot& m) {
    const QString now = hhnn(m.platform.now());
    m.st.nowHHNN = now;
    m.st.lastHHNN = now;
    m.st.stepTicks = 0;
    m.st.phase = Phase::Running;
}

void Phase99_GreetingPause(Mascot& m) {
    Byouga(m);
    if (m.st.balloonShown == 1) {
        placeBalloon(m, kGreetingPauseOffset);
        balloonCountdown(m);
    }
    const QString seconds = timeOfDayText(m.platform.now());
    if (seconds != m.st.nowHHNN) {
        m.st.nowHHNN = seconds;
        m.st.stepTicks += 1;
    }
    if (m.st.stepTicks > 4) {
        endGreetingPause(m);
    }
}

bool saveForEnd(Mascot& m) {
    settleFeedRun(m);
    return m.stateReady && JouhouHozon(m);
}

void Shuuryou(Mascot& m) {
    saveForEnd(m);
    m.platform.quit();
}

void secondStart(Mascot& m) {
    // Started again from the menu: whoever put it away is looking for it now.
    setHidden(m, HideCause::User, false);
    if (m.st.phase != Phase::Running || m.st.panelMode != PanelMode::None ||
        m.st.balloonShown != 0) {
        return;
    }
    m.st.nowHHNN = hhnn(m.platform.now());
    Aisatsu(m);
}

void Form_KeyDown(Mascot& m, int keyCode, int /*shift*/) {
    if (keyCode == kKeyEscape) {
        Shuuryou(m);
    }
}
