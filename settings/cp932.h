#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The data file's encoding, Shift-JIS as code page 932.

// Returns true when the platform's converter for code page 932 is usable.
[[nodiscard]] bool cp932Available();

// Encodes `text` in code page 932. A character the code page cannot hold
// becomes "?"; the JIS forms that other systems use for six characters the
// code page holds in another form (wave dash, double vertical line, minus,
// cent, pound, not) are written in the code page's form.
[[nodiscard]] QByteArray encodeCp932(QStringView text);

// Decodes code page 932 bytes; undecodable bytes become U+FFFD.
[[nodiscard]] QString decodeCp932(QByteArrayView bytes);
