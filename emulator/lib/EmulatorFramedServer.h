#pragma once

#include <juce_core/juce_core.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace fhemu
{
// A loopback TCP server whose connections carry frames of a magic word, a
// little-endian length and a payload. Each connection has a reader thread that hands
// every payload to the server's handler.
class EmulatorFramedServer
{
public:
    class Connection
    {
    public:
        Connection (std::unique_ptr<juce::StreamingSocket> socket, std::uint32_t magic);
        ~Connection();

        // Any thread; one frame at a time.
        bool sendFrame (const void* data, std::size_t size);
        bool sendFrame (const std::vector<std::uint8_t>& payload) { return sendFrame (payload.data(), payload.size()); }
        // Raw bytes, for sending malformed frames.
        bool sendRaw (const void* data, std::size_t size);
        // Any thread: ends the connection (the peer sees it closed).
        void close();
        bool isOpen() const { return open.load(); }

    private:
        friend class EmulatorFramedServer;
        // Closes the descriptor once nothing can use it any more (reader thread or destructor).
        void release();
        std::unique_ptr<juce::StreamingSocket> socket;
        const std::uint32_t magic;
        std::mutex sendMutex;
        std::atomic<bool> open { true };
        std::thread reader;
    };

    using ConnectionPtr = std::shared_ptr<Connection>;
    // Reader thread of the connection.
    using FrameHandler = std::function<void (const ConnectionPtr&, std::vector<std::uint8_t>&)>;
    // Accept thread (connected) or reader thread (closed).
    using ConnectionHandler = std::function<void (const ConnectionPtr&, bool connected)>;

    explicit EmulatorFramedServer (std::uint32_t magic);
    ~EmulatorFramedServer();

    void setFrameHandler (FrameHandler handler);
    void setConnectionHandler (ConnectionHandler handler);

    // Port 0 takes a free port. False when the port cannot be bound.
    bool start (int port);
    // Stops accepting and closes every connection.
    void stop();
    int getPort() const { return port.load(); }
    bool isRunning() const { return running.load(); }

    std::vector<ConnectionPtr> connections() const;
    // Closes every connection but keeps listening.
    void closeConnections();
    int numOpenConnections() const;

private:
    void acceptLoop();
    void readLoop (ConnectionPtr connection);

    const std::uint32_t magic;
    FrameHandler frameHandler;
    ConnectionHandler connectionHandler;
    juce::StreamingSocket listener;
    std::atomic<int> port { 0 };
    std::atomic<bool> running { false };
    std::thread acceptThread;
    mutable std::mutex connectionsMutex;
    std::vector<ConnectionPtr> connectionList;
};

// Little-endian helpers shared by the emulator's message builders.
void appendU16 (std::vector<std::uint8_t>& out, std::uint16_t value);
void appendU32 (std::vector<std::uint8_t>& out, std::uint32_t value);
void appendU64 (std::vector<std::uint8_t>& out, std::uint64_t value);
void appendString (std::vector<std::uint8_t>& out, const std::string& text);
std::uint32_t readU32 (const std::vector<std::uint8_t>& in, std::size_t offset);
std::uint64_t readU64 (const std::vector<std::uint8_t>& in, std::size_t offset);
} // namespace fhemu
