#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

// Plain POSIX TCP on the loopback interface, for the emulator's servers.
namespace fhemu
{
// One accepted connection. send* may be called from any thread (the send lock
// keeps each call's bytes together); receive only from one reader thread.
class TcpStream
{
public:
    explicit TcpStream (int fd);
    ~TcpStream();

    TcpStream (const TcpStream&) = delete;
    TcpStream& operator= (const TcpStream&) = delete;

    bool sendAll (const void* data, std::size_t length);
    // Reads exactly length bytes; false when the peer closed or an error occurred.
    bool receiveExactly (void* data, std::size_t length);
    // Wakes a blocked reader and makes every later call fail.
    void shutdown();
    bool isOpen() const { return open.load(); }

private:
    int fd;
    std::atomic<bool> open { true };
    std::mutex sendLock;
};

// A listening socket on 127.0.0.1; port 0 picks a free port.
class TcpListener
{
public:
    TcpListener() = default;
    ~TcpListener();

    bool listen (int port);
    int port() const { return boundPort; }

    // Waits up to timeoutMs for a connection; nullptr on time-out or after close().
    std::unique_ptr<TcpStream> accept (int timeoutMs);
    void close();

private:
    std::atomic<int> fd { -1 };
    int boundPort = 0;
};
} // namespace fhemu
