#pragma once

#include <QString>

#include <atomic>
#include <thread>

// A hostile HTTP server on 127.0.0.1 for tests: every connection gets a
// chunked body that never ends, written from a thread of its own as fast as
// the client takes it. Counts what it has written.
class EndlessHttpServer {
public:
    EndlessHttpServer();
    ~EndlessHttpServer();
    EndlessHttpServer(const EndlessHttpServer&) = delete;
    EndlessHttpServer& operator=(const EndlessHttpServer&) = delete;

    [[nodiscard]] QString url() const;
    // Returns the bytes written so far, over all connections.
    [[nodiscard]] long long sent() const { return sent_.load(); }

private:
    void serve();

    int listener_ = -1;
    int port_ = 0;
    std::atomic<long long> sent_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
