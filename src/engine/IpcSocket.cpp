#include "engine/IpcSocket.h"

#include "foundation/Logger.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>

IpcSocket::IpcSocket (int timeoutMs, int maxPayload)
    : connectTimeoutMs (timeoutMs),
      maxFramePayload (maxPayload),
      socket (std::make_unique<juce::StreamingSocket>())
{
}

IpcSocket::~IpcSocket()
{
    close();
    socket.reset();
}

bool IpcSocket::connect (const juce::String& host, int port)
{
    if (socket == nullptr)
        return false;

    std::lock_guard<std::recursive_mutex> lock (stateLock);

    if (! socket->connect (host, port, connectTimeoutMs))
        return false;

    // The framework leaves a freshly connected socket non-blocking; frames are
    // written with blocking sends so that a full send buffer never cuts one.
    const int fd = socket->getRawSocketHandle();
    if (fd >= 0)
    {
        const int flags = fcntl (fd, F_GETFL, 0);
        if (flags >= 0)
            fcntl (fd, F_SETFL, flags & ~O_NONBLOCK);
    }

    connected = socket->isConnected();
    ++generation;
    return true;
}

void IpcSocket::close()
{
    if (socket == nullptr)
        return;

    // A send in flight on another thread must not see its descriptor closed (and
    // perhaps reused) under it: shutting the socket down first makes that send
    // return at once, and the descriptor is closed only once no send is inside.
    {
        std::lock_guard<std::recursive_mutex> lock (stateLock);
        const int fd = socket->getRawSocketHandle();
        if (fd >= 0 && socket->isConnected())
            ::shutdown (fd, SHUT_RDWR);
    }
    std::lock_guard<std::recursive_mutex> sending (sendLock);
    // Likewise a wait or read of the reader thread: the shutdown ends it at once.
    std::lock_guard<std::mutex> reading (readLock);
    std::lock_guard<std::recursive_mutex> lock (stateLock);

    if (socket->isConnected())
    {
        socket->close();
        ++generation;
    }
    connected = false;
}

bool IpcSocket::isConnected() const
{
    return socket != nullptr && socket->isConnected();
}

bool IpcSocket::getConnectResult() const
{
    return socket != nullptr && connected.load();
}

bool IpcSocket::sendAll (const std::uint8_t* data, int numBytes)
{
    int sent = 0;
    while (sent < numBytes)
    {
        if (! socket->isConnected())
            return false;

        const int n = socket->write (data + sent, numBytes - sent);
        if (n > 0)
            sent += n;
        else if (! (n < 0 && errno == EINTR))
            return false;
    }
    return true;
}

bool IpcSocket::write (const void* data, int length)
{
    if (socket == nullptr)
        return false;
    if (length < 0 || (data == nullptr && length > 0))
        return false;

    std::lock_guard<std::recursive_mutex> lock (sendLock);

    std::uint8_t header[frameHeaderSize];
    const auto magic = juce::ByteOrder::swapIfBigEndian (frameMagic);
    const auto len = juce::ByteOrder::swapIfBigEndian (static_cast<std::uint32_t> (length));
    std::memcpy (header, &magic, 4);
    std::memcpy (header + 4, &len, 4);

    if (! socket->isConnected() || ! sendAll (header, frameHeaderSize))
    {
        FH_LOG (spdlog::level::err, "Error writing IPC header to socket");
        // Part of a frame may have gone out: the stream is no longer in step.
        close();
        return false;
    }

    if (length > 0 && ! sendAll (static_cast<const std::uint8_t*> (data), length))
    {
        FH_LOG (spdlog::level::err, "Error writing IPC payload to socket");
        close();
        return false;
    }
    return true;
}

bool IpcSocket::write (const std::vector<std::uint8_t>& data)
{
    return write (data.data(), static_cast<int> (data.size()));
}

namespace
{
std::int64_t steadyNowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds> (steady_clock::now().time_since_epoch()).count();
}
} // namespace

bool IpcSocket::readExactly (void* dest, int numBytes, std::int64_t deadline)
{
    if (socket == nullptr || ! socket->isConnected())
    {
        close();
        return false;
    }

    auto* out = static_cast<char*> (dest);
    int got = 0;

    while (got < numBytes)
    {
        int waitMs = idlePollMs;
        if (deadline != 0)
        {
            const auto remaining = deadline - steadyNowMs();
            if (remaining <= 0)
            {
                FH_LOG (spdlog::level::err, "IPC message did not arrive whole within {} ms; closing the connection",
                        frameCompletionTimeoutMs);
                close();
                return false;
            }
            waitMs = static_cast<int> (std::min<std::int64_t> (remaining, idlePollMs));
        }

        int ready = -1;
        int n = -1;
        bool stillConnected = false;
        {
            // Never waits on or reads a descriptor that close() has released (and the
            // system may have handed to someone else).
            std::lock_guard<std::mutex> reading (readLock);
            if (socket->isConnected())
            {
                ready = socket->waitUntilReady (true, waitMs);
                if (ready > 0)
                    n = socket->read (out + got, numBytes - got, false);
                stillConnected = socket->isConnected();
            }
        }
        if (ready == 0 && stillConnected)
            continue;

        if (n > 0)
        {
            got += n;
            if (deadline == 0)
                deadline = steadyNowMs() + frameCompletionTimeoutMs;   // the frame has begun
            continue;
        }
        if (n < 0 && errno == EINTR && stillConnected)
            continue;

        // Peer gone or error. A frame cut in the middle leaves the stream out of
        // step, so the connection is closed whether or not bytes had arrived.
        close();
        return false;
    }
    return true;
}

void IpcSocket::endRunOfBadHeaders()
{
    if (badHeadersInARow > 1)
        FH_LOG (spdlog::level::err, "Invalid magic header in IPC message: {} headers in a row dropped", badHeadersInARow);
    badHeadersInARow = 0;
}

bool IpcSocket::readMessage (std::vector<std::uint8_t>& payload)
{
    std::uint8_t header[frameHeaderSize];
    if (! readExactly (header, frameHeaderSize, 0))
    {
        endRunOfBadHeaders();
        return false;
    }

    std::uint32_t magic = 0;
    std::uint32_t rawLength = 0;
    std::memcpy (&magic, header, 4);
    std::memcpy (&rawLength, header + 4, 4);
    magic = juce::ByteOrder::swapIfBigEndian (magic);
    const auto length = static_cast<std::int32_t> (juce::ByteOrder::swapIfBigEndian (rawLength));

    if (magic != frameMagic)
    {
        // Every further 8 bytes are read as a header again: one line for the
        // first, a count when the run ends.
        if (badHeadersInARow++ == 0)
            FH_LOG (spdlog::level::err, "Invalid magic header in IPC message");
        return false;
    }
    endRunOfBadHeaders();

    if (length <= 0)
        return false;

    if (length > maxFramePayload)
    {
        FH_LOG (spdlog::level::err, "IPC message of {} bytes exceeds the limit of {} bytes; closing the connection",
                length, maxFramePayload);
        close();
        return false;
    }

    payload.resize (static_cast<std::size_t> (length));
    return readExactly (payload.data(), length, steadyNowMs() + frameCompletionTimeoutMs);
}
