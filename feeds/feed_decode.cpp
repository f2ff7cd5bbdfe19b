#include "feeds/feed_decode.h"

#include <QByteArray>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace {

// Where the declaration has to end if the document has one.
constexpr qsizetype kDeclarationWindow = 1024;

bool isAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Returns the value of encoding="..." in the XML declaration at the start of
// `bytes`, if there is one.
std::optional<QByteArray> declaredEncoding(QByteArrayView bytes) {
    qsizetype start = 0;
    while (start < bytes.size() && isAsciiSpace(bytes[start])) {
        ++start;
    }
    const QByteArrayView head =
        bytes.sliced(start, std::min(kDeclarationWindow, bytes.size() - start));
    if (!head.startsWith("<?xml")) {
        return std::nullopt;
    }
    const qsizetype end = head.indexOf("?>");
    if (end < 0) {
        return std::nullopt;
    }
    const QByteArrayView decl = head.first(end);
    qsizetype at = decl.indexOf("encoding");
    if (at < 0) {
        return std::nullopt;
    }
    at += 8;
    while (at < decl.size() && isAsciiSpace(decl[at])) {
        ++at;
    }
    if (at >= decl.size() || decl[at] != '=') {
        return std::nullopt;
    }
    ++at;
    while (at < decl.size() && isAsciiSpace(decl[at])) {
        ++at;
    }
    if (at >= decl.size() || (decl[at] != '"' && decl[at] != '\'')) {
        return std::nullopt;
    }
    const char quote = decl[at];
    const qsizetype close = decl.indexOf(quote, at + 1);
    if (close < 0) {
        return std::nullopt;
    }
    QByteArray name = decl.sliced(at + 1, close - at - 1).toByteArray().trimmed().toLower();
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return name;
}

// Feeds that say Shift_JIS are written by Windows tools in code page 932,
// whose extra characters (circled digits, NEC symbols) plain Shift_JIS lacks.
QByteArray converterName(const QByteArray& declared) {
    if (declared == "shift_jis" || declared == "shift-jis" || declared == "sjis" ||
        declared == "x-sjis" || declared == "ms_kanji" || declared == "csshiftjis") {
        return QByteArrayLiteral("windows-31j");
    }
    return declared;
}

QString decodeWith(QStringDecoder& decoder, QByteArrayView bytes) {
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    return text;
}

} // namespace

QString decodeFeedDocument(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringConverter::Utf8);
        return decodeWith(utf8, bytes.sliced(3));
    }
    // A mark, or the shape of "<" in a wide encoding, identifies UTF-16/32.
    if (const auto wide = QStringConverter::encodingForData(bytes, u'<');
        wide && *wide != QStringConverter::Utf8 && *wide != QStringConverter::Latin1 &&
        *wide != QStringConverter::System) {
        QStringDecoder decoder(*wide);
        return decodeWith(decoder, bytes);
    }
    if (const auto declared = declaredEncoding(bytes)) {
        QStringDecoder decoder(converterName(*declared).constData());
        // A declaration of a wide encoding in single-byte text is wrong;
        // such a document is read as UTF-8 like any unknown one.
        const bool wideDeclared = declared->startsWith("utf-16") ||
                                  declared->startsWith("utf-32") || declared->startsWith("ucs");
        if (decoder.isValid() && !wideDeclared) {
            return decodeWith(decoder, bytes);
        }
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    return decodeWith(utf8, bytes);
}
