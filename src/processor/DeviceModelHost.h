#pragma once

#include "engine/FhAsyncDataWorker.h"
#include "model/MachineDataUpdateTimer.h"
#include "model/VantuInterface.h"
#include "processor/ProcessorJobPool.h"

#include <atomic>
#include <cstdint>

// The device model with what keeps it in step with an opened device, as the
// processor holds it: the asynchronous data worker writing through the remote
// device client's data channel, the pool of named jobs, the device interface
// with its data objects, and the data-update timer that GUI listeners register
// with. The processor takes this over; until it exists the engine-session
// console client drives it.
//
// The worker's threads start with the host and stop with it.
class DeviceModelHost final : public MachineDataUpdateTimer::Provider
{
public:
    // transport: the remote device client (its data channel); must outlive the host.
    explicit DeviceModelHost (IpcAsyncOutputStream::AsyncInterface& transport);
    ~DeviceModelHost() override;

    // Job thread (the remote device client's): the data objects' transmit
    // threads, then every record of the device as update jobs.
    void deviceOpened();

    // Job thread, or the thread that stops the client: the transmit threads stop;
    // the data objects keep their last values.
    void deviceClosed();

    // "Async data IPC Client" thread: one frame's payload from the device's data channel.
    void asyncDataReceived (const std::uint8_t* data, int length);

    // How many times the device-open sequence has been run (any thread).
    int getOpenCount() const { return openCount.load(); }

    // True when no update job is queued or running and no read is in flight (any thread).
    bool isIdle() const;

    Vantu::VantuInterface& getDevice() { return device; }
    FhAsyncDataWorker& getWorker() { return worker; }

    // MachineDataUpdateTimer::Provider
    MachineDataUpdateTimer* getMachineDataUpdateTimer() override { return &updateTimer; }

private:
    MachineDataUpdateTimer updateTimer;
    FhAsyncDataWorker worker;
    ProcessorJobPool pool;
    Vantu::VantuInterface device { worker, pool };
    std::atomic<int> openCount { 0 };

    JUCE_DECLARE_NON_COPYABLE (DeviceModelHost)
};
