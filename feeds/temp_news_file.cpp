#include "feeds/temp_news_file.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

TempNewsFile::TempNewsFile(const QString& path, const QByteArray& bytes)
    : path_(QFile::encodeName(path)) {
    // unlink() leaves directories alone and removes a link, not what it
    // points to. O_EXCL then refuses anything that appeared meanwhile, and
    // never opens a pipe or follows a link.
    ::unlink(path_.constData());
    const int fd =
        ::open(path_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    made_ = true;
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        at += n;
        left -= n;
    }
    written_ = left == 0;
    ::close(fd);
}

TempNewsFile::~TempNewsFile() {
    if (made_) {
        ::unlink(path_.constData());
    }
}
