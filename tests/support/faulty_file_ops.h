#pragma once

#include "settings/file_ops.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

// The real file calls, with faults on demand: the call numbered `failAt`
// (counting from 1 over all calls) fails with `failError`, and every call
// named in `alwaysFail` fails with the error given there. A call is named as
// its function; an open that may create the file is "create". `afterEach`
// runs after every call that went through, to look at the disk in between.
class FaultyFileOps : public FileOps {
public:
    int failAt = 0;
    int failError = EIO;
    QHash<QString, int> alwaysFail;
    std::function<void()> afterEach;

    int calls = 0;   // calls made so far
    QStringList log; // their names, in order

    int open(const QByteArray& path, int flags, mode_t mode = 0) override;
    ssize_t pread(int fd, char* data, size_t size, off_t offset) override;
    ssize_t pwrite(int fd, const char* data, size_t size, off_t offset) override;
    int fsync(int fd) override;
    int close(int fd) override;
    int fstat(int fd, struct stat* out) override;
    int ftruncate(int fd, off_t size) override;
    int reserve(int fd, off_t size) override;
    int fchmod(int fd, mode_t mode) override;
    int lstat(const QByteArray& path, struct stat* out) override;
    int link(const QByteArray& from, const QByteArray& to) override;
    int rename(const QByteArray& from, const QByteArray& to) override;
    int unlink(const QByteArray& path) override;

private:
    // Returns the error the call `name` is to fail with, or 0 to let it run.
    int fault(const QString& name);
    template <typename Call> auto run(const QString& name, Call&& call) -> decltype(call());
};
