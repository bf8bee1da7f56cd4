#pragma once

#include "engine/AsyncIoProcessor.h"
#include "engine/FhAsyncDataHeader.h"
#include "engine/ReceivedTransaction.h"
#include "model/storage/ProjectSettingsStorage.h"
#include "model/storage/StorageContainers.h"
#include "model/storage/TransferRecords.h"
#include "model/storage/WireFactories.h"

#include <juce_core/juce_core.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <type_traits>
#include <vector>

// The data type carried in the sub-type of reads (0x20), their answers (0x21),
// writes (0x10) and the device's notifications (0x30).
namespace AsyncDataType
{
    inline constexpr std::uint8_t sound = 4;
    inline constexpr std::uint8_t soundParameter = 5;
    inline constexpr std::uint8_t soundSetup = 6;
    inline constexpr std::uint8_t fxParameter = 8;
    inline constexpr std::uint8_t kit = 13;
    inline constexpr std::uint8_t kitParameter = 14;
    inline constexpr std::uint8_t kitName = 15;
    inline constexpr std::uint8_t projectSettings = 24;
    inline constexpr std::uint8_t settingsParameter = 25;
    inline constexpr std::uint8_t totalRecallImage = 27;
    inline constexpr std::uint8_t soundPoolListing = 31;
    inline constexpr std::uint8_t soundBankListing = 33;
    inline constexpr std::uint8_t totalRecallState = 34;
    inline constexpr std::uint8_t totalRecallSessionId = 35;
    inline constexpr std::uint8_t kitPatternMute = 36;
    inline constexpr std::uint8_t patternSettings = 37;
}

// What a read of result type T asks for and how its answer becomes a T.
// One specialisation per readable record.
template <typename T>
struct AsyncReadTraits;

#define FH_ASYNC_READ_TRAITS(Type, dataTypeValue, factory)                                           \
    template <>                                                                                      \
    struct AsyncReadTraits<Type>                                                                     \
    {                                                                                                \
        static constexpr std::uint8_t dataType = dataTypeValue;                                      \
        static std::shared_ptr<Type> make (const void* data, std::size_t size) { return factory (data, size); } \
    };

FH_ASYNC_READ_TRAITS (Vantu::soundStorageContainer_t, AsyncDataType::sound, Vantu::makeSharedSoundStorage)
FH_ASYNC_READ_TRAITS (FhAsyncSoundSetupData, AsyncDataType::soundSetup, Vantu::makeSharedSoundSetup)
FH_ASYNC_READ_TRAITS (Vantu::kitStorageContainer_t, AsyncDataType::kit, Vantu::makeSharedKitStorage)
FH_ASYNC_READ_TRAITS (Vantu::projectSettingsStorage_v2_t, AsyncDataType::projectSettings, Vantu::makeSharedProjectSettings)
FH_ASYNC_READ_TRAITS (FhAsyncSoundPoolListing, AsyncDataType::soundPoolListing, Vantu::makeSharedSoundPoolListing)
FH_ASYNC_READ_TRAITS (FhAsyncSoundBankListing, AsyncDataType::soundBankListing, Vantu::makeSharedSoundBankListing)
FH_ASYNC_READ_TRAITS (std::uint32_t, AsyncDataType::totalRecallSessionId, Vantu::makeSharedSessionId)
FH_ASYNC_READ_TRAITS (FhAsyncPatternSettingsSetupData, AsyncDataType::patternSettings, Vantu::makeSharedPatternSettings)
#undef FH_ASYNC_READ_TRAITS

// The total-recall image: the payload itself, never empty.
template <>
struct AsyncReadTraits<std::vector<std::uint8_t>>
{
    static constexpr std::uint8_t dataType = AsyncDataType::totalRecallImage;
};

// What a read's future holds: a shared host-order record, or for the
// total-recall image the byte vector itself.
template <typename T>
using AsyncReadResult = std::conditional_t<std::is_same_v<T, std::vector<std::uint8_t>>, T, std::shared_ptr<T>>;

// Fetches the device's records from the engine by typed reads and dispatches
// everything the engine sends.
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
