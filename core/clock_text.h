#pragma once

#include <QDateTime>
#include <QString>

// The clock as the mascot reads it: "hhnn" for minutes, a text with seconds
// whose changes count the balloon's seconds. Formatted by hand: the main tick
// reads the clock every 16 ms, and QDateTime::toString costs microseconds.

namespace clock_text_detail {
inline void appendTwoDigits(QChar*& out, int v) {
    *out++ = QChar(u'0' + v / 10);
    *out++ = QChar(u'0' + v % 10);
}
} // namespace clock_text_detail

[[nodiscard]] inline QString hhnn(const QDateTime& t) {
    const QTime time = t.time();
    QString s(4, Qt::Uninitialized);
    QChar* out = s.data();
    clock_text_detail::appendTwoDigits(out, time.hour());
    clock_text_detail::appendTwoDigits(out, time.minute());
    return s;
}

[[nodiscard]] inline QString timeOfDayText(const QDateTime& t) {
    const QTime time = t.time();
    QString s(8, Qt::Uninitialized);
    QChar* out = s.data();
    clock_text_detail::appendTwoDigits(out, time.hour());
    *out++ = u':';
    clock_text_detail::appendTwoDigits(out, time.minute());
    *out++ = u':';
    clock_text_detail::appendTwoDigits(out, time.second());
    return s;
}
