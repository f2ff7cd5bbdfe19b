#include "ui/folder_claim.h"

#include "tests/ui/wait_until.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <future>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class FolderClaimTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QTemporaryDir sockets;

    // Claims the folder from another thread, as a second start would, while
    // this thread's event loop lets the first one answer.
    FolderClaim::Outcome claimAside(int patienceMs = 5000) {
        auto outcome = std::async(std::launch::async, [&] {
            FolderClaim second(folder.path(), sockets.path());
            return second.claim(patienceMs);
        });
        waitUntil(
            [&] { return outcome.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        return outcome.get();
    }
};

TEST_F(FolderClaimTest, ASecondStartHandsOverToTheFirstWhichIsCalled) {
    FolderClaim first(folder.path(), sockets.path());
    ASSERT_EQ(first.claim(), FolderClaim::Outcome::Claimed);
    int called = 0;
    QObject::connect(&first, &FolderClaim::calledAgain, [&called] { ++called; });

    EXPECT_EQ(claimAside(), FolderClaim::Outcome::HandedOver);
    ASSERT_TRUE(waitUntil([&] { return called == 1; }));
    // The same folder reached by another spelling is the same folder.
    FolderClaim other(folder.path() + QStringLiteral("/."), sockets.path());
    EXPECT_EQ(other.socketName(), first.socketName());
}

TEST_F(FolderClaimTest, ALockLeftByACrashedRunDoesNotBlock) {
    // A run that took the lock and the socket's name, then died.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(FolderClaim(folder.path(), sockets.path()).lockPath());
        ::_exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    FolderClaim crashed(folder.path(), sockets.path());
    ASSERT_TRUE(QFile::exists(crashed.lockPath()));
    QFile leftover(crashed.socketName());
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    FolderClaim next(folder.path(), sockets.path());
    EXPECT_EQ(next.claim(), FolderClaim::Outcome::Claimed);
    EXPECT_EQ(claimAside(), FolderClaim::Outcome::HandedOver);
}

TEST_F(FolderClaimTest, ALiveHolderThatNeverAnswersIsNotJoined) {
    // The lock names the program as the program itself does.
    QCoreApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    QLockFile held(FolderClaim(folder.path(), sockets.path()).lockPath());
    ASSERT_TRUE(held.tryLock(0));
    FolderClaim second(folder.path(), sockets.path());
    EXPECT_EQ(second.claim(300), FolderClaim::Outcome::Stuck);
}

} // namespace
