#include "alarm/alarm.h"

#include "core/mascot.h"
#include "speech/calling_name.h"
#include "speech/hanasu.h"

namespace {
constexpr int kAlarmLineSeconds = 5;
} // namespace

void alarmRings(Mascot& m) {
    Hanasu(m, calledBy(m.st.masterName, u"さん、"), 0, 0, QString(), 0, 0);
    Hanasu(m, QStringLiteral("時間になりました。"), 0, 0, QStringLiteral("alarm.wav"),
           kAlarmLineSeconds, 0);
}
