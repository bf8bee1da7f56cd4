#include "foundation/JobExecutor.h"

#include <chrono>
#include <thread>

void waitForThreadPoolJobs (juce::ThreadPool& pool, int timeoutMs)
{
    const auto deadline = juce::Time::getMillisecondCounterHiRes() + timeoutMs;
    while (pool.getNumJobs() > 0 && juce::Time::getMillisecondCounterHiRes() < deadline)
        std::this_thread::sleep_for (std::chrono::milliseconds (10));
    pool.removeAllJobs (false, 0);
}
