#pragma once

#include <QDateTime>
#include <QString>

// The clock as the mascot reads it: "hhnn" for minutes, a text with seconds
// whose changes count the balloon's seconds.
[[nodiscard]] inline QString hhnn(const QDateTime& t) { return t.toString(QStringLiteral("HHmm")); }
[[nodiscard]] inline QString timeOfDayText(const QDateTime& t) {
    return t.toString(QStringLiteral("HH:mm:ss"));
}
