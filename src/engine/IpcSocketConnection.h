#pragma once

#include "engine/IpcConnection.h"
#include "engine/IpcSocket.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <memory>
#include <vector>

// A device connection on a framed socket, with a reader thread that reads
// frame after frame until it is stopped or the peer goes away. The loss of a
// connection is reported to the listeners once.
class IpcSocketConnection : public juce::Thread, public IpcConnection
{
public:
    IpcSocketConnection (const juce::String& threadName, std::unique_ptr<IpcSocket> socket);
    ~IpcSocketConnection() override;

    // Connection listeners and thread listeners, told apart by their types.
    using IpcConnection::addListener;
    using IpcConnection::removeListener;
    using juce::Thread::addListener;
    using juce::Thread::removeListener;

    bool isConnected() const override { return socket->isConnected(); }
    bool getConnectResult() const override { return socket->getConnectResult(); }

    // The socket, for connecting (the remote device client's job thread) and writing (any thread).
    IpcSocket& getSocket() { return *socket; }

    // Asks the thread to exit, reports the loss when the socket is connected,
    // closes the socket and waits up to 3000 ms for the thread. Any thread but
    // the connection's own.
    void stop();

    void run() override;

protected:
    // One received frame, on the reader thread. The buffer is reused for the next frame.
    virtual void frameReceived (std::vector<std::uint8_t>& payload) = 0;

    std::vector<std::uint8_t> receiveBuffer;

private:
    void reportConnectionLost();

    std::unique_ptr<IpcSocket> socket;
    std::atomic<bool> lossReported { false };
};
