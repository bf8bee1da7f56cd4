#pragma once

#include "engine/IpcSocketConnectionIfc.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <memory>
#include <mutex>

// The message channel transport: one loopback stream of frames (magic 0x3ade68b1,
// little-endian length, payload) read by its own thread. The frames are read here
// rather than by the framework's interprocess connection because the length is
// checked before anything is allocated: a frame longer than the channel can carry,
// a frame that does not start with the magic number, or a frame body that does not
// arrive within a second closes the connection with an error line, and the client
// hears of it as a lost connection and connects again.
class CorvanelInterProcessConnection final : public IpcSocketConnectionIfc
{
public:
    // Far more than the longest device list; far less than the data channel's cap.
    static constexpr std::uint32_t maxFrameLength = 1024 * 1024;
    // How long the rest of a frame may take once its first byte has come.
    static constexpr int frameCompletionTimeoutMs = 1000;

    CorvanelInterProcessConnection();
    ~CorvanelInterProcessConnection() override;

    void setClient (Client* client) override;
    bool sendMessage (const juce::MemoryBlock& message) override;
    bool connectToSocket (const std::string& host, int port, int timeoutMs) override;
    void disconnect() override;
    void closeFromReaderThread() override;

private:
    class Reader;

    // Reader thread: reads frames until the socket closes or a frame is refused.
    void readFrames (juce::StreamingSocket& socket, Reader& thread);
    // Reports the loss of a made connection once, whichever thread comes first.
    void reportLost();
    void shutDownSocket();

    std::atomic<Client*> client { nullptr };
    std::mutex stateLock;   // the socket and the reader, while they are replaced
    std::mutex sendLock;    // one frame at a time
    std::shared_ptr<juce::StreamingSocket> socket;
    std::unique_ptr<Reader> reader;
    std::atomic<bool> lossPending { false };   // a made connection not yet reported lost
};
