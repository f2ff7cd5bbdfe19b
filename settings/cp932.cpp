#include "settings/cp932.h"

#include "settings/cp932_stand_in.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <vector>

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

// True when the converter mapped every character of `bytes`' source.
bool allMapped(const QByteArray& bytes) {
    if (!bytes.contains(kUnmappable)) {
        return true;
    }
    for (qsizetype i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (isLeadByte(b) && i + 1 < bytes.size()) {
            if (bytes[i] == kUnmappable && bytes[i + 1] == kUnmappable) {
                return false;
            }
            i += 2;
        } else {
            ++i;
        }
    }
    return true;
}

bool isMark(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// Encodes a text that holds characters the code page lacks, one visible
// character (grapheme cluster) at a time where it must: a letter with its
// accents, an emoji with its joiners and modifiers, a flag are each one
// character to the reader, so each becomes one stand-in or one "?". What the
// converter drops (zero-width and other invisible format characters) stays
// dropped, here as in text it maps whole. Texts and lines that map whole are
// converted in one piece, so a long batch with one odd title costs little.
class NearestEncoder {
public:
    NearestEncoder(QStringEncoder& enc, QByteArray& out) : enc_(enc), out_(out) {}

    // REQUIRES: `text` holds a character the converter cannot map.
    void encodeUnmapped(QStringView text) {
        // Line by line (a batch of titles is joined by line feeds): lines
        // that map whole cost one call each.
        qsizetype from = 0;
        while (from < text.size()) {
            const qsizetype feed = text.indexOf(u'\n', from);
            const qsizetype to = feed < 0 ? text.size() : feed + 1;
            const QStringView line = text.mid(from, to - from);
            if (to - from == text.size() || !tryAppend(line)) {
                encodeClusters(line);
            }
            from = to;
        }
    }

private:
    // Appends the conversion of `text` when the converter maps all of it.
    bool tryAppend(QStringView text) {
        const QByteArray bytes = enc_.encode(text);
        if (!allMapped(bytes)) {
            return false;
        }
        out_.append(bytes);
        return true;
    }

    void encodeClusters(QStringView line) {
        std::vector<qsizetype> bounds{0};
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, line.data(), line.size(), nullptr,
                                   0);
        while (finder.toNextBoundary() > 0) {
            bounds.push_back(finder.position());
        }
        if (bounds.back() != line.size()) {
            bounds.push_back(line.size());
        }
        // Printable ASCII goes straight through (the converter moves a few
        // control characters); the runs between are converted whole where
        // they can be.
        std::size_t run = 0;
        for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
            const QChar first = line[bounds[i]];
            const bool plain = (first.unicode() >= 0x20 && first.unicode() < 0x7F) ||
                               first == u'\t' || first == u'\n' || first == u'\r';
            if (bounds[i + 1] - bounds[i] == 1 && plain) {
                if (run < i) {
                    halve(line, bounds, run, i);
                }
                out_.append(static_cast<char>(first.unicode()));
                run = i + 1;
            }
        }
        if (run + 1 < bounds.size()) {
            halve(line, bounds, run, bounds.size() - 1);
        }
    }

    // Clusters lo to hi of `line`, whose bounds are `bounds`: halves until
    // the halves map whole or one cluster is left.
    void halve(QStringView line, const std::vector<qsizetype>& bounds, std::size_t lo,
               std::size_t hi) {
        const QStringView span = line.mid(bounds[lo], bounds[hi] - bounds[lo]);
        if (tryAppend(span)) {
            return;
        }
        if (hi - lo == 1) {
            encodeCluster(span);
            return;
        }
        const std::size_t mid = lo + (hi - lo) / 2;
        halve(line, bounds, lo, mid);
        halve(line, bounds, mid, hi);
    }

    void encodeCluster(QStringView cluster) {
        // A letter written with a separate accent may exist precomposed
        // (か and a combining sound mark are が).
        const QString composed = cluster.toString().normalized(QString::NormalizationForm_C);
        if (composed != cluster && tryAppend(composed)) {
            return;
        }
        QString nearest;
        for (char32_t c : QStringView(composed).toUcs4()) {
            if (!appendNearest(nearest, c, true)) {
                out_.append('?');
                return;
            }
        }
        if (nearest.isEmpty() || !tryAppend(nearest)) {
            out_.append('?');
        }
    }

    // Appends to `text` what stands for `c`: a stand-in, `c` itself when
    // the converter maps or drops it, nothing for an accent, else what its
    // compatibility decomposition gives (é is e, ﬁ is fi, 𝐀 is A). False
    // when nothing fair stands for it.
    bool appendNearest(QString& text, char32_t c, bool decompose) {
        if (const auto standIn = cp932StandIn(c)) {
            text.append(QStringView(standIn->data(), static_cast<qsizetype>(standIn->size())));
            return true;
        }
        const QString one = QString::fromUcs4(&c, 1);
        if (allMapped(enc_.encode(one))) {
            text.append(one);
            return true;
        }
        if (isMark(c)) {
            return true;
        }
        if (!decompose) {
            return false;
        }
        const QString parts = one.normalized(QString::NormalizationForm_KD);
        if (parts == one) {
            return false;
        }
        for (char32_t p : QStringView(parts).toUcs4()) {
            if (!appendNearest(text, p, false)) {
                return false;
            }
        }
        return true;
    }

    QStringEncoder& enc_;
    QByteArray& out_;
};

QByteArray encodeWith(QStringEncoder& enc, QStringView text) {
    QString mapped;
    mapped.reserve(text.size());
    for (QChar c : text) {
        mapped.append(QChar(cp932Form(c.unicode())));
    }
    QByteArray raw = enc.encode(mapped);
    if (allMapped(raw)) {
        return raw;
    }
    QByteArray out;
    out.reserve(raw.size());
    NearestEncoder(enc, out).encodeUnmapped(mapped);
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
