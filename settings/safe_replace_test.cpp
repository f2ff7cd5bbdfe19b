#include "settings/safe_replace.h"

#include "tests/support/faulty_file_ops.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How the folder behaves and what the save is asked to do.
struct SaveCase {
    const char* name;
    bool refusesNewFiles = false;
    bool hasLinks = true;
    bool keepOriginal = false;
    bool growing = true; // the new content is longer than the old
};

const SaveCase kCases[] = {
    {"plain"},
    {"shrinking", false, true, false, false},
    {"keeping the original", false, true, true},
    {"keeping without links", false, false, true},
    {"in place", true},
    {"in place, shrinking", true, true, false, false},
};

class SafeReplaceTest : public ::testing::Test {
protected:
    std::optional<QTemporaryDir> dir;
    FaultyFileOps fs;
    QByteArray oldBytes = QByteArray("OLD\r\n").repeated(400);
    QByteArray newBytes;

    QString path(const QString& name = QStringLiteral("data")) const { return dir->filePath(name); }
    QByteArray read(const QString& name = QStringLiteral("data")) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList names() const {
        return QDir(dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    void prepare(const SaveCase& s) {
        dir.emplace();
        fs = FaultyFileOps{};
        write(QStringLiteral("data"), oldBytes);
        newBytes = QByteArray("NEW\r\n").repeated(s.growing ? 700 : 100);
        if (s.refusesNewFiles) {
            fs.alwaysFail[QStringLiteral("create")] = EACCES;
        }
        if (!s.hasLinks) {
            fs.alwaysFail[QStringLiteral("link")] = EPERM;
        }
    }
    ReplaceOutcome replace(const SaveCase& s) {
        return replaceFileSafely(fs, path(), newBytes, s.keepOriginal, 1 << 20);
    }

    // The file starts with its whole old or its whole new content (a reader
    // of the format stops there), and holding the new one, it has its old
    // one kept beside it when that was asked for.
    void expectWhole(const SaveCase& s, const char* when) {
        const QByteArray now = read();
        const bool isNew = now.startsWith(newBytes);
        EXPECT_TRUE(isNew || now.startsWith(oldBytes)) << s.name << when;
        if (isNew && s.keepOriginal) {
            EXPECT_EQ(read(QStringLiteral("data.bak")), oldBytes) << s.name << when;
        }
    }
};

TEST_F(SafeReplaceTest, TheFileIsWholeAfterEveryStepOfASave) {
    for (const SaveCase& s : kCases) {
        prepare(s);
        fs.afterEach = [&] { expectWhole(s, " between two steps"); };
        const ReplaceOutcome done = replace(s);
        EXPECT_TRUE(done.replaced) << s.name;
        EXPECT_EQ(done.originalKept, s.keepOriginal) << s.name;
        EXPECT_EQ(read(), newBytes) << s.name;
        QStringList expected{QStringLiteral("data")};
        if (s.keepOriginal) {
            expected << QStringLiteral("data.bak");
        }
        EXPECT_EQ(names(), expected) << s.name;
    }
}

TEST_F(SafeReplaceTest, AnyFailedStepLeavesAWholeFileAndNothingBehind) {
    for (const SaveCase& s : kCases) {
        prepare(s);
        replace(s);
        const int steps = fs.calls;
        for (int step = 1; step <= steps; ++step) {
            for (const int error : {ENOSPC, EIO}) {
                prepare(s);
                fs.failAt = step;
                fs.failError = error;
                const ReplaceOutcome done = replace(s);
                const QString what = fs.log.value(step - 1);
                SCOPED_TRACE(std::string(s.name) + ", failing " + what.toStdString() + " (step " +
                             std::to_string(step) + ", " + (error == EIO ? "EIO" : "ENOSPC") + ")");
                expectWhole(s, "");
                if (done.replaced) {
                    EXPECT_EQ(read(), newBytes);
                }
                if (what == QStringLiteral("fsync")) {
                    EXPECT_FALSE(done.replaced) << "unsynced data is no save";
                }
                for (const QString& name : names()) {
                    EXPECT_TRUE(name == QStringLiteral("data") ||
                                name == QStringLiteral("data.bak"))
                        << name.toStdString();
                }
                if (s.keepOriginal && names().contains(QStringLiteral("data.bak"))) {
                    EXPECT_EQ(read(QStringLiteral("data.bak")), oldBytes);
                }
            }
        }
    }
}

TEST_F(SafeReplaceTest, AnExistingBackupIsNeverReplaced) {
    const SaveCase keep{"keep", false, true, true};
    prepare(keep);
    write(QStringLiteral("data.bak"), "an earlier original");
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(path()).constData(), &before), 0);
    EXPECT_TRUE(replace(keep).originalKept);
    EXPECT_EQ(read(QStringLiteral("data.bak")), "an earlier original");
    struct stat kept {};
    ASSERT_EQ(stat(QFile::encodeName(path(QStringLiteral("data.bak2"))).constData(), &kept), 0);
    EXPECT_EQ(kept.st_ino, before.st_ino) << "the original itself, not a copy";

    newBytes = "third";
    EXPECT_TRUE(replace(keep).replaced);
    EXPECT_EQ(read(QStringLiteral("data.bak2")), oldBytes);
    EXPECT_EQ(read(QStringLiteral("data.bak3")), QByteArray("NEW\r\n").repeated(700));
}

TEST_F(SafeReplaceTest, WithoutLinksOnlyThePartAReaderTakesIsCopied) {
    const SaveCase keep{"keep without links", false, false, true};
    prepare(keep);
    oldBytes += QByteArray(3 << 20, 'x');
    write(QStringLiteral("data"), oldBytes);
    EXPECT_TRUE(replaceFileSafely(fs, path(), newBytes, true, 4096).replaced);
    EXPECT_EQ(read(QStringLiteral("data.bak")), oldBytes.left(4096));
}

// A disk without room for another file's data.
class FullDisk : public FaultyFileOps {
public:
    int open(const QByteArray& path, int flags, mode_t mode) override {
        writingNewFile_ = (flags & O_CREAT) != 0;
        return FaultyFileOps::open(path, flags, mode);
    }
    ssize_t pwrite(int fd, const char* data, size_t size, off_t offset) override {
        if (writingNewFile_) {
            errno = ENOSPC;
            return -1;
        }
        return FaultyFileOps::pwrite(fd, data, size, offset);
    }

private:
    bool writingNewFile_ = false;
};

TEST_F(SafeReplaceTest, AFullDiskTakesInTheOldFileWhatFitsThere) {
    prepare(SaveCase{"full", false, true, false, false});
    FullDisk disk;
    EXPECT_TRUE(replaceFileSafely(disk, path(), newBytes, false, 1 << 20).replaced);
    EXPECT_EQ(read(), newBytes);
    EXPECT_EQ(names(), QStringList{QStringLiteral("data")});
    // Unless the original must be kept, or another name shares the file:
    // then nothing changes.
    write(QStringLiteral("data"), oldBytes);
    EXPECT_FALSE(replaceFileSafely(disk, path(), newBytes, true, 1 << 20).replaced);
    EXPECT_EQ(read(), oldBytes);
    EXPECT_EQ(names(), QStringList{QStringLiteral("data")});
    ASSERT_EQ(::link(QFile::encodeName(path()).constData(),
                     QFile::encodeName(path(QStringLiteral("other"))).constData()),
              0);
    EXPECT_FALSE(replaceFileSafely(disk, path(), newBytes, false, 1 << 20).replaced);
    EXPECT_EQ(read(QStringLiteral("other")), oldBytes);
}

} // namespace
