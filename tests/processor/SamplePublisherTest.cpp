#include "processor/SamplePublisher.h"

#include "support/AudioThreadChecks.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <mutex>
#include <numeric>
#include <thread>

struct SamplePublisherTestAccess
{
    static std::shared_mutex& lock (SamplePublisher& publisher) { return publisher.tableLock; }
};

namespace
{
using namespace std::chrono_literals;

// Keeps what the publisher delivers; the test thread reads it.
class RecordingSubscriber : public SampleSubscriberIfc
{
public:
    void newSamples (const float* samples, int numSamples) override
    {
        const std::lock_guard lock (mutex);
        received.insert (received.end(), samples, samples + numSamples);
        chunks.push_back (numSamples);
    }

    void delayChanged (int delaySamples) override
    {
        const std::lock_guard lock (mutex);
        delays.push_back (delaySamples);
    }

    std::vector<float> samples() const
    {
        const std::lock_guard lock (mutex);
        return received;
    }
    std::vector<int> chunkSizes() const
    {
        const std::lock_guard lock (mutex);
        return chunks;
    }
    std::vector<int> delayCalls() const
    {
        const std::lock_guard lock (mutex);
        return delays;
    }

private:
    mutable std::mutex mutex;
    std::vector<float> received;
    std::vector<int> chunks;
    std::vector<int> delays;
};

std::vector<float> ramp (int n, float from)
{
    std::vector<float> v (static_cast<std::size_t> (n));
    std::iota (v.begin(), v.end(), from);
    return v;
}

bool waitFor (const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (! condition())
    {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for (2ms);
    }
    return true;
}

class SamplePublisherTest : public ::testing::Test
{
protected:
    // Subscribes and waits until the source exists.
    std::shared_ptr<RecordingSubscriber> subscribe (int key1, int key2, int sourcesAfter)
    {
        auto subscriber = std::make_shared<RecordingSubscriber>();
        EXPECT_TRUE (publisher.addSubscriber (key1, key2, subscriber));
        EXPECT_TRUE (waitFor ([&] { return publisher.getNumSources (SamplePublisher::kOutputRow) == sourcesAfter; }));
        return subscriber;
    }

