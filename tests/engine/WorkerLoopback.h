#pragma once

// The asynchronous data worker connected to the engine emulator over loopback
// TCP, with the emulator answering its reads.
#include "EngineLoopback.h"

#include "engine/EngineLimits.h"
#include "engine/FhAsyncDataWorker.h"

#include "EmulatorReadResponder.h"

namespace enginetest
{
class WorkerLoopback
{
public:
    WorkerLoopback()
        : server (0), connection (std::make_unique<IpcSocket>()), transport (connection.getSocket()), worker (&transport)
    {
        connection.setClient (&forwarder);
    }

    ~WorkerLoopback()
    {
        connection.stop();
        worker.stopThread (5000);
        worker.getIoProcessor().stopThread (5000);
    }

    // Connects and starts the I/O and worker threads.
    bool start()
    {
        if (! server.isListening() || ! connection.getSocket().connect (EngineLimits::engineHost, server.port()))
            return false;
        connection.notifyConnectionResult (connection.getConnectResult());
        connection.startThread();
        worker.getIoProcessor().startThread();
        worker.startThread();
        return server.waitForConnection (5000ms);
    }

    // The reads (0x20) the emulator has received so far.
    std::vector<fhemu::RecordedTransaction> reads() const
    {
        std::vector<fhemu::RecordedTransaction> out;
        for (auto& t : const_cast<fhemu::AsyncDataServer&> (server).received().transactions())
            if (t.header.command == 0x20)
                out.push_back (t);
        return out;
    }

    fhemu::AsyncDataServer server;
    fhemu::EmulatorReadResponder responder { server };
    IpcConnectionAsyncData connection;
    SocketTransport transport;
    FhAsyncDataWorker worker;

private:
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

// Waits for a future with a generous limit; false when it did not become ready.
template <typename F>
bool ready (F& future, std::chrono::milliseconds timeout = 5000ms)
{
    return future.wait_for (timeout) == std::future_status::ready;
}
} // namespace enginetest
