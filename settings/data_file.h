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

inline const QString kDataFileName = QStringLiteral("jouhou.mrdt");
inline const QString kDataFileBackupName = QStringLiteral("jouhou.mrdt.bak");

// Sets every stored field to the value it has when no file exists; `screen`
// (pixels) places the character at the centre.
void setStoredDefaults(MascotState& st, QSize screen);

// Returns the whole file for `st`. Integers are clamped to 16 bits, a line
// break inside a text becomes one space.
[[nodiscard]] QByteArray encodeDataFile(const MascotState& st);

struct DataFileReadResult {
    int linesRead = 0; // lines found, at most kDataFileLines
    int badLines = 0;  // integer lines that held no usable number
    [[nodiscard]] bool complete() const { return linesRead == kDataFileLines && badLines == 0; }
};
// Overlays the values found in `bytes` onto `st`: each line that reads well
// replaces its field, every other field keeps what `st` held.
DataFileReadResult decodeDataFile(const QByteArray& bytes, MascotState& st);

// Returns true when the working directory holds "jouhou.mrdt" (exact case).
[[nodiscard]] bool dataFilePresent(const Mascot& m);

// Writes the data file from the state record, replacing the old one in one
// step. Returns false when it could not be written; the old file and the
// state then stay as they were.
bool JouhouHozon(Mascot& m);

// Reads the data file into the state record. Whatever cannot be read takes
// its default; a damaged or unreadable file is kept as jouhou.mrdt.bak
// before it is first replaced.
DataFileReadResult JouhouYomikomi(Mascot& m);
