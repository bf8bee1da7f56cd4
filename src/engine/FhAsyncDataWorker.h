#pragma once

#include "engine/AsyncIoProcessor.h"
#include "engine/AsyncReadTraits.h"
#include "engine/FhAsyncDataHeader.h"
#include "engine/ReceivedTransaction.h"

#include <juce_core/juce_core.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <type_traits>
#include <vector>

// Fetches the device's records from the engine by typed reads and dispatches
// everything the engine sends. A read of T needs AsyncReadTraits<T> (see
// engine/AsyncReadTraits.h).
//
// Its thread ("FhAsyncDataWorker") sends each read on channel 1, matches the
// answer by sequence number, turns it into a host-order record and fulfils
// the caller's future. A read without answer is sent again after the response
// time-out (four transmissions in all, then dropped: its future reports a
// broken promise); a busy answer asks again after the busy delay. Nothing is
// sent before the engine's ready transaction. Parameter notifications go to
// the listeners. Deadlines run on a monotonic clock.
class FhAsyncDataWorker : public juce::Thread, public AsyncIoProcessor::Listener
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        // A parameter notification (command 0x30) in host order. Called on the
        // "FhAsyncDataWorker" thread; must not block it for long.
        virtual void asyncNotificationReceived (std::uint8_t dataType, std::uint16_t argument,
                                                std::shared_ptr<FhAsyncParamData> data) = 0;
    };

    // The 8-byte argument of a read: two words, sent big-endian, first word first.
    // A constructor rather than member initialisers, so that `read` can default it
    // inside this class.
    struct ReadArgument
    {
        constexpr ReadArgument (std::uint32_t firstWord = 0, std::uint32_t secondWord = 0) noexcept
            : first (firstWord), second (secondWord)
        {
        }

        std::uint32_t first;
        std::uint32_t second;
    };

    // One outstanding read.
    class AbstractReadRequest
    {
    public:
        static constexpr std::uint32_t neverSent = 0xFFFFFFFFu;

        AbstractReadRequest (std::uint8_t type, int idx, ReadArgument arg) : dataType (type), index (idx), argument (arg) {}
        virtual ~AbstractReadRequest() = default;
        // The payload of the answer (0x21), on the worker thread. True when it
        // was turned into the result and the future fulfilled.
        virtual bool handleResponse (const std::uint8_t*, int) { return false; }

        const std::uint8_t dataType;
        const int index;
        const ReadArgument argument;
        std::uint32_t sequenceNumber = neverSent;
        std::int64_t deadline = 0;   // monotonic milliseconds; 0: due at once
        int tries = 0;
        int maxTries = 4;
    };

    template <typename T>
    class ReadRequest : public AbstractReadRequest
    {
    public:
        ReadRequest (int idx, ReadArgument arg) : AbstractReadRequest (AsyncReadTraits<T>::dataType, idx, arg) {}

        std::future<AsyncReadResult<T>> getFuture() { return promise.get_future(); }

        bool handleResponse (const std::uint8_t* payload, int length) override
        {
            if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>)
            {
                if (payload == nullptr || length <= 0)
                    return false;
                promise.set_value (std::vector<std::uint8_t> (payload, payload + length));
                return true;
            }
            else
            {
                // The factory pads a short payload with zeros; an empty one carries nothing.
                if (payload == nullptr || length <= 0)
                    return false;
                auto record = AsyncReadTraits<T>::make (payload, static_cast<std::size_t> (juce::jmax (0, length)));
                if (record == nullptr)
                    return false;
                promise.set_value (std::move (record));
                return true;
            }
        }

    private:
        std::promise<AsyncReadResult<T>> promise;
    };

    static constexpr int maxRequestsPerPass = 32;
    static constexpr int defaultMaxTries = 4;

    // transport: where the I/O processor writes (the remote device client's
    // connection); may be null in tests that only receive.
    explicit FhAsyncDataWorker (IpcAsyncOutputStream::AsyncInterface* transport);
    ~FhAsyncDataWorker() override;

    // Any thread. Queues a read of T (index: the track for sounds and sound
    // setups, the bank for library listings, else 0) and returns its future.
    template <typename T>
    std::future<AsyncReadResult<T>> read (ReadArgument argument = {}, int index = 0)
    {
        auto request = std::make_shared<ReadRequest<T>> (index, argument);
        auto future = request->getFuture();
        enqueue (std::move (request));
        return future;
    }

    // Reads in flight (sent or waiting to be sent), republished after each change.
    int pendingRequestCount() const { return pendingCount.load(); }
    bool isEngineReady() const { return engineReady.load(); }

    // Any thread. Drops every read not yet answered, queued or in flight: their
    // futures report a broken promise at once. Clears the engine-ready flag, so
    // nothing is sent until the engine says again that it is ready; a ready
    // transaction that came on the connection now open (the transport's
    // generation) still counts, so a discard right after an open does not wait
    // for a ready transaction that has already arrived.
    void discardRequests();

    // Listener registration; change listeners only while nothing is delivered
    // (before the thread starts or from the listener's own constructor/destructor).
    void addListener (Listener* listener);
    void removeListener (Listener* listener);

    // Seconds until an unanswered read is sent again (30), and after a busy answer (1).
    void setResponseTimeout (double seconds) { responseTimeoutMs.store (static_cast<std::int64_t> (seconds * 1000.0)); }
    void setBusyDelay (double seconds) { busyDelayMs.store (static_cast<std::int64_t> (seconds * 1000.0)); }
    double getResponseTimeout() const { return static_cast<double> (responseTimeoutMs.load()) / 1000.0; }
    double getBusyDelay() const { return static_cast<double> (busyDelayMs.load()) / 1000.0; }

    AsyncIoProcessor& getIoProcessor() { return ioProcessor; }

    // AsyncIoProcessor::Listener: wakes the worker thread.
    void asyncDataArrived() override { notify(); }

    void run() override;

    // One received transaction; worker thread (public for tests that feed it directly).
    void handleTransaction (const ReceivedTransaction& transaction);

    // Monotonic milliseconds, the clock of every deadline.
    static std::int64_t nowMs();

private:
    void enqueue (std::shared_ptr<AbstractReadRequest> request);
    void takeNewRequests();
    void sendDueRequests();
    void sendRequest (AbstractReadRequest& request);
    void handleReadData (const ReceivedTransaction& transaction);
    void handleParameterNotification (const ReceivedTransaction& transaction);
    void completeRequest (std::uint32_t replySequence, bool success, bool busy);
    void republishCount();

    AsyncIoProcessor ioProcessor;
    std::atomic<std::int64_t> responseTimeoutMs { 30000 };
    std::atomic<std::int64_t> busyDelayMs { 1000 };

    juce::CriticalSection newRequestLock;
    std::deque<std::shared_ptr<AbstractReadRequest>> newRequests;

    juce::ReadWriteLock inFlightLock;
    std::vector<std::shared_ptr<AbstractReadRequest>> inFlight;   // worker thread only

    std::atomic<int> pendingCount { 0 };
    std::atomic<bool> engineReady { false };
    std::atomic<std::uint32_t> readyGeneration { 0 };   // the transport's generation when the engine said ready
    IpcAsyncOutputStream::AsyncInterface* const transport;
    juce::Array<Listener*> listeners;
    std::array<std::uint32_t, 2> lastSequence { 0, 0 };   // worker thread, per connection
    std::uint32_t sequenceGeneration = 0;
};
