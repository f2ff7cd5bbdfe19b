#include "speech/hanasu.h"

#include "core/clock_text.h"
#include "core/mascot.h"
#include "core/walking.h"
#include "speech/sound_source.h"

#include <algorithm>

namespace {
constexpr int kTextLeft = 90;
constexpr int kTextTop = 120;
constexpr int kInnerMargin = 210; // label width and height = balloon size - this
constexpr int kChoiceBottom = 90;
constexpr int kChoiceGap = 60;
constexpr int kBelowTop = 450;
} // namespace

void Hanasu(Mascot& m, const QString& text, int width, int height, const QString& sound,
            int seconds, int choices) {
    MascotState& st = m.st;
    HanasuBoxModel& box = m.HanasuBox;

    // A line said over choices (the alarm or a feed notice under an open
    // menu) withdraws them: the question is no longer the point, and the
    // line gets the balloon to itself instead of a strip above the choices.
    // The user opens the menu again with the next right click.
    if (choices <= 0 && box.Sentaku[0].visible) {
        HanasuKesu(m);
    }

    st.balloonSeconds = 0;
    st.balloonShown = 1;
    const int lineSeconds = seconds == 0 ? kDefaultLineSeconds : seconds;
    st.balloonDuration += lineSeconds;
    st.balloonClock = timeOfDayText(m.platform.now());
    if (!sound.isEmpty()) {
        OtoNare(m, sound);
    }

    const int w = width == 0 ? kDefaultBalloonWidth : width;
    const int h = height == 0 ? kDefaultBalloonHeight : height;
    box.geometry.width = w;
    box.geometry.height = h;

    LabelModel& label = box.HanasuNaiyo;
    label.geometry.left = kTextLeft;
    label.geometry.top = kTextTop;
    label.geometry.width = w - kInnerMargin;
    label.geometry.height = h - kInnerMargin;
    label.visible = true;
    if (!label.caption.isEmpty()) {
        label.caption += QStringLiteral("\r\n") + text;
    } else {
        label.caption = text;
    }

    const int shown = std::clamp(choices, 0, kChoiceLabels);
    if (shown > 0) {
        for (int i = 1; i <= shown; ++i) {
            LabelModel& choice = box.Sentaku[static_cast<std::size_t>(i - 1)];
            choice.geometry.left = kTextLeft;
            choice.geometry.width = w - kInnerMargin;
            choice.geometry.height = kChoiceLabelHeight;
            choice.geometry.top = h - kChoiceBottom - i * (kChoiceLabelHeight + kChoiceGap);
            choice.caption = st.choiceText[static_cast<std::size_t>(i - 1)];
            choice.visible = true;
        }
        ++box.offers;
        if (seconds == kMenuSeconds) {
            st.panelMode = PanelMode::Menu;
            st.balloonDuration = kMenuSeconds;
        }
    }

    placeBalloon(m, kRunningOffset);
    box.visible = true;
}

void HanasuKesu(Mascot& m) {
    MascotState& st = m.st;
    HanasuBoxModel& box = m.HanasuBox;
    box.visible = false;
    // Closing the balloon ends a menu, not a panel that a line (the alarm,
    // a feed notice) was said over: that panel stays open and followed.
    if (st.panelMode == PanelMode::Menu) {
        st.panelMode = PanelMode::None;
    }
    if (box.Sentaku[0].visible) {
        st.legActive = 0;
    }
    for (LabelModel& choice : box.Sentaku) {
        choice.visible = false;
        choice.caption.clear();
    }
    st.balloonSeconds = 0;
    st.balloonShown = 0;
    st.balloonDuration = 0;
    box.HanasuNaiyo.caption.clear();
}

void OtoNare(Mascot& m, const QString& sound) {
    if (m.st.soundOn != 1) {
        return;
    }
    if (sound == QStringLiteral("BEEP")) {
        m.platform.beep();
        return;
    }
    if (const auto source = soundSource(m.workDir, sound)) {
        m.platform.playSound(*source);
    }
}

BesidePosition placeBeside(const Mascot& m, int width, int height, int offset) {
    // The character's monitor is its screen: what it says stays there.
    const QRect screen = standingMonitor(m);
    const int screenLeft = screen.left() * kTwipsPerPixel;
    const int screenBottom = (screen.top() + screen.height()) * kTwipsPerPixel;
    const int x = m.st.posX * kTwipsPerPixel;
    const int y = m.st.posY * kTwipsPerPixel;
    BesidePosition p;
    p.left = x - width >= screenLeft ? x - width : (m.st.posX + offset) * kTwipsPerPixel;
    p.top = y + height + kBelowTop <= screenBottom ? y + kBelowTop
                                                   : screenBottom - (height + kBelowTop);
    // On a monitor too small for the rule, or beside a character carried
    // past its edge, the element is kept on the monitor rather than cut off.
    const int screenRight = (screen.left() + screen.width()) * kTwipsPerPixel;
    p.left = std::max(std::min(p.left, screenRight - width), screenLeft);
    p.top = std::max(p.top, screen.top() * kTwipsPerPixel);
    return p;
}

void placeBalloon(Mascot& m, int offset) {
    TwipsRect& g = m.HanasuBox.geometry;
    const BesidePosition p = placeBeside(m, g.width, g.height, offset);
    g.left = p.left;
    g.top = p.top;
}

void balloonCountdown(Mascot& m) {
    MascotState& st = m.st;
    const QString clock = timeOfDayText(m.platform.now());
    if (clock == st.balloonClock) {
        return;
    }
    st.balloonClock = clock;
    st.balloonSeconds += 1;
    if (st.balloonDuration > kLastingBalloon) {
        st.balloonSeconds = 0;
    }
    if (st.balloonSeconds >= st.balloonDuration) {
        HanasuKesu(m);
    }
}
