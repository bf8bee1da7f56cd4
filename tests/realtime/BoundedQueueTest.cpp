#include "realtime/BoundedQueue.h"

#include "support/AudioThreadChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace
{
TEST (BoundedQueueTest, PopsInPushOrderAcrossManyWrapArounds)
{
    BoundedQueue<int, 4> queue;
    int next = 0;
    int expected = 0;

    // Three in, two out, a hundred times: the ring's indices wrap many times.
    for (int round = 0; round < 100; ++round)
    {
        for (int i = 0; i < 3 && queue.size() < queue.capacity(); ++i)
            ASSERT_TRUE (queue.push (next++));

        for (int i = 0; i < 2; ++i)
        {
            int value = -1;
            ASSERT_TRUE (queue.pop (value));
            EXPECT_EQ (value, expected++);
        }
    }
}

TEST (BoundedQueueTest, FullQueueDropsThePushAndKeepsWhatItHolds)
{
    BoundedQueue<int, 4> queue;
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE (queue.push (i));

    EXPECT_FALSE (queue.push (99));
    EXPECT_EQ (queue.size(), 4u);

    std::vector<int> popped;
    for (int value = 0; queue.pop (value);)
        popped.push_back (value);
    EXPECT_EQ (popped, (std::vector<int> { 0, 1, 2, 3 }));
}

TEST (BoundedQueueTest, EmptyQueuePopsNothingAndLeavesTheTargetAlone)
{
    BoundedQueue<int, 2> queue;
    int value = 42;
    EXPECT_FALSE (queue.pop (value));
    EXPECT_EQ (value, 42);
    EXPECT_EQ (queue.size(), 0u);
}

TEST (BoundedQueueTest, ClearEmptiesTheQueueAndItFillsAgain)
{
    BoundedQueue<int, 4> queue;
    for (int i = 0; i < 4; ++i)
        queue.push (i);

    queue.clear();
    EXPECT_EQ (queue.size(), 0u);

    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE (queue.push (10 + i));
    int value = 0;
    ASSERT_TRUE (queue.pop (value));
    EXPECT_EQ (value, 10);
}

TEST (BoundedQueueTest, MovesItemsThatOwnResources)
{
    BoundedQueue<std::unique_ptr<int>, 2> queue;
    ASSERT_TRUE (queue.push (std::make_unique<int> (5)));

    std::unique_ptr<int> out;
    ASSERT_TRUE (queue.pop (out));
    ASSERT_NE (out, nullptr);
    EXPECT_EQ (*out, 5);
}

// Several producers and consumers at once: every item arrives exactly once,
// and each producer's items keep their order.
TEST (BoundedQueueTest, ConcurrentProducersAndConsumersLoseAndDuplicateNothing)
{
    constexpr int producers = 3;
    constexpr int consumers = 3;
    constexpr int perProducer = 20000;

    struct Item
    {
        int producer = 0;
        int sequence = 0;
    };

    BoundedQueue<Item, 64> queue;
    std::atomic<int> consumed { 0 };
    std::vector<std::vector<int>> seen (consumers * producers);
    std::vector<std::thread> threads;

    for (int p = 0; p < producers; ++p)
        threads.emplace_back ([&, p] {
            for (int i = 0; i < perProducer; ++i)
                while (! queue.push (Item { p, i }))
                    std::this_thread::yield();
        });

    for (int c = 0; c < consumers; ++c)
        threads.emplace_back ([&, c] {
            Item item;
            while (consumed.load() < producers * perProducer)
            {
                if (queue.pop (item))
                {
                    seen[static_cast<std::size_t> (c * producers + item.producer)].push_back (item.sequence);
                    consumed.fetch_add (1);
                }
                else
                {
                    std::this_thread::yield();
                }
            }
        });

    for (auto& t : threads)
        t.join();

    for (int p = 0; p < producers; ++p)
    {
        std::vector<int> all;
        for (int c = 0; c < consumers; ++c)
        {
            const auto& part = seen[static_cast<std::size_t> (c * producers + p)];
            EXPECT_TRUE (std::is_sorted (part.begin(), part.end())) << "producer " << p << " consumer " << c;
            all.insert (all.end(), part.begin(), part.end());
        }
        std::sort (all.begin(), all.end());
        ASSERT_EQ (all.size(), static_cast<std::size_t> (perProducer)) << "producer " << p;
        for (int i = 0; i < perProducer; ++i)
            ASSERT_EQ (all[static_cast<std::size_t> (i)], i) << "producer " << p;
    }
}

TEST (BoundedQueueTest, AudioThreadPushesPopsAndClearsWithoutHeapOrLocks)
{
    struct Record
    {
        int track = 0;
        float values[4] {};
    };
    BoundedQueue<Record, 8> queue;

    const auto calls = fhtest::callsOnAudioThread ([&] {
        Record record;
        for (int i = 0; i < 20; ++i)
        {
            queue.push (Record { i, { 1.0f } });
            queue.pop (record);
        }
        while (queue.push (record)) {}
        queue.clear();
    });

    EXPECT_EQ (calls, fhtest::AudioThreadCalls {});
}
} // namespace
