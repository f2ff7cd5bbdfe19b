#include "feeds/feed_text.h"

#include "feeds/html_entities.h"

#include <algorithm>
#include <optional>

namespace {

constexpr qsizetype kLongestReference = 12; // "&#x10FFFF;" and every name fit

std::optional<char32_t> numericReference(QStringView body) {
    // body is what stands between "&#" and ";".
    const bool hex = body.startsWith(u'x') || body.startsWith(u'X');
    const QStringView digits = hex ? body.mid(1) : body;
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    char32_t value = 0;
    for (QChar c : digits) {
        int d = -1;
        if (c >= u'0' && c <= u'9') {
            d = c.unicode() - u'0';
        } else if (hex && c >= u'a' && c <= u'f') {
            d = c.unicode() - u'a' + 10;
        } else if (hex && c >= u'A' && c <= u'F') {
            d = c.unicode() - u'A' + 10;
        }
        if (d < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(d);
        if (value > 0x10FFFF) {
            return std::nullopt;
        }
    }
    if (value == 0 || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return value;
}

void appendCodePoint(QString& out, char32_t c) {
    if (c > 0xFFFF) {
        out.append(QChar(QChar::highSurrogate(c)));
        out.append(QChar(QChar::lowSurrogate(c)));
    } else {
        out.append(QChar(static_cast<char16_t>(c)));
    }
}

bool isFoldedSpace(QChar c) {
    const char16_t u = c.unicode();
    return u <= 0x20 || u == 0x7F || u == 0x85 || u == 0xA0 || u == 0x2028 || u == 0x2029;
}

bool isTagStart(QStringView s, qsizetype i) {
    if (i + 1 >= s.size()) {
        return false;
    }
    const QChar c = s[i + 1];
    return c.isLetter() || c == u'/' || c == u'!' || c == u'?' || c == u'_' || c == u':';
}

// Returns the index just past the tag that starts at s[i] == '<', honouring
// quoted attribute values; s.size() when it never ends.
qsizetype skipTag(QStringView s, qsizetype i) {
    QChar quote;
    for (qsizetype k = i + 1; k < s.size(); ++k) {
        const QChar c = s[k];
        if (!quote.isNull()) {
            if (c == quote) {
                quote = QChar();
            }
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return k + 1;
        }
    }
    return s.size();
}

// Drops markup from `s`; with `cdata` CDATA sections are kept verbatim and
// the rest decoded, otherwise everything outside tags is decoded.
QString stripMarkup(QStringView s, bool cdata) {
    if (!s.contains(u'<')) {
        return decodeEntities(s);
    }
    QString out;
    out.reserve(s.size());
    qsizetype pos = 0;
    while (pos < s.size()) {
        const qsizetype lt = s.indexOf(u'<', pos);
        const qsizetype textEnd = lt < 0 ? s.size() : lt;
        out.append(decodeEntities(s.mid(pos, textEnd - pos)));
        if (lt < 0) {
            break;
        }
        const QStringView rest = s.mid(lt);
        if (cdata && rest.startsWith(u"<![CDATA[")) {
            const qsizetype close = s.indexOf(u"]]>", lt + 9);
            const qsizetype contentEnd = close < 0 ? s.size() : close;
            out.append(s.mid(lt + 9, contentEnd - (lt + 9)));
            pos = close < 0 ? s.size() : close + 3;
        } else if (rest.startsWith(u"<!--")) {
            const qsizetype close = s.indexOf(u"-->", lt + 4);
            pos = close < 0 ? s.size() : close + 3;
        } else if (isTagStart(s, lt)) {
            pos = skipTag(s, lt);
        } else {
            out.append(u'<');
            pos = lt + 1;
        }
    }
    return out;
}

} // namespace

QString decodeEntities(QStringView s) {
    qsizetype amp = s.indexOf(u'&');
    if (amp < 0) {
        return s.toString();
    }
    QString out;
    out.reserve(s.size());
    qsizetype pos = 0;
    while (amp >= 0) {
        out.append(s.mid(pos, amp - pos));
        const qsizetype semi = s.indexOf(u';', amp + 1);
        std::optional<char32_t> value;
        if (semi > amp + 1 && semi - amp <= kLongestReference) {
            const QStringView body = s.mid(amp + 1, semi - amp - 1);
            value = body.startsWith(u'#') ? numericReference(body.mid(1)) : namedEntity(body);
        }
        if (value) {
            appendCodePoint(out, *value);
            pos = semi + 1;
        } else {
            out.append(u'&');
            pos = amp + 1;
        }
        amp = s.indexOf(u'&', pos);
    }
    out.append(s.mid(pos));
    return out;
}

QString xmlTextContent(QStringView raw) {
    return stripMarkup(raw, true);
}

QString htmlToText(QStringView html) {
    return stripMarkup(html, false);
}

QString foldWhiteSpace(QStringView s) {
    // Most fields need nothing done.
    if (s.size() <= kMaxFieldLength && !s.isEmpty() && !isFoldedSpace(s.front()) &&
        !isFoldedSpace(s.back())) {
        bool clean = true;
        for (qsizetype i = 1; i < s.size() && clean; ++i) {
            clean = !(isFoldedSpace(s[i]) && (s[i] != u' ' || s[i - 1] == u' '));
        }
        if (clean) {
            return s.toString();
        }
    }
    QString out;
    out.reserve(std::min(s.size(), kMaxFieldLength));
    bool pendingSpace = false;
    for (QChar c : s) {
        if (isFoldedSpace(c)) {
            pendingSpace = !out.isEmpty();
            continue;
        }
        if (pendingSpace) {
            out.append(u' ');
            pendingSpace = false;
        }
        out.append(c);
        if (out.size() >= kMaxFieldLength + 1) {
            break;
        }
    }
    if (out.size() > kMaxFieldLength) {
        // Never leave half of a surrogate pair at the cut.
        qsizetype cut = kMaxFieldLength;
        if (out[cut - 1].isHighSurrogate()) {
            --cut;
        }
        out.truncate(cut);
        while (out.endsWith(u' ')) {
            out.chop(1);
        }
    }
    return out;
}
