#pragma once

#include <QByteArray>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <vector>

// A small HTTP server on 127.0.0.1 for tests: each path answers with a
// fixed raw response, stays silent, or waits until the test releases it.
class LocalHttpServer {
public:
    struct Route {
        QByteArray response; // the raw bytes sent back
        bool silent = false; // never answer
        bool held = false;   // answer only on release()
    };

    LocalHttpServer();

    // Returns the address of `path` on this server.
    [[nodiscard]] QString url(const QString& path) const;
    void route(const QString& path, Route r) { routes_.insert(path, std::move(r)); }
    // Answers every held request.
    void release();

    // Returns a complete response with `status`, a Content-Length unless
    // `withLength` is false (the body then ends with the connection), and
    // the extra header lines given.
    static QByteArray response(int status, const QByteArray& body, QList<QByteArray> headers = {},
                               bool withLength = true);

    QStringList requestHeads; // what each request sent, in arrival order

private:
    void serve(QTcpSocket* socket, const QByteArray& buffer);

    QTcpServer server_;
    QHash<QString, Route> routes_;
    std::vector<std::pair<QPointer<QTcpSocket>, QByteArray>> held_;
};
