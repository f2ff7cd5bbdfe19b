#include "settings/file_ops.h"

#include <fcntl.h>
#include <unistd.h>

int FileOps::open(const QByteArray& path, int flags, mode_t mode) {
    return ::open(path.constData(), flags | O_CLOEXEC, mode);
}

ssize_t FileOps::pread(int fd, char* data, size_t size, off_t offset) {
    return ::pread(fd, data, size, offset);
}

ssize_t FileOps::pwrite(int fd, const char* data, size_t size, off_t offset) {
    return ::pwrite(fd, data, size, offset);
}

int FileOps::fsync(int fd) {
    return ::fsync(fd);
}

int FileOps::close(int fd) {
    return ::close(fd);
}

int FileOps::fstat(int fd, struct stat* out) {
    return ::fstat(fd, out);
}

int FileOps::ftruncate(int fd, off_t size) {
    return ::ftruncate(fd, size);
}

int FileOps::reserve(int fd, off_t size) {
    return ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size);
}

int FileOps::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int FileOps::lstat(const QByteArray& path, struct stat* out) {
    return ::lstat(path.constData(), out);
}

int FileOps::link(const QByteArray& from, const QByteArray& to) {
    return ::link(from.constData(), to.constData());
}

int FileOps::rename(const QByteArray& from, const QByteArray& to) {
    return ::rename(from.constData(), to.constData());
}

int FileOps::unlink(const QByteArray& path) {
    return ::unlink(path.constData());
}
