#pragma once

#include <QByteArray>
#include <QString>

// The raw bytes of the document being read, kept under a fixed name in the
// working folder while it is read. The name is the program's own: whatever
// already stands there (a leftover, a link, a pipe) is taken away first, and
// the file is always created afresh, so the write never blocks and never
// lands anywhere else. A directory of that name, or a folder that refuses
// the file, only means there is no such file this time.
class TempNewsFile {
public:
    // Writes `bytes` to a new regular file at `path`.
    TempNewsFile(const QString& path, const QByteArray& bytes);
    // Removes the file, if this object made it.
    ~TempNewsFile();
    TempNewsFile(const TempNewsFile&) = delete;
    TempNewsFile& operator=(const TempNewsFile&) = delete;

    // Returns true when the file holds the bytes.
    [[nodiscard]] bool written() const { return written_; }

private:
    QByteArray path_;
    bool made_ = false;
    bool written_ = false;
};
