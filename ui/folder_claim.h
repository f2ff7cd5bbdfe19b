#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

// One mascot per data folder: the first start claims the folder with a lock
// file in it and a local socket named after it; a later start on the same
// folder finds the socket, tells the running mascot to show itself and
// leaves. A lock whose process is gone (a crash, a power cut) is taken over.
// A folder that refuses the lock file is claimed by the socket alone.
class FolderClaim : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Claimed,    // this process is the folder's mascot
        HandedOver, // another one is, and has been told
        Stuck,      // another live process holds the lock but does not answer
    };

    // `folder` is the data folder, `socketDir` where the socket goes (the
    // user's runtime folder).
    FolderClaim(const QString& folder, const QString& socketDir);
    ~FolderClaim() override;

    // Claims the folder or hands over to its mascot; waits at most
    // `patienceMs` for a mascot that is still starting.
    [[nodiscard]] Outcome claim(int patienceMs = 5000);

    [[nodiscard]] QString socketName() const { return socketName_; }
    [[nodiscard]] QString lockPath() const { return lockPath_; }

signals:
    // Another start on this folder handed over to this process.
    void calledAgain();

private:
    bool handOver(int patienceMs);
    bool listen();

    QString lockPath_;
    QString socketName_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};

// Where this user's sockets go: $XDG_RUNTIME_DIR, else the temporary folder.
[[nodiscard]] QString userSocketDir();
