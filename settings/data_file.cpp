#include "settings/data_file.h"

#include "core/mascot.h"
#include "core/rounding.h"
#include "feeds/seen_articles_file.h"
#include "settings/cp932.h"

#include <QFile>
#include <QSaveFile>

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
};

template <typename Visit> void forEachField(MascotState& st, Visit&& visit) {
    QString tag = QString::fromLatin1(kFormatTag); // line 1: read and ignored
    visit(Field{&tag, nullptr});
    visit(Field{&st.masterName, nullptr});
    for (int* n : {&st.soundOn, &st.timeSignalOn, &st.chatterOn, &st.normalTalkOn, &st.feedTalkOn,
                   &st.talkInterval, &st.autoFetchMode, &st.pinned, &st.posX, &st.posY}) {
        visit(Field{nullptr, n});
    }
    visit(Field{nullptr, &st.displayScale, kMaxDisplayScale});
    visit(Field{nullptr, &st.walkInterval});
    visit(Field{&st.browserPath, nullptr});
    visit(Field{&st.alarmTime, nullptr});
    visit(Field{nullptr, &st.charEntry});
    for (int i = 1; i <= kFeedSlots; ++i) {
        visit(Field{&st.feedName[i], nullptr});
        visit(Field{&st.feedUrl[i], nullptr});
    }
    visit(Field{&st.lastFetchText, nullptr});
    for (int i = 1; i <= kArticleSlots; ++i) {
        visit(Field{&st.articleTitle[i], nullptr});
        visit(Field{&st.articleLink[i], nullptr});
        visit(Field{nullptr, &st.articleRead[i]});
        visit(Field{&st.articleFeedUrl[i], nullptr});
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

} // namespace

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

DataFileReadResult decodeDataFile(const QByteArray& bytes, MascotState& st) {
    DataFileReadResult result;
    Cp932Codec codec;
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
                *f.text = codec.decode(line);
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
    const QString path = m.workDir.filePath(kDataFileName);
    if (m.backupBeforeSave && QFile::exists(path)) {
        // The file we loaded was damaged: whatever could not be read in it
        // survives in the copy.
        const QString backup = m.workDir.filePath(kDataFileBackupName);
        QFile::remove(backup);
        if (!QFile::copy(path, backup) && !QFile::rename(path, backup)) {
            return false;
        }
    }
    QSaveFile file(path);
    // Unbuffered, so a disk that fills up shows as a short write here; a
    // buffered flush inside commit() can lose that and replace the old file
    // with a truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const QByteArray bytes = encodeDataFile(m.st);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        return false;
    }
    saveSeenArticles(m);
    m.backupBeforeSave = false;
    return true;
}

DataFileReadResult JouhouYomikomi(Mascot& m) {
    setStoredDefaults(m.st, m.platform.screenSize());
    QFile file(m.workDir.filePath(kDataFileName));
    DataFileReadResult result;
    if (file.open(QIODevice::ReadOnly)) {
        // A real file is about 30 KiB; a runaway one is not read whole.
        constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
        result = decodeDataFile(file.read(kMaxBytes), m.st);
        loadSeenArticles(m);
    }
    m.backupBeforeSave = !result.complete();
    m.stateReady = true;
    return result;
}
