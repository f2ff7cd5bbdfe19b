#pragma once

#include "core/mascot_state.h"

#include <QByteArray>
#include <QSize>
#include <QString>

struct Mascot;

// jouhou.mrdt: everything the mascot remembers between runs, one value a line
// (838 lines, CR LF, code page 932).

inline constexpr int kDataFileLines = 838;
// The largest picture scale (percent) read from the file. No operation
// changes the scale, so a larger one was edited in by hand or is damage, and
// drawing it would take gigabytes (32767 % is 26214 x 39976 pixels): it reads
// as unusable and takes its default.
inline constexpr int kMaxDisplayScale = 1000;

// Longest text a line gives its field: what the settings panel's boxes take
// for the texts the user types (name, browser, feeds), what a feed gives for
// the others. Anything longer was edited in or is damage; it is cut.
inline constexpr qsizetype kMaxTypedTextLength = 32767;
// How much of the file is read: more than 838 lines of the longest texts can
// fill in any encoding. The rest cannot be data.
inline constexpr qint64 kMaxDataFileBytes = 16 * 1024 * 1024;

inline const QString kDataFileName = QStringLiteral("jouhou.mrdt");
inline const QString kDataFileBackupName = QStringLiteral("jouhou.mrdt.bak");

// Sets every stored field to the value it has when no file exists; `screen`
// (pixels) places the character at the centre.
void setStoredDefaults(MascotState& st, QSize screen);

// Returns the whole file for `st`. Integers are clamped to 16 bits, a line
// break inside a text becomes one space.
[[nodiscard]] QByteArray encodeDataFile(const MascotState& st);

// The code page the program writes, or what an editor may have saved the
// file in: UTF-8 (with or without its mark) or UTF-16 with its mark.
enum class DataFileEncoding { Cp932, Utf8, Utf16 };

struct DataFileReadResult {
    int linesRead = 0; // lines found, at most kDataFileLines
    int badLines = 0;  // integer lines that held no usable number
    int cutTexts = 0;  // texts longer than their field takes
    DataFileEncoding encoding = DataFileEncoding::Cp932;
    [[nodiscard]] bool complete() const { return linesRead == kDataFileLines && badLines == 0; }
    // Returns true when rewriting the file from what was read would lose
    // something it holds: its original must be kept.
    [[nodiscard]] bool keepOriginal() const {
        return !complete() || cutTexts > 0 || encoding != DataFileEncoding::Cp932;
    }
};
// Returns the encoding `bytes` are in: a byte-order mark says so; without
// one, text that is valid UTF-8 throughout and holds a character of three
// bytes or more (Japanese text always does) is UTF-8, everything else code
// page 932, which almost never passes for such UTF-8.
[[nodiscard]] DataFileEncoding detectDataFileEncoding(QByteArrayView bytes);
// Overlays the values found in `bytes` onto `st`: each line that reads well
// replaces its field, every other field keeps what `st` held. A text longer
// than its field takes is cut.
DataFileReadResult decodeDataFile(const QByteArray& bytes, MascotState& st);

// Returns true when the working directory holds "jouhou.mrdt" (exact case).
[[nodiscard]] bool dataFilePresent(const Mascot& m);

// Writes the data file from the state record, replacing the old one in one
// step (see replaceFileSafely); after a load that asked for it, the original
// is kept as a backup first. Returns false when it could not be written; the
// old file and the state then stay as they were.
bool JouhouHozon(Mascot& m);

// Reads the data file into the state record. Whatever cannot be read takes
// its default; a damaged, unreadable, foreign-encoded or overlong file is
// kept as jouhou.mrdt.bak (or .bak2, ... when that name is taken) before it
// is first replaced.
DataFileReadResult JouhouYomikomi(Mascot& m);