    SamplePublisher publisher;
};

TEST_F (SamplePublisherTest, SubscribersReceiveTheirSourceInChunksOfAtMost1024)
{
    auto first = subscribe (3, 0, 1);
    auto second = subscribe (3, 1, 2);
    EXPECT_EQ (first->delayCalls(), std::vector<int> { 0 });

    const auto left = ramp (3000, 1.0f);
    const auto right = ramp (500, -1000.0f);
    publisher.publish (1, 3, 0, left.data(), 3000);
    publisher.publish (1, 3, 1, right.data(), 500);
    publisher.publish (0, 3, 0, right.data(), 500);   // input row: nobody listens there

    ASSERT_TRUE (waitFor ([&] { return first->samples().size() == 3000 && second->samples().size() == 500; }));
    EXPECT_EQ (first->samples(), left);
    EXPECT_EQ (second->samples(), right);
    for (int chunk : first->chunkSizes())
        EXPECT_LE (chunk, SamplePublisher::kChunk);
    EXPECT_EQ (first->chunkSizes().front(), SamplePublisher::kChunk);
}

TEST_F (SamplePublisherTest, PublishingWithoutASubscriberOrUnderContentionDropsTheBlockAtOnce)
{
    const auto block = ramp (256, 1.0f);
    // No source: nothing happens, nothing is allocated, nothing waits.
    const auto calls = fhtest::callsOnAudioThread ([&] {
        for (int i = 0; i < 100; ++i)
            publisher.publish (1, 5, 0, block.data(), 256);
    });
    EXPECT_EQ (calls.total(), 0u);

    auto subscriber = subscribe (5, 0, 1);
    {
        // The publisher inserting or removing a source: the audio thread drops its block.
        std::unique_lock exclusive (SamplePublisherTestAccess::lock (publisher));
        const auto underLock = fhtest::callsOnAudioThread ([&] { publisher.publish (1, 5, 0, block.data(), 256); });
        EXPECT_EQ (underLock.total(), 0u);
    }
    const auto later = ramp (64, 500.0f);
    const auto free = fhtest::callsOnAudioThread ([&] { publisher.publish (1, 5, 0, later.data(), 64); });
    EXPECT_EQ (free.total(), 0u);
    ASSERT_TRUE (waitFor ([&] { return subscriber->samples().size() >= 64; }));
    std::this_thread::sleep_for (50ms);
    EXPECT_EQ (subscriber->samples(), later);
}

TEST_F (SamplePublisherTest, ABlockBeyondTheFreeSpaceIsDroppedWhole)
{
    auto subscriber = subscribe (2, 0, 1);
    // A slow subscriber elsewhere holds the publisher's pass up.
    class Blocking : public SampleSubscriberIfc
    {
    public:
        void newSamples (const float*, int) override
        {
            entered = true;
            while (! release)
                std::this_thread::sleep_for (1ms);
        }
        std::atomic<bool> entered { false }, release { false };
    };
    auto blocker = std::make_shared<Blocking>();
    ASSERT_TRUE (publisher.addSubscriber (9, 0, blocker));
    ASSERT_TRUE (waitFor ([&] { return publisher.getNumSources (1) == 2; }));
    const auto one = ramp (1, 0.0f);
    publisher.publish (1, 9, 0, one.data(), 1);
    ASSERT_TRUE (waitFor ([&] { return blocker->entered.load(); }));

    // While the publisher is held up, the subscriber's ring fills: 63 blocks of 1024 plus
    // 1023 fill it exactly; one more sample is dropped, and so is a block of 2.
    const auto block = ramp (1024, 0.0f);
    for (int i = 0; i < 63; ++i)
        publisher.publish (1, 2, 0, block.data(), 1024);
    publisher.publish (1, 2, 0, block.data(), 1023);
    const auto marker = ramp (2, 7777.0f);
    publisher.publish (1, 2, 0, marker.data(), 2);
    blocker->release = true;
    ASSERT_TRUE (waitFor ([&] { return subscriber->samples().size() >= 65535; }));
    std::this_thread::sleep_for (50ms);
    const auto got = subscriber->samples();
    ASSERT_EQ (got.size(), 65535u);
    EXPECT_EQ (got.back(), 1022.0f);
}

TEST_F (SamplePublisherTest, ASecondSubscriptionMovesTheSubscriberAndAnExpiredOneIsDropped)
{
    auto moving = subscribe (1, 0, 1);
    ASSERT_TRUE (publisher.addSubscriber (4, 1, moving));
    ASSERT_TRUE (waitFor ([&] { return publisher.getNumSources (1) == 1; }));
    const auto block = ramp (100, 1.0f);
    publisher.publish (1, 1, 0, block.data(), 100);   // the old source is gone
    publisher.publish (1, 4, 1, block.data(), 100);
    ASSERT_TRUE (waitFor ([&] { return moving->samples().size() == 100; }));

    // A meter destroyed without unsubscribing: no more deliveries, its source goes.
    auto gone = subscribe (6, 0, 2);
    std::weak_ptr<RecordingSubscriber> watch = gone;
    gone.reset();
    EXPECT_TRUE (watch.expired());
    publisher.publish (1, 6, 0, block.data(), 100);
    ASSERT_TRUE (waitFor ([&] { return publisher.getNumSources (1) == 1; }));

    EXPECT_TRUE (publisher.removeSubscriber (moving));
    ASSERT_TRUE (waitFor ([&] { return publisher.getNumSources (1) == 0; }));
}

TEST_F (SamplePublisherTest, ARowSettingDelaysItsSourcesAndIsAnnounced)
{
    ASSERT_TRUE (publisher.setSetting (1, 50));
    auto early = subscribe (1, 0, 1);
    ASSERT_TRUE (waitFor ([&] { return early->delayCalls() == std::vector<int> { 50 }; }));
    const auto block = ramp (100, 1.0f);
    publisher.publish (1, 1, 0, block.data(), 100);
    ASSERT_TRUE (waitFor ([&] { return early->samples().size() == 100; }));
    const auto got = early->samples();
    EXPECT_EQ (got[49], 0.0f);
    EXPECT_EQ (got[50], 1.0f);

    // A change reaches existing sources at the next setting-changed request.
    ASSERT_TRUE (publisher.setSetting (1, 20));
    ASSERT_TRUE (waitFor ([&] { return early->delayCalls() == std::vector<int> { 50, 20 }; }));
    EXPECT_EQ (publisher.getSetting (1), 20);
    // Row 0 and row 2 settings reach no subscriber of row 1.
    ASSERT_TRUE (publisher.setSetting (0, 300));
    ASSERT_TRUE (publisher.setSetting (2, 8));
    EXPECT_FALSE (publisher.setSetting (3, 8));
    std::this_thread::sleep_for (50ms);
    EXPECT_EQ (early->delayCalls().size(), 2u);
}
} // namespace
