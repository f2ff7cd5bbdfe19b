#include "settings/safe_replace.h"

#include "settings/file_ops.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kMaxBackups = 99;
constexpr qint64 kCopyChunk = 1 << 20;

// An open descriptor that is closed when it goes out of scope.
class Fd {
public:
    Fd(FileOps& fs, int fd) : fs_(fs), fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) {
            fs_.close(fd_);
        }
    }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }
    [[nodiscard]] int get() const { return fd_; }
    // Closes now; a failed close can mean the data never reached the disk.
    int close() { return fs_.close(std::exchange(fd_, -1)); }

private:
    FileOps& fs_;
    int fd_;
};

bool noRoom(int error) {
    return error == ENOSPC || error == EDQUOT;
}

bool writeAll(FileOps& fs, int fd, const char* data, qint64 size, qint64 offset) {
    while (size > 0) {
        const ssize_t n =
            fs.pwrite(fd, data, static_cast<size_t>(size), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        data += n;
        size -= n;
        offset += n;
    }
    return true;
}

// Reads [offset, offset + size) whole; a file shorter than that fails.
bool readAll(FileOps& fs, int fd, char* data, qint64 size, qint64 offset) {
    while (size > 0) {
        const ssize_t n = fs.pread(fd, data, static_cast<size_t>(size), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= n;
        offset += n;
    }
    return true;
}

QString followLinks(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth) {
        info.setFile(info.symLinkTarget());
    }
    return info.isSymLink() ? path : info.filePath();
}

// Makes a rename in `folder` durable. A folder that cannot be opened or
// synced (some file systems cannot) is taken as synced.
bool syncFolder(FileOps& fs, const QByteArray& folder) {
    Fd dir(fs, fs.open(folder, O_RDONLY | O_DIRECTORY));
    if (!dir.valid()) {
        return true;
    }
    return fs.fsync(dir.get()) == 0 || errno == EINVAL;
}

bool copyPrefix(FileOps& fs, const QByteArray& from, const QByteArray& to, qint64 limit,
                mode_t mode) {
    const QByteArray part = to + ".part";
    fs.unlink(part); // left by a run that ended mid-copy
    bool ok = false;
    {
        Fd out(fs, fs.open(part, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode));
        Fd in(fs, fs.open(from, O_RDONLY | O_NOFOLLOW | O_NONBLOCK));
        ok = out.valid() && in.valid();
        QByteArray chunk;
        for (qint64 offset = 0; ok && offset < limit;) {
            chunk.resize(std::min(kCopyChunk, limit - offset));
            const ssize_t n =
                fs.pread(in.get(), chunk.data(), static_cast<size_t>(chunk.size()), offset);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            ok = writeAll(fs, out.get(), chunk.constData(), n, offset);
            offset += n;
        }
        ok = ok && fs.fsync(out.get()) == 0 && out.close() == 0 && fs.rename(part, to) == 0;
    }
    if (!ok) {
        fs.unlink(part);
    }
    return ok;
}

bool keepBeside(FileOps& fs, const QByteArray& path, const struct stat& original,
                qint64 keptBytes) {
    for (int n = 1; n <= kMaxBackups; ++n) {
        const QByteArray name = path + ".bak" + (n == 1 ? QByteArray() : QByteArray::number(n));
        struct stat there {};
        if (fs.lstat(name, &there) == 0) {
            if (there.st_dev == original.st_dev && there.st_ino == original.st_ino) {
                return true; // kept by an earlier save that failed later on
            }
            continue;
        }
        if (errno != ENOENT) {
            return false;
        }
        if (fs.link(path, name) == 0) {
            return true;
        }
        if (errno == EEXIST) {
            continue;
        }
        return copyPrefix(fs, path, name, keptBytes, original.st_mode & 07777);
    }
    return false;
}

// Overwrites the file where it stands. Claims the room first and writes what
// lies beyond the old end before touching the old bytes, so that a crash
// leaves the old or the new content at the front of the file.
bool overwriteInPlace(FileOps& fs, const QByteArray& path, const QByteArray& bytes) {
    Fd fd(fs, fs.open(path, O_RDWR | O_NOFOLLOW | O_NONBLOCK));
    struct stat st {};
    // Another name of the file (a kept original among them) would change too.
    if (!fd.valid() || fs.fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink > 1) {
        return false;
    }
    const qint64 oldSize = st.st_size;
    const qint64 newSize = bytes.size();
    if (fs.reserve(fd.get(), static_cast<off_t>(newSize)) != 0 && noRoom(errno)) {
        return false;
    }
    if (newSize > oldSize) {
        if (!writeAll(fs, fd.get(), bytes.constData() + oldSize, newSize - oldSize, oldSize) ||
            fs.fsync(fd.get()) != 0) {
            fs.ftruncate(fd.get(), static_cast<off_t>(oldSize));
            return false;
        }
    }
    const qint64 head = std::min(oldSize, newSize);
    QByteArray old(head, Qt::Uninitialized);
    if (!readAll(fs, fd.get(), old.data(), head, 0)) {
        fs.ftruncate(fd.get(), static_cast<off_t>(oldSize));
        return false;
    }
    if (!writeAll(fs, fd.get(), bytes.constData(), head, 0)) {
        writeAll(fs, fd.get(), old.constData(), head, 0);
        fs.ftruncate(fd.get(), static_cast<off_t>(oldSize));
        return false;
    }
    if (newSize < oldSize && fs.ftruncate(fd.get(), static_cast<off_t>(newSize)) != 0) {
        return false;
    }
    return fs.fsync(fd.get()) == 0 && fd.close() == 0;
}

} // namespace

