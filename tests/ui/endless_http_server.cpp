#include "tests/ui/endless_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

EndlessHttpServer::EndlessHttpServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
    ::listen(listener_, 4);
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

EndlessHttpServer::~EndlessHttpServer() {
    stop_ = true;
    thread_.join();
    ::close(listener_);
}

QString EndlessHttpServer::url() const {
    return QStringLiteral("http://127.0.0.1:%1/endless").arg(port_);
}

void EndlessHttpServer::serve() {
    const std::string chunk = "10000\r\n" + std::string(0x10000, 'x') + "\r\n";
    while (!stop_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0) {
            continue;
        }
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            continue;
        }
        char request[4096];
        [[maybe_unused]] const ssize_t got = ::recv(client, request, sizeof request, 0);
        const std::string head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
        bool open = ::send(client, head.data(), head.size(), MSG_NOSIGNAL) > 0;
        while (open && !stop_) {
            pollfd writable{client, POLLOUT, 0};
            if (::poll(&writable, 1, 50) <= 0) {
                continue;
            }
            const ssize_t n = ::send(client, chunk.data(), chunk.size(), MSG_NOSIGNAL);
            open = n > 0;
            if (open) {
                sent_ += n;
            }
        }
        ::close(client);
    }
}
