#pragma once

// A device model on a data channel to the engine emulator over loopback TCP,
// with the emulator's read responder serving a small virtual project.
#include "engine/EngineLoopback.h"

#include "engine/EngineLimits.h"
#include "engine/FhAsyncDataWorker.h"
#include "model/MachineDataUpdateTimer.h"
#include "model/VantuInterface.h"
#include "processor/DeviceOpenSequence.h"
#include "processor/ProcessorJobPool.h"

#include "DeviceRecords.h"

#include "AsyncDataServer.h"
#include "EmulatorReadResponder.h"

namespace standalonetest
{
// The processor's device model without the processor: the worker writing through
// the data channel, the job pool, the device interface and the update timer,
// opened by the processor's own open sequence.
class DeviceModelHost final : public MachineDataUpdateTimer::Provider
{
public:
    explicit DeviceModelHost (IpcAsyncOutputStream::AsyncInterface& transport) : worker (&transport)
    {
        worker.getIoProcessor().startThread();
        worker.startThread();
    }

    ~DeviceModelHost() override
    {
        updateTimer.stop();
        pool.shutdown (5000);
        device.stopDataObjectThreads();
        worker.stopThread (5000);
        worker.getIoProcessor().stopThread (5000);
    }

    // Test thread: the data objects transmit, then the whole device is read.
    void deviceOpened()
    {
        Vantu::runDeviceOpenedSequence (device);
        ++openCount;
    }

    // "Async data IPC Client" thread.
    void asyncDataReceived (const std::uint8_t* data, int length)
    {
        worker.getIoProcessor().handleReceivedData (data, length);
    }

    int getOpenCount() const { return openCount.load(); }
    bool isIdle() const { return pool.getNumJobs() == 0 && worker.pendingRequestCount() == 0; }
    Vantu::VantuInterface& getDevice() { return device; }

    MachineDataUpdateTimer* getMachineDataUpdateTimer() override { return &updateTimer; }

private:
    MachineDataUpdateTimer updateTimer;
    FhAsyncDataWorker worker;
    ProcessorJobPool pool;
    Vantu::VantuInterface device { worker, pool };
    std::atomic<int> openCount { 0 };
};

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
