#pragma once

#include "engine/IpcSocketConnectionIfc.h"

#include <juce_events/juce_events.h>

#include <atomic>

// The message channel transport on the framework's interprocess connection: frames of
// magic 0x3ade68b1 and a little-endian length; callbacks come on its own reader thread.
// The framework's reader ends without reporting a lost connection when a frame does not
// start with the magic number; a watch on the message thread notices that, logs it and
// closes the connection, so the client hears of the loss and connects again.
class CorvanelInterProcessConnection final : public IpcSocketConnectionIfc,
                                             private juce::InterprocessConnection
{
public:
    CorvanelInterProcessConnection();
    ~CorvanelInterProcessConnection() override;

    void setClient (Client* client) override;
    bool sendMessage (const juce::MemoryBlock& message) override;
    bool connectToSocket (const std::string& host, int port, int timeoutMs) override;
    void disconnect() override;
    void closeFromReaderThread() override;

private:
    void connectionMade() override;
    void connectionLost() override;
    void messageReceived (const juce::MemoryBlock& message) override;

    // Message thread: closes a connection whose reader has ended unreported.
    void checkReader();

    struct ReaderWatch : public juce::Timer
    {
        explicit ReaderWatch (CorvanelInterProcessConnection& o) : owner (o) {}
        void timerCallback() override { owner.checkReader(); }
        CorvanelInterProcessConnection& owner;
    };

    std::atomic<Client*> client { nullptr };
    std::atomic<bool> open { false };
    int readerEndedTicks = 0;   // message thread
    ReaderWatch readerWatch { *this };
};
