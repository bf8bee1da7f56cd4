#pragma once

#include "processor/SampleSubscriberIfc.h"
#include "realtime/SampleRing.h"

#include <juce_core/juce_core.h>

#include <concurrentqueue.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <shared_mutex>
#include <unordered_map>
#include <vector>

// Hands the audio the host callback produces to the meters without slowing the
// audio thread: the audio thread drops copies of its blocks into one ring per
// source, and the thread "SamplePublisher" passes them on, in chunks of at most
// 1024 samples, to the subscribers of each source. Subscriptions and settings
// reach that thread through a lock-free request queue, so only it changes the
// tables; the audio thread only tries a shared lock and drops its block when the
// publisher is inserting or removing a source.
//
// Sources are (row, key1, key2): row 0 the host's input buses (bus, channel),
// row 1 the output buses (bus, channel), row 2 unused. A source exists while it
// has a subscriber. Each row has a setting, the read delay of its rings in samples.
class SamplePublisher : private juce::Thread
{
public:
    static constexpr int kRows = 3;
    static constexpr int kOutputRow = 1;
    static constexpr int kChunk = 1024;
    static constexpr int kStopTimeoutMs = 1000;
    static constexpr int kPassIntervalMs = 16;

    enum Action
    {
        addAction = 0,
        removeAction = 1,
        settingChangedAction = 3
    };

    struct RequestData
    {
        int action = addAction;
        int row = 0;
        int key1 = 0;
        int key2 = 0;
        std::weak_ptr<SampleSubscriberIfc> subscriber;
    };

    // Starts the thread.
    SamplePublisher();
    // Stops the thread (up to kStopTimeoutMs), then frees the rings.
    ~SamplePublisher() override;

    // Host audio thread: one block of one source. Dropped, at once, when the source
    // has no subscriber, when it does not fit its ring or when the publisher is
    // changing the tables. Never blocks, never allocates.
    void publish (int row, int key1, int key2, const float* samples, int numSamples) noexcept;

    // Any thread but an audio thread (the queue makes a producer on a thread's first
    // request): subscribes to (row 1, key1, key2), leaving any earlier subscription
    // of the same subscriber. False when the request could not be queued.
    bool addSubscriber (int key1, int key2, std::weak_ptr<SampleSubscriberIfc> subscriber);
    // Any thread but an audio thread: ends every subscription of the subscriber.
    bool removeSubscriber (std::weak_ptr<SampleSubscriberIfc> subscriber);
    // Any thread but an audio thread: the row's read delay; subscribers of the row
    // hear of it through delayChanged.
    bool setSetting (int row, int value);
    int getSetting (int row) const noexcept;

    // Publisher thread or tests: how many sources have subscribers.
    int getNumSources (int row) const;

private:
    friend struct SamplePublisherTestAccess;   // holds the table lock to pose as the publisher

    struct Entry
    {
        SampleRing ring;
        std::vector<std::weak_ptr<SampleSubscriberIfc>> subscribers;
    };
    using Table = std::unordered_map<std::int64_t, std::unique_ptr<Entry>>;

    static std::int64_t keyOf (int key1, int key2) noexcept
    {
        return static_cast<std::int64_t> (key1) + static_cast<std::int64_t> (key2) * 65536;
    }

    bool queue (RequestData request);
    void run() override;
    void deliver();
    void processRequests();
    void add (const RequestData& request);
    void remove (const std::weak_ptr<SampleSubscriberIfc>& subscriber);
    void applySetting (int row);

    std::array<Table, kRows> tables;
    std::array<std::atomic<int>, kRows> settings {};
    mutable std::shared_mutex tableLock;
    moodycamel::ConcurrentQueue<RequestData> requests;
    std::vector<float> scratch;
};
