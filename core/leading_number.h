#pragma once

#include <QStringView>

// The value of the digits a text starts with, 0 when it starts with none
// ("07" -> 7, "7a" -> 7, "ab" -> 0, "" -> 0). Only ASCII digits count. Long
// runs of digits stop growing at `cap`, so any typed text is safe.
[[nodiscard]] inline int leadingNumber(QStringView text, int cap = 1'000'000) {
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            break;
        }
        value = value * 10 + (c.unicode() - u'0');
        if (value >= cap) {
            return cap;
        }
    }
    return value;
}
