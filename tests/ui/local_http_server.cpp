#include "tests/ui/local_http_server.h"

#include <memory>

LocalHttpServer::LocalHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                *buffer += socket->readAll();
                if (buffer->contains("\r\n\r\n")) {
                    serve(socket, *buffer);
                    buffer->clear();
                }
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString LocalHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
}

QByteArray LocalHttpServer::response(int status, const QByteArray& body, QList<QByteArray> headers,
                                     bool withLength) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\n";
    out += "Connection: close\r\n";
    if (withLength) {
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    }
    for (const QByteArray& h : headers) {
        out += h + "\r\n";
    }
    return out + "\r\n" + body;
}

void LocalHttpServer::serve(QTcpSocket* socket, const QByteArray& buffer) {
    const QByteArray head = buffer.left(buffer.indexOf("\r\n\r\n"));
    requestHeads.append(QString::fromLatin1(head));
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() >= 2 ? QString::fromLatin1(requestLine[1]) : QString();
    const auto it = routes_.constFind(path);
    if (it == routes_.constEnd()) {
        socket->write(response(404, "not here"));
        socket->disconnectFromHost();
        return;
    }
    if (it->silent) {
        return;
    }
    if (it->held) {
        held_.emplace_back(socket, it->response);
        return;
    }
    socket->write(it->response);
    socket->disconnectFromHost();
}

void LocalHttpServer::release() {
    for (auto& [socket, bytes] : held_) {
        if (socket) {
            socket->write(bytes);
            socket->disconnectFromHost();
        }
    }
    held_.clear();
}
