#include "alarm/time_signal.h"

#include "core/mascot.h"
#include "speech/hanasu.h"

#include <array>

namespace {

constexpr int kSignalWidth = 3000;
constexpr int kSignalHeight = 510;
constexpr int kSignalSeconds = 5;

// What each character says after the hour.
constexpr std::array<const char16_t*, kCharacterCount> kHourPhrases{
    u"時になりました。",   u"時になったわ。",   u"時になったぜ。", u"時になりました。",
    u"時になったわよ。",   u"時になったよ～。", u"時になったわ。", u"時になりました。",
    u"時になったのかも。", u"時になったよ。",   u"時になったよ。", u"時になりました。",
};

} // namespace

QString spokenHour(const QString& hhnn) {
    if (!hhnn.startsWith(u'0')) {
        return hhnn.left(2);
    }
    return hhnn.mid(1, 1);
}

void announceHour(Mascot& m) {
    HanasuKesu(m);
    const int c = m.st.charIndex;
    if (c < 0 || c >= kCharacterCount) {
        return;
    }
    Hanasu(m,
           spokenHour(m.st.nowHHNN) + QString::fromUtf16(kHourPhrases[static_cast<std::size_t>(c)]),
           kSignalWidth, kSignalHeight, QStringLiteral("jihou.wav"), kSignalSeconds, 0);
}
