// The lock-free queue that carries records off the audio thread: one push and
// one pop on one thread (the cost without contention), and one producer
// against one consumer on two threads (items per second through a full
// hand-off, counting the pushes that found the queue full).
#include "realtime/BoundedQueue.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <thread>

namespace
{
// The size of a controller or parameter record of the I/O processor.
struct Record
{
    std::uint8_t track = 0;
    std::uint16_t id = 0;
    std::int32_t value = 0;
};

using Queue = BoundedQueue<Record, 8192>;

void BM_BoundedQueuePushPopOneThread (benchmark::State& state)
{
    Queue queue;
    Record out;
    std::int32_t value = 0;
    for (auto _ : state)
    {
        queue.push (Record { 1, 2, value++ });
        queue.pop (out);
        benchmark::DoNotOptimize (out);
    }
    state.SetItemsProcessed (state.iterations());
}
BENCHMARK (BM_BoundedQueuePushPopOneThread);

void BM_BoundedQueueProducerToConsumer (benchmark::State& state)
{
    Queue queue;
    std::atomic<bool> stop { false };
    std::atomic<std::int64_t> popped { 0 };

    std::thread consumer ([&] {
        Record out;
        std::int64_t n = 0;
        while (! stop.load (std::memory_order_relaxed))
            if (queue.pop (out))
                ++n;
        while (queue.pop (out))
            ++n;
        popped.store (n);
    });

    std::int64_t full = 0;
    std::int32_t value = 0;
    for (auto _ : state)
        if (! queue.push (Record { 1, 2, value++ }))
            ++full;

    stop.store (true);
    consumer.join();
    state.SetItemsProcessed (popped.load());
    state.counters["full"] = static_cast<double> (full);
}
BENCHMARK (BM_BoundedQueueProducerToConsumer)->UseRealTime();
} // namespace
