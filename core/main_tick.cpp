#include "core/main_tick.h"

#include "alarm/alarm.h"
#include "alarm/time_signal.h"
#include "core/clock_text.h"
#include "core/hiding.h"
#include "core/mascot.h"
#include "core/pictures/byouga.h"
#include "core/startup.h"
#include "core/walking.h"
#include "feeds/rss_update.h"
#include "speech/hanashikake.h"
#include "speech/hanasu.h"
#include "speech/jikoshoukai.h"

#include <limits>

namespace {

// Counters of minutes stop at the top of the stored 16-bit range instead of
// wrapping: the program runs for months.
void countMinute(int& counter) {
    if (counter < std::numeric_limits<qint16>::max()) {
        ++counter;
    }
}

bool feedUpdateDue(const MascotState& st) {
    return (st.autoFetchMode == 1 && st.fetchMinutes >= 5) ||
           (st.autoFetchMode == 2 && st.fetchMinutes >= 30) ||
           (st.autoFetchMode == 3 && st.fetchMinutes >= 60);
}

void follow(const Mascot& m, PanelModel& panel, int offset) {
    const BesidePosition p = placeBeside(m, panel.geometry.width, panel.geometry.height, offset);
    panel.geometry.left = p.left;
    panel.geometry.top = p.top;
}

// The introduction waits for its clicks without walking or blinking, but the
// user may still carry the character: it is drawn where it is, and its
// balloon stays beside it.
void carriedDuringIntroduction(Mascot& m) {
    Byouga(m);
    if (m.st.balloonShown == 1) {
        placeBalloon(m, kRunningOffset);
    }
}

} // namespace

void Timer1_Timer(Mascot& m) {
    const int phase = m.st.phase;
    if (phase == Phase::FirstTick) {
        Phase0_FirstTick(m);
    } else if (phase == Phase::FirstRunSetup) {
        Phase5_FirstRunSetup(m);
    } else if (phase >= Phase::IntroductionFirst && phase <= Phase::IntroductionLast) {
        Jikoshoukai(m);
        carriedDuringIntroduction(m);
    } else if (phase == Phase::IntroductionDone) {
        Phase96_IntroductionDone(m);
    } else if (phase == Phase::Load) {
        Phase97_Load(m);
    } else if (phase == Phase::Greeting) {
        Phase98_Greeting(m);
    } else if (phase == Phase::GreetingPause) {
        Phase99_GreetingPause(m);
    } else if (phase == Phase::Running) {
        runningTick(m);
    }
}

void newMinute(Mascot& m) {
    MascotState& st = m.st;
    st.lastHHNN = st.nowHHNN;
    if (st.autoFetchMode >= 1) {
        countMinute(st.fetchMinutes);
    }
    if (st.chatterOn == 1) {
        countMinute(st.talkMinutes);
    }
    // Out of sight nothing is said: a due update or talk waits for the return,
    // an hour passes unannounced. Only the alarm still rings.
    const bool quiet = isHidden(m);
    if (st.lastHHNN == st.alarmTime && st.panelMode != PanelMode::Alarm) {
        showForAlarm(m);
        alarmRings(m);
    } else if (quiet) {
        return;
    } else if (feedUpdateDue(st)) {
        RssZenKoushin(m);
    } else if (st.talkMinutes >= st.talkInterval && st.panelMode == PanelMode::None) {
        HanasuKesu(m);
        st.talkMinutes = 0;
        Hanashikake(m);
    } else if (st.timeSignalOn == 1 && st.nowHHNN.endsWith(QStringLiteral("00")) &&
               st.panelMode == PanelMode::None) {
        announceHour(m);
    }
}

void followPanels(Mascot& m) {
    switch (m.st.panelMode) {
    case PanelMode::Settings:
        follow(m, m.Settei, kPanelOpenOffset);
        break;
    case PanelMode::Feeds:
        follow(m, m.RssBox, kRunningOffset);
        break;
    case PanelMode::Alarm:
        follow(m, m.AlarmBox, kRunningOffset);
        break;
    default:
        break;
    }
}

void runningTick(Mascot& m) {
    MascotState& st = m.st;
    st.nowHHNN = hhnn(m.platform.now());
    if (st.nowHHNN != st.lastHHNN) {
        newMinute(m);
    }
    if (hidingTick(m)) {
        return; // nothing moves or counts down out of sight
    }
    if (st.legActive == 0) {
        chooseLeg(m);
    }
    st.stepTicks += 1;
    if (st.stepTicks >= st.walkInterval) {
        st.stepTicks = 0;
        st.stepFrame = (st.stepFrame + 1) % 4;
        if (st.mouseHeld == 0 && st.pinned == 0 && st.panelMode == PanelMode::None) {
            walkStep(m);
        }
    }
    blinkStep(m);
    if (st.mouseHeld == 1 || st.pinned == 1 ||
        (st.panelMode >= PanelMode::Menu && st.panelMode <= PanelMode::Alarm)) {
        st.facing = 0;
        st.stepFrame = 0;
    }
    Byouga(m);
    followPanels(m);
    if (st.balloonShown == 1) {
        placeBalloon(m, kRunningOffset);
        balloonCountdown(m);
    }
}
