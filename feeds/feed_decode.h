#pragma once

#include <QByteArrayView>
#include <QString>

// Returns the text of a downloaded feed document. A byte-order mark decides
// UTF-8, UTF-16 or UTF-32; otherwise the encoding named in the XML
// declaration is used when the converter knows it ("Shift_JIS" is read as
// code page 932, which is what such feeds are written in); otherwise UTF-8.
// Undecodable bytes become U+FFFD. The mark itself is not part of the text.
[[nodiscard]] QString decodeFeedDocument(QByteArrayView bytes);
