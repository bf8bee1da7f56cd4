#pragma once

#include "TcpSocket.h"
#include "TransactionCodec.h"
#include "TransactionLog.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace fhemu
{
// The engine's end of one device's asynchronous-data connection: listens on a
// port (0 = a free one), serves one client connection at a time, records every
// frame and transaction it receives and sends whatever it is asked to,
// including malformed frames and transactions.
class AsyncDataServer
{
public:
    // Frames above this are refused and the connection dropped.
    static constexpr std::int32_t maxFrameLength = 16 * 1024 * 1024;

    // Not listening until start().
    AsyncDataServer() = default;
    // Listens at once (see isListening()).
    explicit AsyncDataServer (int port);
    ~AsyncDataServer();

    // Port 0 takes a free port. False when the port cannot be bound or it already listens.
    bool start (int port);
    // Closes the client connection and stops listening.
    void stop();

    AsyncDataServer (const AsyncDataServer&) = delete;
    AsyncDataServer& operator= (const AsyncDataServer&) = delete;

    bool isListening() const { return listening; }
    int port() const { return listener.port(); }
    int getPort() const { return port(); }

    bool waitForConnection (std::chrono::milliseconds timeout) const;
    bool waitForDisconnect (std::chrono::milliseconds timeout) const;
    bool isClientConnected() const;
    int numConnectionsAccepted() const;

    // Called on the reader thread with each complete transaction, after it is recorded.
    void setTransactionHandler (std::function<void (const RecordedTransaction&)> handler);
    // Called on the reader thread when a client has connected, before anything is read from it.
    void setConnectionHandler (std::function<void()> handler);

    TransactionLog& received() { return log; }

    // Sending. Each returns false when no client is connected or the write fails.
    bool sendRaw (const Bytes& bytes);
    // The bytes in pieces of the given sizes (the rest in a last piece), one
    // write each with a pause between, so that a frame arrives in several segments.
    bool sendInPieces (const Bytes& bytes, const std::vector<std::size_t>& pieceSizes, std::chrono::milliseconds pause);
    bool sendFrame (const Bytes& payload);
    // Every chunk in a frame of its own.
    bool sendTransaction (const OutgoingTransaction& transaction);
    // Every chunk of every transaction, back to back in one frame.
    bool sendPacked (const std::vector<OutgoingTransaction>& transactions);

    // Closes the client connection as a vanishing engine would.
    void dropConnection();
    // An engine that stops in the middle of a frame: the header announcing
    // declaredLength bytes and the first bytesSent of them go out, then nothing
    // more on this connection (every later send is dropped) until the next one.
    bool sendStalledFrame (std::int32_t declaredLength, std::size_t bytesSent);

private:
    void serve();
    void readConnection (const std::shared_ptr<TcpStream>& stream);
    std::shared_ptr<TcpStream> currentStream() const;

    TcpListener listener;
    std::atomic<bool> listening { false };
    TransactionLog log;
    TransactionDecoder decoder;
    std::size_t frameCounter = 0;

    mutable std::mutex stateLock;
    mutable std::condition_variable stateChanged;
    std::shared_ptr<TcpStream> stream;
    int accepted = 0;
    std::function<void (const RecordedTransaction&)> handler;
    std::function<void()> connectionHandler;

    std::atomic<bool> stopping { false };
    std::atomic<bool> stalled { false };   // the current connection sends nothing more
    std::thread thread;
};
} // namespace fhemu
