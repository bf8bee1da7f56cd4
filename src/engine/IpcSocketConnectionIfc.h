#pragma once

#include "engine/IpcMemoryBlock.h"

#include <juce_core/juce_core.h>

#include <string>

// The message channel's transport: one framed stream connection with a reader thread.
class IpcSocketConnectionIfc
{
public:
    // Receiver of the transport's events.
    class Client
    {
    public:
        virtual ~Client() = default;
        // On the thread that called connectToSocket.
        virtual void connectionMade() = 0;
        // On the transport's reader thread, or on the thread that called disconnect.
        virtual void connectionLost() = 0;
        // On the transport's reader thread.
        virtual void messageReceived (CorvanelIpcMessages::IpcMemoryBlock& message) = 0;
    };

    virtual ~IpcSocketConnectionIfc() = default;
    virtual void setClient (Client* client) = 0;
    // Sends the block as one frame; false when not connected or the write fails.
    virtual bool sendMessage (const juce::MemoryBlock& message) = 0;
    virtual bool connectToSocket (const std::string& host, int port, int timeoutMs) = 0;
    // Closes the connection and waits for the reader thread. Never call it on the
    // reader thread itself: use closeFromReaderThread there.
    virtual void disconnect() = 0;
    // Closes the socket without waiting; the reader thread then ends by itself and
    // reports the lost connection. Safe on the reader thread.
    virtual void closeFromReaderThread() = 0;
};