ReplaceOutcome replaceFileSafely(FileOps& fs, const QString& requested, const QByteArray& bytes,
                                 bool keepOriginal, qint64 keptBytes) {
    ReplaceOutcome outcome;
    const QString target = followLinks(requested);
    const QByteArray path = QFile::encodeName(target);
    struct stat original {};
    const bool exists = fs.lstat(path, &original) == 0;
    if (exists ? !S_ISREG(original.st_mode) : errno != ENOENT) {
        return outcome;
    }
    const bool mustKeep = keepOriginal && exists;
    // A file made read-only is left alone, unless it is kept anyway: then
    // only its name is taken.
    if (exists && !mustKeep && ::access(path.constData(), W_OK) != 0) {
        return outcome;
    }
    auto inPlace = [&] {
        outcome.replaced = exists && !mustKeep && overwriteInPlace(fs, path, bytes);
        return outcome;
    };

    // As the original, but always readable and writable by its owner.
    const mode_t mode = exists ? (original.st_mode & 07777) | S_IRUSR | S_IWUSR : 0666;
    const QByteArray temp = path + ".new";
    fs.unlink(temp); // left by a run that ended mid-save
    Fd out(fs, fs.open(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, mode));
    if (!out.valid()) {
        return inPlace();
    }
    if (exists) {
        fs.fchmod(out.get(), mode); // as the original, whatever the umask
    }
    if (!writeAll(fs, out.get(), bytes.constData(), bytes.size(), 0)) {
        const bool full = noRoom(errno);
        out.close();
        fs.unlink(temp);
        return full ? inPlace() : outcome;
    }
    if (fs.fsync(out.get()) != 0 || out.close() != 0) {
        fs.unlink(temp);
        return outcome;
    }
    if (mustKeep) {
        if (!keepBeside(fs, path, original, keptBytes)) {
            fs.unlink(temp);
            return outcome;
        }
        outcome.originalKept = true;
    }
    if (fs.rename(temp, path) != 0) {
        fs.unlink(temp);
        return outcome;
    }
    outcome.replaced = syncFolder(fs, QFile::encodeName(QFileInfo(target).absolutePath()));
    return outcome;
}
