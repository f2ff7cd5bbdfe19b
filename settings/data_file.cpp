#include "settings/data_file.h"

#include "core/mascot.h"
#include "core/rounding.h"
#include "feeds/feed_text.h"
#include "feeds/seen_articles_file.h"
#include "settings/cp932.h"
#include "settings/file_ops.h"
#include "settings/safe_replace.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

#include <limits>
#include <optional>

namespace {

constexpr const char* kFormatTag = "VER011";

// One line of the file bound to its field. Reading and writing walk the same
// list, so the layout is written down once.
struct Field {
    QString* text = nullptr;
    int* number = nullptr;
    int maxNumber = std::numeric_limits<qint16>::max();
    qsizetype maxChars = kMaxFieldLength;
};

Field typed(QString* text) {
    return Field{text, nullptr, 0, kMaxTypedTextLength};
}

template <typename Visit> void forEachField(MascotState& st, Visit&& visit) {
    QString tag = QString::fromLatin1(kFormatTag); // line 1: read and ignored
    visit(Field{&tag, nullptr});
    visit(typed(&st.masterName));
    for (int* n : {&st.soundOn, &st.timeSignalOn, &st.chatterOn, &st.normalTalkOn, &st.feedTalkOn,
                   &st.talkInterval, &st.autoFetchMode, &st.pinned, &st.posX, &st.posY}) {
        visit(Field{nullptr, n});
    }
    visit(Field{nullptr, &st.displayScale, kMaxDisplayScale});
    visit(Field{nullptr, &st.walkInterval});
    visit(typed(&st.browserPath));
    visit(Field{&st.alarmTime, nullptr});
    visit(Field{nullptr, &st.charEntry});
    for (int i = 1; i <= kFeedSlots; ++i) {
        visit(typed(&st.feedName[i]));
        visit(typed(&st.feedUrl[i]));
    }
    visit(Field{&st.lastFetchText, nullptr});
    for (int i = 1; i <= kArticleSlots; ++i) {
        visit(Field{&st.articleTitle[i], nullptr});
        visit(Field{&st.articleLink[i], nullptr});
        visit(Field{nullptr, &st.articleRead[i]});
        visit(typed(&st.articleFeedUrl[i])); // matches a feed's address
    }
}

QByteArray encodeNumber(int value) {
    const int v = std::clamp(value, int(std::numeric_limits<qint16>::min()),
                             int(std::numeric_limits<qint16>::max()));
    QByteArray out;
    if (v >= 0) {
        out.append(' ');
    }
    out.append(QByteArray::number(v));
    out.append(' ');
    return out;
}

QByteArray encodeText(Cp932Codec& codec, const QString& text) {
    if (!text.contains(u'\r') && !text.contains(u'\n')) {
        return codec.encode(text);
    }
    // Each value keeps its own line: a line break inside a text reads back as
    // one space.
    QString flat = text;
    flat.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    flat.replace(u'\r', u' ');
    flat.replace(u'\n', u' ');
    return codec.encode(flat);
}

std::optional<int> decodeNumber(QByteArrayView line, int max) {
    bool ok = false;
    const int v = line.trimmed().toInt(&ok);
    if (!ok || v < std::numeric_limits<qint16>::min() || v > max) {
        return std::nullopt;
    }
    return v;
}

// Returns the first `n` characters of `text`, without half a surrogate pair.
QString cutText(const QString& text, qsizetype n) {
    QString out = text.left(n);
    if (!out.isEmpty() && out.back().isHighSurrogate()) {
        out.chop(1);
    }
    return out;
}

} // namespace

