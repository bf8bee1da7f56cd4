#pragma once

#include "engine/EngineLimits.h"
#include "engine/IpcSocketIfc.h"

#include <atomic>
#include <memory>
#include <mutex>

// The framed socket of the engine's per-device connections (asynchronous data,
// audio signalling). Frames are the little-endian magic 0x3671A379, a signed
// 32-bit payload length and the payload.
//
// write may be called from any thread (one frame at a time, under the send
// lock); readMessage only from the connection's reader thread; connect and close
// from any thread.
class IpcSocket : public IpcSocketIfc
{
public:
    static constexpr std::uint32_t frameMagic = 0x3671A379u;
    static constexpr int frameHeaderSize = 8;
    // How long the rest of a frame may take once its first byte has come; a
    // frame that stalls longer closes the connection.
    static constexpr int frameCompletionTimeoutMs = 1000;

    explicit IpcSocket (int connectTimeoutMs = EngineLimits::defaultConnectTimeoutMs,
                        int maxFramePayload = EngineLimits::maxIncomingFramePayload);
    ~IpcSocket() override;

    bool connect (const juce::String& host, int port) override;
    void close() override;
    bool isConnected() const override;
    bool getConnectResult() const override;
    bool write (const void* data, int length) override;
    bool write (const std::vector<std::uint8_t>& data) override;
    bool readMessage (std::vector<std::uint8_t>& payload) override;

    // Changes on every successful connect and every close of a connected socket,
    // so that whoever buffers data for a connection can tell it is another one.
    std::uint32_t getConnectionGeneration() const { return generation.load(); }

private:
    // deadline: monotonic milliseconds; 0 waits as long as the connection stands
    // until the first byte, then gives the rest frameCompletionTimeoutMs.
    bool readExactly (void* dest, int numBytes, std::int64_t deadline);
    bool sendAll (const std::uint8_t* data, int numBytes);
    void endRunOfBadHeaders();

    static constexpr int idlePollMs = 100;

    const int connectTimeoutMs;
    const int maxFramePayload;
    std::unique_ptr<juce::StreamingSocket> socket;
    std::atomic<bool> connected { false };
    std::atomic<std::uint32_t> generation { 0 };
    std::recursive_mutex sendLock;     // held through a frame's send, and by close (taken before stateLock)
    std::mutex readLock;               // held through each wait and read of the reader thread, and by close
    std::recursive_mutex stateLock;   // connect and close
    int badHeadersInARow = 0;          // reader thread
};
