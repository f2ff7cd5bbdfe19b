#pragma once

#include <QByteArray>

#include <sys/stat.h>
#include <sys/types.h>

// The file-system calls a careful save makes, one virtual function each, so
// a test can make any one of them fail or stop there. Each does what the
// POSIX call of its name does and returns what it returns (-1 with errno set
// on failure); paths are in the local 8-bit encoding.
class FileOps {
public:
    virtual ~FileOps() = default;

    virtual int open(const QByteArray& path, int flags, mode_t mode = 0);
    virtual ssize_t pread(int fd, char* data, size_t size, off_t offset);
    virtual ssize_t pwrite(int fd, const char* data, size_t size, off_t offset);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int fstat(int fd, struct stat* out);
    virtual int ftruncate(int fd, off_t size);
    // Reserves the blocks of [0, size) without changing the file's size.
    virtual int reserve(int fd, off_t size);
    virtual int fchmod(int fd, mode_t mode);
    virtual int lstat(const QByteArray& path, struct stat* out);
    virtual int link(const QByteArray& from, const QByteArray& to);
    virtual int rename(const QByteArray& from, const QByteArray& to);
    virtual int unlink(const QByteArray& path);
};
