#include "ui/folder_claim.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

#include <algorithm>
#include <unistd.h>

namespace {

constexpr char kShowYourself[] = "show\n";
constexpr char kShown[] = "ok\n";

QString lockPathIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral(".sanpo.lock"));
}

// One name per folder, however it was reached (links, "..").
QString socketNameFor(const QString& folder, const QString& socketDir) {
    QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty()) {
        canonical = QDir::cleanPath(QDir(folder).absolutePath());
    }
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha256);
    return QDir(socketDir).filePath(QStringLiteral("sanpo-%1-%2")
                                        .arg(::getuid())
                                        .arg(QString::fromLatin1(hash.toHex().left(24))));
}

} // namespace

QString userSocketDir() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir()) {
        return runtime;
    }
    return QDir::tempPath(); // shared: the user's id is in the name
}

FolderClaim::FolderClaim(const QString& folder, const QString& socketDir)
    : lockPath_(lockPathIn(folder)), socketName_(socketNameFor(folder, socketDir)),
      lock_(lockPath_) {
    // A mascot runs for months: only a lock whose process is gone is stale,
    // never one that is merely old.
    lock_.setStaleLockTime(0);
}

FolderClaim::~FolderClaim() {
    if (server_) {
        server_->close();
    }
}

FolderClaim::Outcome FolderClaim::claim(int patienceMs) {
    const QDeadlineTimer deadline(patienceMs);
    for (;;) {
        if (lock_.tryLock(0)) {
            // Under the lock a socket left by a crashed run is stale.
            QLocalServer::removeServer(socketName_);
            listen(); // without it this mascot only cannot be called again
            return Outcome::Claimed;
        }
        if (lock_.error() != QLockFile::LockFailedError) {
            break; // the folder refuses the lock file
        }
        if (handOver(0)) {
            return Outcome::HandedOver;
        }
        if (deadline.hasExpired()) {
            return Outcome::Stuck;
        }
        QThread::msleep(100);
    }
    // Without a lock file the socket is the only sign of a running mascot.
    if (handOver(patienceMs)) {
        return Outcome::HandedOver;
    }
    QLocalServer::removeServer(socketName_);
    listen();
    return Outcome::Claimed;
}

bool FolderClaim::handOver(int patienceMs) {
    QLocalSocket socket;
    socket.connectToServer(socketName_);
    if (!socket.waitForConnected(std::max(patienceMs, 500))) {
        return false;
    }
    socket.write(kShowYourself);
    socket.waitForBytesWritten(1000);
    // A mascot busy for a moment still answers later; it is there.
    socket.waitForReadyRead(2000);
    return true;
}

bool FolderClaim::listen() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketName_)) {
        server_.reset();
        return false;
    }
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (!peer->canReadLine()) {
                    if (peer->bytesAvailable() > 64) {
                        peer->abort(); // not a start of this program
                    }
                    return;
                }
                if (peer->readLine(64) == kShowYourself) {
                    emit calledAgain();
                }
                peer->write(kShown);
                peer->disconnectFromServer();
            });
        }
    });
    return true;
}
