#include "feeds/tag_reader.h"

namespace {

bool isNameStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u':' || c.unicode() > 0x7F;
}

bool isNameChar(QChar c) {
    return isNameStart(c) || c.isDigit() || c == u'-' || c == u'.';
}

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

qsizetype nameEnd(QStringView s, qsizetype from) {
    qsizetype i = from;
    while (i < s.size() && isNameChar(s[i])) {
        ++i;
    }
    return i;
}

// Returns where `needle` (whose first character is rare in text) next
// occurs in `s` from `from`, or -1. Looking for its first character first is
// much faster than a general search over long CDATA sections and comments.
qsizetype findMarker(QStringView s, QStringView needle, qsizetype from) {
    qsizetype at = s.indexOf(needle[0], from);
    while (at >= 0) {
        if (s.mid(at).startsWith(needle)) {
            return at;
        }
        at = s.indexOf(needle[0], at + 1);
    }
    return -1;
}

} // namespace

std::optional<TagReader::Tag> TagReader::next() {
    const qsizetype n = doc_.size();
    while (pos_ < n) {
        const qsizetype lt = doc_.indexOf(u'<', pos_);
        if (lt < 0) {
            pos_ = n;
            return std::nullopt;
        }
        const QStringView rest = doc_.mid(lt);
        if (rest.startsWith(u"<!--")) {
            const qsizetype close = findMarker(doc_, u"-->", lt + 4);
            pos_ = close < 0 ? n : close + 3;
            continue;
        }
        if (rest.startsWith(u"<![CDATA[")) {
            const qsizetype close = findMarker(doc_, u"]]>", lt + 9);
            pos_ = close < 0 ? n : close + 3;
            continue;
        }
        if (rest.startsWith(u"<?")) {
            const qsizetype close = findMarker(doc_, u"?>", lt + 2);
            pos_ = close < 0 ? n : close + 2;
            continue;
        }
        if (rest.startsWith(u"<!")) {
            // A declaration, perhaps with an internal subset in brackets.
            int depth = 0;
            qsizetype k = lt + 2;
            for (; k < n; ++k) {
                const QChar c = doc_[k];
                if (c == u'[') {
                    ++depth;
                } else if (c == u']') {
                    --depth;
                } else if (c == u'>' && depth <= 0) {
                    break;
                }
            }
            pos_ = k < n ? k + 1 : n;
            continue;
        }
        const bool closing = rest.startsWith(u"</");
        const qsizetype nameBegin = lt + (closing ? 2 : 1);
        if (nameBegin >= n || !isNameStart(doc_[nameBegin])) {
            pos_ = lt + 1; // a "<" in text
            continue;
        }
        const qsizetype nEnd = nameEnd(doc_, nameBegin);
        // Find the ">" that ends the tag. Attribute values are quoted and
        // may hold ">", but never "<": a "<" before the end means this was
        // not a tag after all.
        QChar quote;
        qsizetype k = nEnd;
        bool broken = false;
        for (; k < n; ++k) {
            const QChar c = doc_[k];
            if (c == u'<') {
                broken = true;
                break;
            }
            if (!quote.isNull()) {
                if (c == quote) {
                    quote = QChar();
                }
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u'>') {
                break;
            }
        }
        if (broken) {
            pos_ = lt + 1;
            continue;
        }
        if (k >= n) {
            pos_ = n; // a tag cut off by the end of the document
            return std::nullopt;
        }
        Tag tag;
        tag.begin = lt;
        tag.end = k + 1;
        tag.name = doc_.mid(nameBegin, nEnd - nameBegin);
        qsizetype attrEnd = k;
        if (closing) {
            tag.kind = Kind::End;
        } else if (k > nEnd && doc_[k - 1] == u'/') {
            tag.kind = Kind::Empty;
            attrEnd = k - 1;
        } else {
            tag.kind = Kind::Start;
        }
        tag.attrs = doc_.mid(nEnd, attrEnd - nEnd);
        pos_ = k + 1;
        return tag;
    }
    return std::nullopt;
}

std::optional<QStringView> attributeValue(QStringView attrs, QStringView name) {
    qsizetype i = 0;
    const qsizetype n = attrs.size();
    while (i < n) {
        while (i < n && (isSpace(attrs[i]) || attrs[i] == u'/')) {
            ++i;
        }
        const qsizetype nameBegin = i;
        while (i < n && !isSpace(attrs[i]) && attrs[i] != u'=' && attrs[i] != u'/') {
            ++i;
        }
        const QStringView attrName = attrs.mid(nameBegin, i - nameBegin);
        while (i < n && isSpace(attrs[i])) {
            ++i;
        }
        QStringView value;
        if (i < n && attrs[i] == u'=') {
            ++i;
            while (i < n && isSpace(attrs[i])) {
                ++i;
            }
            if (i < n && (attrs[i] == u'"' || attrs[i] == u'\'')) {
                const QChar quote = attrs[i];
                const qsizetype close = attrs.indexOf(quote, i + 1);
                const qsizetype valueEnd = close < 0 ? n : close;
                value = attrs.mid(i + 1, valueEnd - i - 1);
                i = close < 0 ? n : close + 1;
            } else {
                const qsizetype valueBegin = i;
                while (i < n && !isSpace(attrs[i])) {
                    ++i;
                }
                value = attrs.mid(valueBegin, i - valueBegin);
            }
        }
        if (!attrName.isEmpty() && attrName == name) {
            return value;
        }
        if (attrName.isEmpty() && i == nameBegin) {
            ++i; // a stray character: step over it
        }
    }
    return std::nullopt;
}

QStringView localName(QStringView qualified) {
    const qsizetype colon = qualified.lastIndexOf(u':');
    return colon < 0 ? qualified : qualified.mid(colon + 1);
}

QStringView namePrefix(QStringView qualified) {
    const qsizetype colon = qualified.lastIndexOf(u':');
    return colon < 0 ? QStringView() : qualified.first(colon);
}