DataFileEncoding detectDataFileEncoding(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return DataFileEncoding::Utf8;
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        return DataFileEncoding::Utf16;
    }
    // The read limit may have cut the last character in two.
    const qsizetype whole = bytes.lastIndexOf('\n') + 1;
    const QByteArrayView text = whole > 0 ? bytes.first(whole) : bytes;
    // Pairs of half-width kana can form valid two-byte sequences; a
    // character of three bytes (kana, kanji, most punctuation) is needed too.
    const bool wide = std::any_of(text.begin(), text.end(),
                                  [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
    if (!wide) {
        return DataFileEncoding::Cp932;
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = utf8(text);
    return utf8.hasError() ? DataFileEncoding::Cp932 : DataFileEncoding::Utf8;
}

void setStoredDefaults(MascotState& st, QSize screen) {
    st.masterName = QStringLiteral("あなた");
    st.soundOn = 1;
    st.timeSignalOn = 1;
    st.chatterOn = 1;
    st.normalTalkOn = 1;
    st.feedTalkOn = 0;
    st.talkInterval = 5;
    st.autoFetchMode = 0;
    st.pinned = 0;
    st.posX = roundHalfEven(screen.width() * kTwipsPerPixel / 30.0) - 40;
    st.posY = roundHalfEven(screen.height() * kTwipsPerPixel / 30.0) - 61;
    st.displayScale = 100;
    st.walkInterval = 31;
    st.browserPath.clear();
    st.alarmTime.clear();
    st.charEntry = 11;
    st.feedName.fill(QString());
    st.feedUrl.fill(QString());
    st.lastFetchText.clear();
    st.articleTitle.fill(QString());
    st.articleLink.fill(QString());
    st.articleRead.fill(0);
    st.articleFeedUrl.fill(QString());
}

QByteArray encodeDataFile(const MascotState& state) {
    // forEachField binds mutable pointers; writing only reads through them.
    MascotState& st = const_cast<MascotState&>(state);
    QByteArray out;
    out.reserve(64 * 1024);
    Cp932Codec codec;
    forEachField(st, [&out, &codec](const Field& f) {
        out.append(f.text ? encodeText(codec, *f.text) : encodeNumber(*f.number));
        out.append("\r\n");
    });
    return out;
}

DataFileReadResult decodeDataFile(const QByteArray& raw, MascotState& st) {
    DataFileReadResult result;
    result.encoding = detectDataFileEncoding(raw);
    QByteArray bytes = raw;
    if (result.encoding == DataFileEncoding::Utf16) {
        // Read as the UTF-8 it converts to: lines end in the same bytes.
        QStringDecoder utf16(QStringConverter::Utf16);
        bytes = QString(utf16(raw)).toUtf8();
    }
    Cp932Codec cp932;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    auto decode = [&](QByteArrayView line) -> QString {
        return result.encoding == DataFileEncoding::Cp932 ? cp932.decode(line) : utf8(line);
    };
    qsizetype pos = 0;
    forEachField(st, [&](const Field& f) {
        if (pos >= bytes.size()) {
            return;
        }
        qsizetype end = bytes.indexOf('\n', pos);
        const bool lastLine = end < 0;
        if (lastLine) {
            end = bytes.size();
        }
        QByteArrayView line(bytes.constData() + pos, end - pos);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        pos = lastLine ? bytes.size() : end + 1;
        ++result.linesRead;
        if (f.text) {
            if (result.linesRead > 1) {
                // No encoding takes more than three bytes a character: only
                // the part that can be kept is decoded.
                const qsizetype limit = f.maxChars * 3;
                QString text = decode(line.first(std::min(line.size(), limit)));
                if (line.size() > limit || text.size() > f.maxChars) {
                    text = cutText(text, f.maxChars);
                    ++result.cutTexts;
                }
                *f.text = text;
            }
        } else if (const auto n = decodeNumber(line, f.maxNumber)) {
            *f.number = *n;
        } else {
            ++result.badLines;
        }
    });
    return result;
}

bool dataFilePresent(const Mascot& m) {
    const QStringList names =
        m.workDir.entryList({QStringLiteral("*.mrdt*")}, QDir::Files | QDir::Hidden);
    return names.contains(kDataFileName, Qt::CaseSensitive);
}

bool JouhouHozon(Mascot& m) {
    FileOps fs;
    const ReplaceOutcome done =
        replaceFileSafely(fs, m.workDir.filePath(kDataFileName), encodeDataFile(m.st),
                          m.backupBeforeSave, kMaxDataFileBytes);
    if (done.replaced || done.originalKept) {
        m.backupBeforeSave = false;
    }
    if (!done.replaced) {
        return false;
    }
    saveSeenArticles(m);
    return true;
}

DataFileReadResult JouhouYomikomi(Mascot& m) {
    setStoredDefaults(m.st, m.platform.screenSize());
    QFile file(m.workDir.filePath(kDataFileName));
    DataFileReadResult result;
    // Opening a pipe (or a link to one) would wait for a writer for ever.
    if (QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly)) {
        // A real file is about 30 KiB; a runaway one is not read whole.
        result = decodeDataFile(file.read(kMaxDataFileBytes), m.st);
        loadSeenArticles(m);
    }
    m.backupBeforeSave = result.keepOriginal();
    m.stateReady = true;
    return result;
}
