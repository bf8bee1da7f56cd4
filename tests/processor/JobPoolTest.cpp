#include "engine/Job.h"
#include "processor/ProcessorJobPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

using namespace std::chrono_literals;

namespace
{
TEST (JobPool, HandsTheRunningJobToItsFunctionAndDeletesItAfterwards)
{
    ProcessorJobPool pool (2);
    std::promise<juce::String> name;
    EXPECT_TRUE (pool.addJob ("UpdateKit", [&] (juce::ThreadPoolJob* job) { name.set_value (job->getJobName()); }));
    auto future = name.get_future();
    ASSERT_EQ (future.wait_for (5s), std::future_status::ready);
    EXPECT_EQ (future.get(), "UpdateKit");
    for (int i = 0; i < 500 && pool.getNumJobs() > 0; ++i)
        std::this_thread::sleep_for (10ms);
    EXPECT_EQ (pool.getNumJobs(), 0);
}

TEST (JobPool, ALongJobSeesTheStopRequestAndNoJobIsAcceptedAfterShutdown)
{
    ProcessorJobPool pool (1);
    std::atomic<bool> running { false }, sawExit { false }, queuedRan { false };
    pool.addJob ("Long", [&] (juce::ThreadPoolJob* job) {
        running = true;
        while (! job->shouldExit())
            std::this_thread::sleep_for (1ms);
        sawExit = true;
    });
    pool.addJob ("Queued", [&] (juce::ThreadPoolJob*) { queuedRan = true; });
    while (! running.load())
        std::this_thread::sleep_for (1ms);

    pool.shutdown (5000);
    EXPECT_TRUE (sawExit.load());
    EXPECT_FALSE (queuedRan.load());
    EXPECT_FALSE (pool.isAcceptingJobs());
    EXPECT_FALSE (pool.addJob ("Late", [&] (juce::ThreadPoolJob*) { queuedRan = true; }));
}

TEST (JobPool, WaitForThreadPoolJobsGivesUpAfterItsTimeOutWithoutInterrupting)
{
    juce::ThreadPool pool (1);
    std::atomic<bool> release { false }, interrupted { false }, finished { false }, queuedRan { false };
    pool.addJob (new Job ("Blocking", [&] (juce::ThreadPoolJob* job) {
                     while (! release.load())
                         std::this_thread::sleep_for (1ms);
                     interrupted = job->shouldExit();
                     finished = true;
                 }),
                 true);
    pool.addJob (new Job ("Queued", [&] { queuedRan = true; }), true);

    const auto started = std::chrono::steady_clock::now();
    waitForThreadPoolJobs (pool, 100);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE (waited, 100ms);
    EXPECT_LT (waited, 2000ms);

    release = true;
    for (int i = 0; i < 500 && ! finished.load(); ++i)
        std::this_thread::sleep_for (10ms);
    EXPECT_TRUE (finished.load());
    EXPECT_FALSE (interrupted.load());
    EXPECT_FALSE (queuedRan.load());   // removed from the queue without running
}

TEST (JobPool, JobAskedToStopBeforeItRunsDoesNothing)
{
    bool ran = false;
    Job job ("Skipped", [&] { ran = true; });
    job.signalJobShouldExit();
    EXPECT_EQ (job.runJob(), juce::ThreadPoolJob::jobHasFinished);
    EXPECT_FALSE (ran);

    Job empty ("Empty", Job::Function {});
    EXPECT_EQ (empty.runJob(), juce::ThreadPoolJob::jobHasFinished);
}
} // namespace
