#include "EmulatorFramedServer.h"

#include <sys/socket.h>

#include <cstring>

namespace fhemu
{
void appendU16 (std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back (static_cast<std::uint8_t> (v));
    out.push_back (static_cast<std::uint8_t> (v >> 8));
}

void appendU32 (std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back (static_cast<std::uint8_t> (v >> (8 * i)));
}

void appendU64 (std::vector<std::uint8_t>& out, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.push_back (static_cast<std::uint8_t> (v >> (8 * i)));
}

void appendString (std::vector<std::uint8_t>& out, const std::string& text)
{
    appendU32 (out, static_cast<std::uint32_t> (text.size()));
    out.insert (out.end(), text.begin(), text.end());
}

std::uint32_t readU32 (const std::vector<std::uint8_t>& in, std::size_t offset)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4 && offset + i < in.size(); ++i)
        v |= static_cast<std::uint32_t> (in[offset + i]) << (8 * i);
    return v;
}

std::uint64_t readU64 (const std::vector<std::uint8_t>& in, std::size_t offset)
{
    return static_cast<std::uint64_t> (readU32 (in, offset)) | (static_cast<std::uint64_t> (readU32 (in, offset + 4)) << 32);
}

EmulatorFramedServer::Connection::Connection (std::unique_ptr<juce::StreamingSocket> s, std::uint32_t m)
    : socket (std::move (s)), magic (m)
{
}

EmulatorFramedServer::Connection::~Connection()
{
    close();
    if (reader.joinable())
    {
        if (reader.get_id() == std::this_thread::get_id())
            reader.detach();
        else
            reader.join();
    }
    release();
}

bool EmulatorFramedServer::Connection::sendRaw (const void* data, std::size_t size)
{
    std::lock_guard lock (sendMutex);
    if (! open.load())
        return false;
    return socket->write (data, static_cast<int> (size)) == static_cast<int> (size);
}

bool EmulatorFramedServer::Connection::sendFrame (const void* data, std::size_t size)
{
    std::vector<std::uint8_t> frame;
    frame.reserve (size + 8);
    appendU32 (frame, magic);
    appendU32 (frame, static_cast<std::uint32_t> (size));
    frame.insert (frame.end(), static_cast<const std::uint8_t*> (data), static_cast<const std::uint8_t*> (data) + size);
    return sendRaw (frame.data(), frame.size());
}

void EmulatorFramedServer::Connection::close()
{
    // Only shut the socket down here: a send or the reader may be using the
    // descriptor on another thread, and closing it under them could hand the
    // number to a new socket. The reader (or the destructor) releases it.
    if (open.exchange (false))
        ::shutdown (socket->getRawSocketHandle(), SHUT_RDWR);
}

void EmulatorFramedServer::Connection::release()
{
    std::lock_guard lock (sendMutex);
    socket->close();
}

EmulatorFramedServer::EmulatorFramedServer (std::uint32_t m) : magic (m) {}

EmulatorFramedServer::~EmulatorFramedServer()
{
    stop();
}

void EmulatorFramedServer::setFrameHandler (FrameHandler handler)
{
    frameHandler = std::move (handler);
}

void EmulatorFramedServer::setConnectionHandler (ConnectionHandler handler)
{
    connectionHandler = std::move (handler);
}

bool EmulatorFramedServer::start (int requestedPort)
{
    if (running.load())
        return true;
    if (! listener.createListener (requestedPort, "127.0.0.1"))
        return false;
    port = listener.getBoundPort();
    running = true;
    acceptThread = std::thread ([this] { acceptLoop(); });
    return true;
}

void EmulatorFramedServer::stop()
{
    if (running.exchange (false))
    {
        if (acceptThread.joinable())
            acceptThread.join();
        listener.close();
    }
    closeConnections();
}

void EmulatorFramedServer::acceptLoop()
{
    while (running.load())
    {
        if (listener.waitUntilReady (true, 50) <= 0)
            continue;
        std::unique_ptr<juce::StreamingSocket> socket (listener.waitForNextConnection());
        if (socket == nullptr || ! running.load())
            continue;

        auto connection = std::make_shared<Connection> (std::move (socket), magic);
        if (connectionHandler)
            connectionHandler (connection, true);
        std::lock_guard lock (connectionsMutex);
        connection->reader = std::thread ([this, connection] { readLoop (connection); });
        connectionList.push_back (connection);
    }
}

void EmulatorFramedServer::readLoop (ConnectionPtr connection)
{
    auto& socket = *connection->socket;
    std::vector<std::uint8_t> payload;

    auto readExactly = [&] (void* dest, int size) {
        int done = 0;
        while (done < size && connection->isOpen())
        {
            const int ready = socket.waitUntilReady (true, 50);
            if (ready < 0)
                return false;
            if (ready == 0)
                continue;
            const int n = socket.read (static_cast<char*> (dest) + done, size - done, false);
            if (n <= 0)
                return false;
            done += n;
        }
        return done == size;
    };

    while (connection->isOpen())
    {
        std::uint8_t header[8];
        if (! readExactly (header, 8))
            break;
        const std::vector<std::uint8_t> h (header, header + 8);
        const auto frameMagic = readU32 (h, 0);
        const auto length = static_cast<std::int32_t> (readU32 (h, 4));
        if (frameMagic != magic || length < 0 || length > (1 << 24))
            break;
        payload.assign (static_cast<std::size_t> (length), 0);
        if (length > 0 && ! readExactly (payload.data(), length))
            break;
        if (frameHandler)
            frameHandler (connection, payload);
    }

    connection->close();
    connection->release();
    if (connectionHandler)
        connectionHandler (connection, false);
}

std::vector<EmulatorFramedServer::ConnectionPtr> EmulatorFramedServer::connections() const
{
    std::lock_guard lock (connectionsMutex);
    return connectionList;
}

void EmulatorFramedServer::closeConnections()
{
    std::vector<ConnectionPtr> closing;
    {
        std::lock_guard lock (connectionsMutex);
        closing.swap (connectionList);
    }
    for (auto& c : closing)
    {
        c->close();
        if (c->reader.joinable() && c->reader.get_id() != std::this_thread::get_id())
            c->reader.join();
    }
}

int EmulatorFramedServer::numOpenConnections() const
{
    std::lock_guard lock (connectionsMutex);
    int n = 0;
    for (auto& c : connectionList)
        n += c->isOpen() ? 1 : 0;
    return n;
}
} // namespace fhemu
