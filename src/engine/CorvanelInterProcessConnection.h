#pragma once

#include "engine/IpcSocketConnectionIfc.h"

#include <juce_events/juce_events.h>

#include <atomic>

// The message channel transport on the framework's interprocess connection: frames of
// magic 0x3ade68b1 and a little-endian length; callbacks come on its own reader thread.
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

    std::atomic<Client*> client { nullptr };
};
