#pragma once

// The device model host on a data channel to the engine emulator over loopback
// TCP, with the emulator's read responder serving a small virtual project.
#include "engine/EngineLoopback.h"

#include "engine/EngineLimits.h"
#include "processor/DeviceModelHost.h"

#include "DeviceRecords.h"

#include "AsyncDataServer.h"
#include "EmulatorReadResponder.h"

namespace standalonetest
{
class HostLoopback
{
public:
    HostLoopback() : server (0), connection (std::make_unique<IpcSocket>()), transport (connection.getSocket())
    {
        connection.setClient (&forwarder);
    }

    ~HostLoopback()
    {
        connection.stop();
        host.reset();
    }

    // Serves the records, connects, and sends the engine's ready transaction.
    bool start (const ProjectRecords& records)
    {
        records.serve (responder);
        if (! server.isListening() || ! connection.getSocket().connect (EngineLimits::engineHost, server.port()))
            return false;
        connection.notifyConnectionResult (connection.getConnectResult());
        connection.startThread();
        return server.waitForConnection (std::chrono::milliseconds (5000)) && responder.sendEngineReady();
    }

    // The reads (0x20) the emulator has received so far.
    std::size_t numReads() { return static_cast<std::size_t> (responder.numReadsSeen()); }

    fhemu::AsyncDataServer server;
    fhemu::EmulatorReadResponder responder { server };
    IpcConnectionAsyncData connection;
    enginetest::SocketTransport transport;
    std::unique_ptr<DeviceModelHost> host = std::make_unique<DeviceModelHost> (transport);

private:
    struct Forwarder : public IpcConnectionAsyncData::Client
    {
        explicit Forwarder (HostLoopback& o) : owner (o) {}
        // "Async data IPC Client" thread.
        void asyncDataReceived (IpcConnectionAsyncData*, const std::vector<std::uint8_t>& payload) override
        {
            owner.host->asyncDataReceived (payload.data(), static_cast<int> (payload.size()));
        }
        HostLoopback& owner;
    };
    Forwarder forwarder { *this };
};
} // namespace standalonetest
