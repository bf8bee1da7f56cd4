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
    WorkerLoopback() : server (0) {}

    // Starts the worker and connects it; true once the emulator has accepted.
    bool start()
    {
        return server.isListening() && link.connect (server.port()) && server.waitForConnection (5000ms);
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
    DeviceLink link;
    IpcConnectionAsyncData& connection = link.connection;
    FhAsyncDataWorker& worker = link.worker;
};

// Waits for a future with a generous limit; false when it did not become ready.
template <typename F>
bool ready (F& future, std::chrono::milliseconds timeout = 5000ms)
{
    return future.wait_for (timeout) == std::future_status::ready;
}
} // namespace enginetest
