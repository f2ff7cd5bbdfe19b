#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringConverter>
#include <QStringView>

// The data file's encoding, Shift-JIS as code page 932.

// Returns true when the platform's converter for code page 932 is usable.
[[nodiscard]] bool cp932Available();

// Encodes `text` in code page 932. A character the code page cannot hold is
// written as the nearest it has: the base letter for a letter with accents
// (é is e), a stand-in for dashes, quotes and a few letters (see
// cp932_stand_in.h), else one "?" per character as the reader sees it, so an
// emoji made of several code points and joiners is one "?". Invisible format
// characters (zero-width space and joiner, variation selectors, direction
// marks) are dropped. The JIS forms that other systems use for six
// characters the code page holds in another form (wave dash, double vertical
// line, minus, cent, pound, not) are written in the code page's form.
[[nodiscard]] QByteArray encodeCp932(QStringView text);

// Decodes code page 932 bytes. An undecodable byte or pair becomes U+FFFD or
// U+001A (the converter's substitute), and a lead byte at the very end with
// no byte after it is dropped.
[[nodiscard]] QString decodeCp932(QByteArrayView bytes);

// Both directions with one converter each, for converting many texts in a
// row (the data file's lines): opening the code page's converter costs far
// more than converting a line. Each call stands alone; no half character is
// carried from one call to the next.
class Cp932Codec {
public:
    Cp932Codec();
    [[nodiscard]] QByteArray encode(QStringView text);  // as encodeCp932
    [[nodiscard]] QString decode(QByteArrayView bytes); // as decodeCp932

private:
    QStringEncoder encoder_;
    QStringDecoder decoder_;
};
