#pragma once

// Test wiring of the program's asynchronous-data classes to the engine
// emulator over loopback TCP.
#include "DeviceLink.h"

#include "engine/AsyncIoProcessor.h"
#include "engine/IpcConnectionAsyncData.h"
#include "engine/IpcSocket.h"

#include "AsyncDataServer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace enginetest
{
using namespace std::chrono_literals;

// Polls a condition until it holds or the (generous) time-out passes.
bool waitUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5000ms);

// Counts what a connection reports to its listeners.
class RecordingConnectionListener : public IpcConnection::ConnectionListener
{
public:
    void connectionResult (IpcConnection*, bool connected) override
    {
        ++results;
        lastResult = connected;
    }
    void connectionLost (IpcConnection*) override { ++lost; }

    std::atomic<int> results { 0 };
    std::atomic<bool> lastResult { false };
    std::atomic<int> lost { 0 };
};

// Counts the processor's arrival calls.
class CountingArrivalListener : public AsyncIoProcessor::Listener
{
public:
    void asyncDataArrived() override { ++arrivals; }
    std::atomic<int> arrivals { 0 };
};

// A server of the emulator, a connected asynchronous-data connection whose
// frames go to an AsyncIoProcessor, and the processor writing back through the
// same socket. The processor's thread is started by the test (so that a test can
// queue work before the first pass).
class Loopback
{
public:
    Loopback();
    ~Loopback();

    // Connects the socket to the emulator and starts the reader thread.
    bool connect();
    void startProcessor() { processor.startThread(); }

    // Received transactions taken from the processor's queue so far.
    std::vector<ReceivedTransaction> takeReceived (std::size_t atLeast, std::chrono::milliseconds timeout = 5000ms);

    fhemu::AsyncDataServer server;
    IpcConnectionAsyncData connection;
    SocketTransport transport;
    CountingArrivalListener arrivals;
    AsyncIoProcessor processor;
    RecordingConnectionListener connectionListener;

private:
    struct Forwarder : public IpcConnectionAsyncData::Client
    {
        explicit Forwarder (AsyncIoProcessor& p) : processor (p) {}
        void asyncDataReceived (IpcConnectionAsyncData*, const std::vector<std::uint8_t>& payload) override
        {
            processor.handleReceivedData (payload.data(), static_cast<int> (payload.size()));
        }
        AsyncIoProcessor& processor;
    };

    Forwarder forwarder { processor };
    std::vector<ReceivedTransaction> received;
};

// Bytes 0, 1, 2, ... (mod 251) of the given length.
std::vector<std::uint8_t> patternBytes (std::size_t length, std::uint8_t seed = 0);
} // namespace enginetest
