#pragma once

// The program's asynchronous data worker on a device's data port, wired the way
// the remote device client wires it: frames go out on the socket, received bytes
// go to the worker's I/O processor. Used by the engine tests and the benchmarks.
#include "engine/AsyncIoProcessor.h"
#include "engine/EngineLimits.h"
#include "engine/FhAsyncDataWorker.h"
#include "engine/IpcConnectionAsyncData.h"
#include "engine/IpcSocket.h"

#include <memory>
#include <vector>

namespace enginetest
{
// Writes the processor's frames on the connection's socket, as the remote
// device client does.
class SocketTransport : public IpcAsyncOutputStream::AsyncInterface
{
public:
    explicit SocketTransport (IpcSocket& s) : socket (s) {}
    bool sendAsyncData (const std::uint8_t* data, unsigned length) override
    {
        return socket.write (data, static_cast<int> (length));
    }
    std::uint32_t connectionGeneration() const override { return socket.getConnectionGeneration(); }

private:
    IpcSocket& socket;
};

class DeviceLink
{
public:
    DeviceLink() : connection (std::make_unique<IpcSocket>()), transport (connection.getSocket()), worker (&transport)
    {
        connection.setClient (&forwarder);
    }

    ~DeviceLink()
    {
        connection.stop();
        worker.stopThread (5000);
        worker.getIoProcessor().stopThread (5000);
    }

    // The worker runs before the socket connects, as in the program: data that
    // arrives before the I/O processor's thread runs would be dropped, and an
    // engine may say it is ready as soon as the connection stands.
    bool connect (int port)
    {
        worker.getIoProcessor().startThread();
        worker.startThread();
        if (! connection.getSocket().connect (EngineLimits::engineHost, port))
            return false;
        connection.notifyConnectionResult (connection.getConnectResult());
        connection.startThread();
        return true;
    }

    IpcConnectionAsyncData connection;
    SocketTransport transport;
    FhAsyncDataWorker worker;

private:
    // Reader thread of the connection.
    struct Forwarder : public IpcConnectionAsyncData::Client
    {
        explicit Forwarder (FhAsyncDataWorker& w) : worker (w) {}
        void asyncDataReceived (IpcConnectionAsyncData*, const std::vector<std::uint8_t>& payload) override
        {
            worker.getIoProcessor().handleReceivedData (payload.data(), static_cast<int> (payload.size()));
        }
        FhAsyncDataWorker& worker;
    };
    Forwarder forwarder { worker };
};
} // namespace enginetest
