// libFuzzer target: any bytes, read as jouhou.mrdt, must load without a
// crash, a hang or a read out of bounds; what was loaded must be written as a
// whole file that loads again to the same state, and writing that state again
// gives the same bytes.

#include "core/mascot_state.h"
#include "settings/cp932.h"
#include "settings/data_file.h"

#include <QByteArray>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// The stored fields, listed here on their own so that the check does not
// lean on the loader's own field table.
std::vector<const QString*> storedTexts(const MascotState& st) {
    std::vector<const QString*> out{&st.masterName, &st.browserPath, &st.alarmTime,
                                    &st.lastFetchText};
    for (int i = 1; i <= kFeedSlots; ++i) {
        out.push_back(&st.feedName[i]);
        out.push_back(&st.feedUrl[i]);
    }
    for (int i = 1; i <= kArticleSlots; ++i) {
        out.push_back(&st.articleTitle[i]);
        out.push_back(&st.articleLink[i]);
        out.push_back(&st.articleFeedUrl[i]);
    }
    return out;
}

std::vector<int> storedNumbers(const MascotState& st) {
    std::vector<int> out{st.soundOn,    st.timeSignalOn, st.chatterOn,     st.normalTalkOn,
                         st.feedTalkOn, st.talkInterval, st.autoFetchMode, st.pinned,
                         st.posX,       st.posY,         st.displayScale,  st.walkInterval,
                         st.charEntry};
    for (int i = 1; i <= kArticleSlots; ++i) {
        out.push_back(st.articleRead[i]);
    }
    return out;
}

// A text as the file can hold it: one line, in code page 932. A carriage
// return inside a line is written as a space, and what the code page lacks
// (a byte that did not decode reads as U+FFFD) as the code page writes it.
QString asWritten(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c == u'\r') {
            c = u' ';
        }
    }
    return decodeCp932(encodeCp932(out));
}

struct Loaded {
    MascotState st;
    DataFileReadResult result;
};

// What the program does at start-up with these bytes as its data file.
Loaded load(const QByteArray& bytes) {
    Loaded l;
    setStoredDefaults(l.st, QSize(1280, 800));
    l.result = decodeDataFile(bytes, l.st);
    return l;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Loaded first = load(bytes);
    require(first.result.linesRead >= 0 && first.result.linesRead <= kDataFileLines);
    require(first.result.badLines >= 0 && first.result.badLines <= first.result.linesRead);
    for (const int n : storedNumbers(first.st)) {
        require(n >= std::numeric_limits<qint16>::min() && n <= std::numeric_limits<qint16>::max());
    }
    require(first.st.displayScale <= kMaxDisplayScale);

    // Saved: exactly one CR LF line a value.
    const QByteArray saved = encodeDataFile(first.st);
    require(saved.count('\n') == kDataFileLines && saved.count('\r') == kDataFileLines);
    require(saved.endsWith("\r\n"));

    // Loaded again: every line reads, and the state is the one that was
    // saved; unless the written code page happens to pass for UTF-8 text,
    // which is then read as such (its original kept at the next save).
    const Loaded second = load(saved);
    require(second.result.complete() && second.result.cutTexts == 0);
    if (second.result.encoding != DataFileEncoding::Cp932) {
        require(second.result.keepOriginal());
        return 0;
    }
    require(storedNumbers(second.st) == storedNumbers(first.st));
    const std::vector<const QString*> before = storedTexts(first.st);
    const std::vector<const QString*> after = storedTexts(second.st);
    for (std::size_t i = 0; i < before.size(); ++i) {
        require(*after[i] == asWritten(*before[i]));
    }

    // Saved again: the file does not drift from one run to the next.
    require(encodeDataFile(second.st) == saved);
    return 0;
}
