#include "tests/support/faulty_file_ops.h"

#include <cerrno>
#include <fcntl.h>

int FaultyFileOps::fault(const QString& name) {
    ++calls;
    log << name;
    if (calls == failAt) {
        return failError;
    }
    return alwaysFail.value(name, 0);
}

template <typename Call>
auto FaultyFileOps::run(const QString& name, Call&& call) -> decltype(call()) {
    if (const int error = fault(name)) {
        errno = error;
        return -1;
    }
    const auto result = call();
    const int error = errno;
    if (afterEach) {
        afterEach();
    }
    errno = error;
    return result;
}

int FaultyFileOps::open(const QByteArray& path, int flags, mode_t mode) {
    const QString name = (flags & O_CREAT) ? QStringLiteral("create") : QStringLiteral("open");
    return run(name, [&] { return FileOps::open(path, flags, mode); });
}

ssize_t FaultyFileOps::pread(int fd, char* data, size_t size, off_t offset) {
    return run(QStringLiteral("pread"), [&] { return FileOps::pread(fd, data, size, offset); });
}

ssize_t FaultyFileOps::pwrite(int fd, const char* data, size_t size, off_t offset) {
    return run(QStringLiteral("pwrite"), [&] { return FileOps::pwrite(fd, data, size, offset); });
}

int FaultyFileOps::fsync(int fd) {
    return run(QStringLiteral("fsync"), [&] { return FileOps::fsync(fd); });
}

int FaultyFileOps::close(int fd) {
    // A close that fails has still released the descriptor.
    if (const int error = fault(QStringLiteral("close"))) {
        FileOps::close(fd);
        errno = error;
        return -1;
    }
    const int result = FileOps::close(fd);
    if (afterEach) {
        afterEach();
    }
    return result;
}

int FaultyFileOps::fstat(int fd, struct stat* out) {
    return run(QStringLiteral("fstat"), [&] { return FileOps::fstat(fd, out); });
}

int FaultyFileOps::ftruncate(int fd, off_t size) {
    return run(QStringLiteral("ftruncate"), [&] { return FileOps::ftruncate(fd, size); });
}

int FaultyFileOps::reserve(int fd, off_t size) {
    return run(QStringLiteral("reserve"), [&] { return FileOps::reserve(fd, size); });
}

int FaultyFileOps::fchmod(int fd, mode_t mode) {
    return run(QStringLiteral("fchmod"), [&] { return FileOps::fchmod(fd, mode); });
}

int FaultyFileOps::lstat(const QByteArray& path, struct stat* out) {
    return run(QStringLiteral("lstat"), [&] { return FileOps::lstat(path, out); });
}

int FaultyFileOps::link(const QByteArray& from, const QByteArray& to) {
    return run(QStringLiteral("link"), [&] { return FileOps::link(from, to); });
}

int FaultyFileOps::rename(const QByteArray& from, const QByteArray& to) {
    return run(QStringLiteral("rename"), [&] { return FileOps::rename(from, to); });
}

int FaultyFileOps::unlink(const QByteArray& path) {
    return run(QStringLiteral("unlink"), [&] { return FileOps::unlink(path); });
}
