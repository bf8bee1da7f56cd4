#include "AsyncDataServer.h"

#include "EmuLog.h"

namespace fhemu
{
AsyncDataServer::AsyncDataServer (int port)
{
    start (port);
}

AsyncDataServer::~AsyncDataServer()
{
    stop();
}

bool AsyncDataServer::start (int port)
{
    if (listening || thread.joinable())
        return false;

    listening = listener.listen (port);
    if (! listening)
    {
        fhemu::log (LogLevel::error, "data channel: cannot listen on port " + std::to_string (port));
        return false;
    }
    fhemu::log (LogLevel::info, "data channel: listening on port " + std::to_string (listener.port()));
    stopping = false;
    thread = std::thread ([this] { serve(); });
    return true;
}

void AsyncDataServer::stop()
{
    stopping = true;
    dropConnection();
    if (thread.joinable())
        thread.join();
    listener.close();
    listening = false;
}

void AsyncDataServer::serve()
{
    while (! stopping)
    {
        auto accepted = listener.accept (50);
        if (accepted == nullptr)
            continue;

        std::shared_ptr<TcpStream> s (std::move (accepted));
        {
            std::lock_guard<std::mutex> l (stateLock);
            stream = s;
            ++this->accepted;
            decoder.reset();
            stalled = false;
        }
        stateChanged.notify_all();
        fhemu::log (LogLevel::info, "data channel: client connected");
        std::function<void()> onConnect;
        {
            std::lock_guard<std::mutex> l (stateLock);
            onConnect = connectionHandler;
        }
        if (onConnect)
            onConnect();

        readConnection (s);

        {
            std::lock_guard<std::mutex> l (stateLock);
            if (stream == s)
                stream.reset();
        }
        s->shutdown();
        stateChanged.notify_all();
        fhemu::log (LogLevel::info, "data channel: client disconnected");
    }
}

void AsyncDataServer::readConnection (const std::shared_ptr<TcpStream>& s)
{
    while (! stopping)
    {
        std::uint8_t header[wire::frameHeaderSize];
        if (! s->receiveExactly (header, sizeof (header)))
            return;

        RecordedFrame frame;
        frame.magic = wire::getLe32 (header);
        frame.length = static_cast<std::int32_t> (wire::getLe32 (header + 4));

        if (frame.magic != wire::frameMagic)
        {
            log.addErrors ({ "frame with wrong magic " + std::to_string (frame.magic) });
            log.addFrame (std::move (frame));
            return;
        }
        if (frame.length <= 0 || frame.length > maxFrameLength)
        {
            const bool tooLong = frame.length > maxFrameLength;
            log.addErrors ({ "frame with length " + std::to_string (frame.length) });
            log.addFrame (std::move (frame));
            if (tooLong)
                return;   // the stream can no longer be followed
            continue;
        }

        frame.payload.resize (static_cast<std::size_t> (frame.length));
        if (! s->receiveExactly (frame.payload.data(), frame.payload.size()))
            return;

        std::vector<RecordedTransaction> done;
        std::vector<std::string> errors;
        decoder.feedFrame (frame.payload, frameCounter++, done, errors);

        for (const auto& e : errors)
            fhemu::log (LogLevel::warn, "data channel: " + e);
        for (const auto& t : done)
            fhemu::log (LogLevel::debug, "data channel: received " + t.header.describe() + " payload "
                                            + std::to_string (t.payload.size()) + " bytes");

        log.addFrame (std::move (frame));
        log.addErrors (std::move (errors));

        std::function<void (const RecordedTransaction&)> h;
        {
            std::lock_guard<std::mutex> l (stateLock);
            h = handler;
        }
        const auto copy = h ? done : std::vector<RecordedTransaction> {};
        log.addTransactions (std::move (done));
        if (h)
            for (const auto& t : copy)
                h (t);
    }
}

std::shared_ptr<TcpStream> AsyncDataServer::currentStream() const
{
    std::lock_guard<std::mutex> l (stateLock);
    return stream;
}

bool AsyncDataServer::waitForConnection (std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> l (stateLock);
    return stateChanged.wait_for (l, timeout, [&] { return stream != nullptr; });
}

bool AsyncDataServer::waitForDisconnect (std::chrono::milliseconds timeout) const
{
    std::unique_lock<std::mutex> l (stateLock);
    return stateChanged.wait_for (l, timeout, [&] { return stream == nullptr; });
}

bool AsyncDataServer::isClientConnected() const
{
    return currentStream() != nullptr;
}

int AsyncDataServer::numConnectionsAccepted() const
{
    std::lock_guard<std::mutex> l (stateLock);
    return accepted;
}

void AsyncDataServer::setTransactionHandler (std::function<void (const RecordedTransaction&)> h)
{
    std::lock_guard<std::mutex> l (stateLock);
    handler = std::move (h);
}

void AsyncDataServer::setConnectionHandler (std::function<void()> h)
{
    std::lock_guard<std::mutex> l (stateLock);
    connectionHandler = std::move (h);
}

bool AsyncDataServer::sendRaw (const Bytes& bytes)
{
    auto s = currentStream();
    return s != nullptr && ! stalled.load() && s->sendAll (bytes.data(), bytes.size());
}

bool AsyncDataServer::sendStalledFrame (std::int32_t declaredLength, std::size_t bytesSent)
{
    const bool sent = sendRaw (wire::frame (Bytes (bytesSent, 0x5A), wire::frameMagic, declaredLength));
    stalled = true;
    return sent;
}

bool AsyncDataServer::sendInPieces (const Bytes& bytes, const std::vector<std::size_t>& pieceSizes,
                                    std::chrono::milliseconds pause)
{
    auto s = currentStream();
    if (s == nullptr)
        return false;

    std::size_t pos = 0;
    for (auto size : pieceSizes)
    {
        const auto n = std::min (size, bytes.size() - pos);
        if (n > 0 && ! s->sendAll (bytes.data() + pos, n))
            return false;
        pos += n;
        std::this_thread::sleep_for (pause);
    }
    return pos >= bytes.size() || s->sendAll (bytes.data() + pos, bytes.size() - pos);
}

bool AsyncDataServer::sendFrame (const Bytes& payload)
{
    return sendRaw (wire::frame (payload));
}

bool AsyncDataServer::sendTransaction (const OutgoingTransaction& transaction)
{
    for (const auto& chunk : encodeChunks (transaction))
        if (! sendFrame (chunk))
            return false;
    return true;
}

bool AsyncDataServer::sendPacked (const std::vector<OutgoingTransaction>& transactions)
{
    Bytes payload;
    for (const auto& t : transactions)
        for (const auto& chunk : encodeChunks (t))
            payload.insert (payload.end(), chunk.begin(), chunk.end());
    return sendFrame (payload);
}

void AsyncDataServer::dropConnection()
{
    if (auto s = currentStream())
        s->shutdown();
}
} // namespace fhemu
