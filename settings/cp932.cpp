#include "settings/cp932.h"

namespace {

constexpr const char* kCodecName = "windows-31j";

// The converter writes this pair for any character it cannot map. It is not
// a valid code page 932 character, so it can be told from real text.
constexpr char kUnmappable = '\xFC';

char16_t cp932Form(char16_t c) {
    switch (c) {
    case 0x301C:
        return 0xFF5E; // wave dash -> fullwidth tilde
    case 0x2016:
        return 0x2225; // double vertical line -> parallel to
    case 0x2212:
        return 0xFF0D; // minus sign -> fullwidth hyphen-minus
    case 0x00A2:
        return 0xFFE0; // cent
    case 0x00A3:
        return 0xFFE1; // pound
    case 0x00AC:
        return 0xFFE2; // not
    default:
        return c;
    }
}

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

QStringEncoder makeEncoder() {
    return QStringEncoder(kCodecName, QStringConverter::Flag::Stateless);
}

QStringDecoder makeDecoder() {
    return QStringDecoder(kCodecName, QStringConverter::Flag::Stateless);
}

QByteArray encodeWith(QStringEncoder& enc, QStringView text) {
    QString mapped;
    mapped.reserve(text.size());
    for (QChar c : text) {
        mapped.append(QChar(cp932Form(c.unicode())));
    }
    const QByteArray raw = enc.encode(mapped);
    if (!raw.contains(kUnmappable)) {
        return raw;
    }
    // Walk the output character by character and turn each unmappable
    // marker into "?".
    QByteArray out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size();) {
        const auto b = static_cast<unsigned char>(raw[i]);
        if (isLeadByte(b) && i + 1 < raw.size()) {
            if (raw[i] == kUnmappable && raw[i + 1] == kUnmappable) {
                out.append('?');
            } else {
                out.append(raw.constData() + i, 2);
            }
            i += 2;
        } else {
            out.append(raw[i]);
            ++i;
        }
    }
    return out;
}

} // namespace

bool cp932Available() {
    QStringEncoder enc(kCodecName);
    QStringDecoder dec(kCodecName);
    return enc.isValid() && dec.isValid();
}

QByteArray encodeCp932(QStringView text) {
    QStringEncoder enc = makeEncoder();
    return encodeWith(enc, text);
}

QString decodeCp932(QByteArrayView bytes) {
    return makeDecoder().decode(bytes);
}

Cp932Codec::Cp932Codec() : encoder_(makeEncoder()), decoder_(makeDecoder()) {}

QByteArray Cp932Codec::encode(QStringView text) {
    return encodeWith(encoder_, text);
}

QString Cp932Codec::decode(QByteArrayView bytes) {
    return decoder_.decode(bytes);
}
