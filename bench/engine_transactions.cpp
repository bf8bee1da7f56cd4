// Transactions of the asynchronous-data connection: encoding (with and
// without compression), decoding through the frame intake, and the round trip
// of a parameter write through a real socket to the engine emulator and back.
#include "engine/AsyncIoProcessor.h"
#include "engine/EngineLimits.h"
#include "engine/IpcConnectionAsyncData.h"
#include "engine/IpcSocket.h"

#include "AsyncDataServer.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{
// Payload with some structure, so that compression has something to find.
std::vector<std::uint8_t> recordLikePayload (std::size_t size)
{
    std::vector<std::uint8_t> p (size);
    for (std::size_t i = 0; i < size; ++i)
        p[i] = static_cast<std::uint8_t> ((i % 24) < 16 ? 'A' + (i / 24) % 26 : (i * 31) % 7);
    return p;
}

class CollectingTransport : public IpcAsyncOutputStream::AsyncInterface
{
public:
    bool sendAsyncData (const std::uint8_t* data, unsigned length) override
    {
        if (keep)
            frames.emplace_back (data, data + length);
        bytes += length;
        return true;
    }
    bool keep = false;
    std::vector<std::vector<std::uint8_t>> frames;
    std::size_t bytes = 0;
};

class NullListener : public AsyncIoProcessor::Listener
{
public:
    void asyncDataArrived() override {}
};

// range(0): payload bytes; range(1): 1 = channel 1 (compresses above 400 bytes), 0 = channel 0.
void BM_TransactionEncode (benchmark::State& state)
{
    CollectingTransport transport;
    NullListener listener;
    AsyncIoProcessor processor (&transport, &listener);
    auto& channel = state.range (1) != 0 ? processor.getChannel1() : processor.getChannel0();
    const auto payload = recordLikePayload (static_cast<std::size_t> (state.range (0)));

    for (auto _ : state)
        benchmark::DoNotOptimize (channel.send (processor.takeSequenceNumber(), AsyncCommand::write, 6, 0, payload.data(),
                                                static_cast<int> (payload.size())));

    state.SetItemsProcessed (state.iterations());
    state.SetBytesProcessed (state.iterations() * state.range (0));
    state.counters["wire_bytes_per_tx"] = static_cast<double> (transport.bytes) / static_cast<double> (state.iterations());
}
BENCHMARK (BM_TransactionEncode)->ArgsProduct ({ { 6, 96, 1000, 6144 }, { 0, 1 } });

// Frames of one transaction fed to the frame intake: cut, reassembled, checked,
// decompressed and queued, then taken from the queue.
void BM_TransactionDecode (benchmark::State& state)
{
    CollectingTransport encoder;
    encoder.keep = true;
    NullListener listener;
    {
        AsyncIoProcessor sender (&encoder, &listener);
        auto& channel = state.range (1) != 0 ? sender.getChannel1() : sender.getChannel0();
        const auto payload = recordLikePayload (static_cast<std::size_t> (state.range (0)));
        channel.send (1, AsyncCommand::readData, 13, 0, payload.data(), static_cast<int> (payload.size()));
    }

    CollectingTransport unused;
    AsyncIoProcessor receiver (&unused, &listener);
    receiver.startThread();   // intake is refused while the thread is not running

    ReceivedTransaction out;
    for (auto _ : state)
    {
        for (const auto& frame : encoder.frames)
            receiver.handleReceivedData (frame.data(), static_cast<int> (frame.size()));
        if (! receiver.popReceivedTransaction (out))
            state.SkipWithError ("transaction lost");
        benchmark::DoNotOptimize (out.payload.data());
    }
    receiver.stopThread (5000);

    state.SetItemsProcessed (state.iterations());
    state.SetBytesProcessed (state.iterations() * state.range (0));
}
BENCHMARK (BM_TransactionDecode)->ArgsProduct ({ { 6, 96, 1000, 6144 }, { 0, 1 } });

// A parameter change pushed into the processor's queue, sent by its thread as
// a parameter write through the socket; the emulator answers each write with a
// parameter notification, which comes back through the reader thread and the
// frame intake into the received queue. One iteration is one full round trip.
// range(0): 1 = wake the I/O thread after the push, 0 = let it find the change
// on its next 1 ms pass (as the data objects' changes are found).
void BM_ParameterRoundTrip (benchmark::State& state)
{
    fhemu::AsyncDataServer server (0);
    server.setTransactionHandler ([&server] (const fhemu::RecordedTransaction& t)
    {
        if (t.header.command == 0x10 && t.payload.size() == 6)
        {
            fhemu::OutgoingTransaction answer;
            answer.sequence = t.header.sequence;
            answer.command = 0x30;
            answer.subType = t.header.subType;
            answer.payload = t.payload;
            server.sendTransaction (answer);
        }
    });

    IpcConnectionAsyncData connection (std::make_unique<IpcSocket>());

    struct Transport : public IpcAsyncOutputStream::AsyncInterface
    {
        explicit Transport (IpcSocket& s) : socket (s) {}
        bool sendAsyncData (const std::uint8_t* d, unsigned n) override { return socket.write (d, static_cast<int> (n)); }
        std::uint32_t connectionGeneration() const override { return socket.getConnectionGeneration(); }
        IpcSocket& socket;
    } transport (connection.getSocket());

    struct Arrivals : public AsyncIoProcessor::Listener
    {
        void asyncDataArrived() override
        {
            {
                std::lock_guard<std::mutex> l (lock);
                ++count;
            }
            changed.notify_one();
        }
        std::mutex lock;
        std::condition_variable changed;
        long count = 0;
    } arrivals;

    AsyncIoProcessor processor (&transport, &arrivals);

    struct Forwarder : public IpcConnectionAsyncData::Client
    {
        explicit Forwarder (AsyncIoProcessor& p) : processor (p) {}
        void asyncDataReceived (IpcConnectionAsyncData*, const std::vector<std::uint8_t>& payload) override
        {
            processor.handleReceivedData (payload.data(), static_cast<int> (payload.size()));
        }
        AsyncIoProcessor& processor;
    } forwarder (processor);
    connection.setClient (&forwarder);

    processor.startThread();
    if (! server.isListening() || ! connection.getSocket().connect (EngineLimits::engineHost, server.port()))
    {
        state.SkipWithError ("no connection to the emulator");
        processor.stopThread (5000);
        return;
    }
    connection.startThread();
    server.waitForConnection (std::chrono::milliseconds (5000));

    const bool wake = state.range (0) != 0;
    long expected = 0;
    std::uint16_t value = 0;
    ReceivedTransaction out;

    for (auto _ : state)
    {
        processor.pushParameterChange (5, 0, { 0, 42, ++value });
        if (wake)
            processor.notify();

        std::unique_lock<std::mutex> l (arrivals.lock);
        ++expected;
        if (! arrivals.changed.wait_for (l, std::chrono::seconds (5), [&] { return arrivals.count >= expected; }))
        {
            state.SkipWithError ("round trip timed out");
            break;
        }
        l.unlock();
        while (processor.popReceivedTransaction (out)) {}
    }

    state.SetItemsProcessed (state.iterations());
    connection.stop();
    processor.stopThread (5000);
}
BENCHMARK (BM_ParameterRoundTrip)->Arg (0)->Arg (1)->UseRealTime()->Unit (benchmark::kMicrosecond);
} // namespace
