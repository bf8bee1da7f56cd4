#include "engine/CorvanelInterProcessConnection.h"

#include "engine/EngineMessages.h"
#include "foundation/Logger.h"

#include <fcntl.h>
#include <sys/socket.h>

#include <chrono>
#include <cstring>

namespace
{
constexpr int pollIntervalMs = 50;
constexpr int headerSize = 8;

std::uint32_t readLe32 (const std::uint8_t* p)
{
    return static_cast<std::uint32_t> (p[0]) | (static_cast<std::uint32_t> (p[1]) << 8)
         | (static_cast<std::uint32_t> (p[2]) << 16) | (static_cast<std::uint32_t> (p[3]) << 24);
}

void putLe32 (std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t> (v >> (8 * i));
}

std::int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds> (steady_clock::now().time_since_epoch()).count();
}
} // namespace

// The reader thread of one made connection.
class CorvanelInterProcessConnection::Reader final : public juce::Thread
{
public:
    Reader (CorvanelInterProcessConnection& o, std::shared_ptr<juce::StreamingSocket> s)
        : juce::Thread ("IPC message channel"), owner (o), socket (std::move (s))
    {
    }

    void run() override { owner.readFrames (*socket, *this); }

private:
    CorvanelInterProcessConnection& owner;
    std::shared_ptr<juce::StreamingSocket> socket;
};

CorvanelInterProcessConnection::CorvanelInterProcessConnection() = default;

CorvanelInterProcessConnection::~CorvanelInterProcessConnection()
{
    client = nullptr;
    disconnect();
}

void CorvanelInterProcessConnection::setClient (Client* newClient)
{
    client = newClient;
}

bool CorvanelInterProcessConnection::sendMessage (const juce::MemoryBlock& message)
{
    std::shared_ptr<juce::StreamingSocket> s;
    {
        std::lock_guard lock (stateLock);
        s = socket;
    }
    if (s == nullptr || ! s->isConnected())
        return false;

    std::vector<std::uint8_t> frame (headerSize + message.getSize());
    putLe32 (frame.data(), kMessageChannelMagic);
    putLe32 (frame.data() + 4, static_cast<std::uint32_t> (message.getSize()));
    if (message.getSize() > 0)
        std::memcpy (frame.data() + headerSize, message.getData(), message.getSize());

    std::lock_guard lock (sendLock);
    return s->write (frame.data(), static_cast<int> (frame.size())) == static_cast<int> (frame.size());
}

bool CorvanelInterProcessConnection::connectToSocket (const std::string& host, int port, int timeoutMs)
{
    disconnect();

    auto s = std::make_shared<juce::StreamingSocket>();
    if (! s->connect (juce::String (host), port, timeoutMs))
        return false;

    // Frames are written with blocking sends, so that a full send buffer never cuts one.
    if (const int fd = s->getRawSocketHandle(); fd >= 0)
        if (const int flags = ::fcntl (fd, F_GETFL, 0); flags >= 0)
            ::fcntl (fd, F_SETFL, flags & ~O_NONBLOCK);

    {
        std::lock_guard lock (stateLock);
        socket = s;
        reader = std::make_unique<Reader> (*this, s);
        lossPending = true;
    }
    if (auto* c = client.load())
        c->connectionMade();

    // A request's failed send may have disconnected meanwhile (another thread).
    std::lock_guard lock (stateLock);
    if (reader != nullptr && socket == s)
        reader->startThread();
    return true;
}

void CorvanelInterProcessConnection::shutDownSocket()
{
    // Only shut down here: the reader may be inside a read on this descriptor, and
    // closing it under the reader could hand the number to a new socket. The
    // descriptor is closed once nothing uses it.
    std::lock_guard lock (stateLock);
    if (socket != nullptr && socket->getRawSocketHandle() >= 0)
        ::shutdown (socket->getRawSocketHandle(), SHUT_RDWR);
}

void CorvanelInterProcessConnection::disconnect()
{
    std::unique_ptr<Reader> ending;
    std::shared_ptr<juce::StreamingSocket> closing;
    {
        std::lock_guard lock (stateLock);
        ending = std::move (reader);
        closing = std::move (socket);
    }
    if (ending != nullptr)
    {
        jassert (juce::Thread::getCurrentThread() != ending.get());   // use closeFromReaderThread there
        ending->signalThreadShouldExit();
        if (closing != nullptr && closing->getRawSocketHandle() >= 0)
            ::shutdown (closing->getRawSocketHandle(), SHUT_RDWR);
        ending->stopThread (-1);
    }
    if (closing != nullptr)
        closing->close();
    reportLost();
}

void CorvanelInterProcessConnection::closeFromReaderThread()
{
    // The reader's next wait fails: it reports the lost connection and ends by itself.
    shutDownSocket();
}

void CorvanelInterProcessConnection::reportLost()
{
    if (lossPending.exchange (false))
        if (auto* c = client.load())
            c->connectionLost();
}

void CorvanelInterProcessConnection::readFrames (juce::StreamingSocket& s, Reader& thread)
{
    enum class Outcome
    {
        done,
        closed,
        stalled
    };

    // Reads exactly size bytes. Without a deadline it waits as long as the
    // connection stands; with one, the bytes must have come by then.
    auto readExactly = [&] (std::uint8_t* dest, int size, std::int64_t deadline) {
        int done = 0;
        while (done < size)
        {
            if (thread.threadShouldExit())
                return Outcome::closed;
            if (deadline > 0 && nowMs() >= deadline)
                return Outcome::stalled;
            const int ready = s.waitUntilReady (true, pollIntervalMs);
            if (ready < 0)
                return Outcome::closed;
            if (ready == 0)
                continue;
            const int n = s.read (dest + done, size - done, false);
            if (n <= 0)
                return Outcome::closed;
            done += n;
            if (deadline == 0)
                deadline = nowMs() + frameCompletionTimeoutMs;   // the frame has begun
        }
        return Outcome::done;
    };

    std::vector<std::uint8_t> payload;
    for (;;)
    {
        std::uint8_t header[headerSize];
        auto outcome = readExactly (header, headerSize, 0);
        if (outcome == Outcome::done)
        {
            const auto magic = readLe32 (header);
            const auto length = readLe32 (header + 4);
            if (magic != kMessageChannelMagic)
            {
                FH_LOG (spdlog::level::err, "Message channel: the engine sent data that is not a frame of this "
                                            "channel; closing the connection");
                break;
            }
            if (length > maxFrameLength)
            {
                FH_LOG (spdlog::level::err, "Message channel: a frame of {} bytes is over the limit of {} bytes; "
                                            "closing the connection", length, maxFrameLength);
                break;
            }
            payload.resize (length);
            outcome = length == 0 ? Outcome::done
                                  : readExactly (payload.data(), static_cast<int> (length), nowMs() + frameCompletionTimeoutMs);
            if (outcome == Outcome::done)
            {
                CorvanelIpcMessages::IpcMemoryBlock block (payload.data(), payload.size());
                if (auto* c = client.load())
                    c->messageReceived (block);
                continue;
            }
        }
        if (outcome == Outcome::stalled)
            FH_LOG (spdlog::level::err, "Message channel: a frame did not arrive whole within {} ms; closing the "
                                        "connection", frameCompletionTimeoutMs);
        break;
    }

    shutDownSocket();
    if (! thread.threadShouldExit())
        reportLost();
}
