#include "TcpSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace fhemu
{
TcpStream::TcpStream (int f) : fd (f)
{
    int one = 1;
    ::setsockopt (fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof (one));
}

TcpStream::~TcpStream()
{
    shutdown();
    ::close (fd);
}

bool TcpStream::sendAll (const void* data, std::size_t length)
{
    std::lock_guard<std::mutex> lock (sendLock);
    const auto* p = static_cast<const std::uint8_t*> (data);

    while (length > 0)
    {
        if (! open)
            return false;
        const auto n = ::send (fd, p, length, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        length -= static_cast<std::size_t> (n);
    }
    return true;
}

bool TcpStream::receiveExactly (void* data, std::size_t length)
{
    auto* p = static_cast<std::uint8_t*> (data);
    while (length > 0)
    {
        const auto n = ::recv (fd, p, length, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        length -= static_cast<std::size_t> (n);
    }
    return true;
}

void TcpStream::shutdown()
{
    if (open.exchange (false))
        ::shutdown (fd, SHUT_RDWR);
}

TcpListener::~TcpListener()
{
    close();
}

bool TcpListener::listen (int port)
{
    close();
    const int s = ::socket (AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;

    int one = 1;
    ::setsockopt (s, SOL_SOCKET, SO_REUSEADDR, &one, sizeof (one));

    sockaddr_in addr {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons (static_cast<std::uint16_t> (port));
    addr.sin_addr.s_addr = htonl (INADDR_LOOPBACK);

    if (::bind (s, reinterpret_cast<sockaddr*> (&addr), sizeof (addr)) != 0 || ::listen (s, 8) != 0)
    {
        ::close (s);
        return false;
    }

    socklen_t len = sizeof (addr);
    ::getsockname (s, reinterpret_cast<sockaddr*> (&addr), &len);
    boundPort = ntohs (addr.sin_port);
    fd = s;
    return true;
}

std::unique_ptr<TcpStream> TcpListener::accept (int timeoutMs)
{
    const int s = fd.load();
    if (s < 0)
        return nullptr;

    pollfd p { s, POLLIN, 0 };
    if (::poll (&p, 1, timeoutMs) <= 0 || (p.revents & POLLIN) == 0)
        return nullptr;

    const int c = ::accept4 (s, nullptr, nullptr, SOCK_CLOEXEC);
    if (c < 0)
        return nullptr;
    return std::make_unique<TcpStream> (c);
}

void TcpListener::close()
{
    const int s = fd.exchange (-1);
    if (s >= 0)
    {
        ::shutdown (s, SHUT_RDWR);
        ::close (s);
    }
}
} // namespace fhemu
