#pragma once

#include "foundation/JobExecutor.h"

#include <atomic>
#include <memory>

// The processor's pool of named jobs (eight threads by default).
class ProcessorJobPool final : public JobExecutor
{
public:
    static constexpr int kDefaultThreads = 8;

    explicit ProcessorJobPool (int numThreads = kDefaultThreads);
    ~ProcessorJobPool() override;

    // Any thread. The job is deleted by the pool when its function returns.
    bool addJob (const std::string& name, JobFunction function) override;

    // Drops the jobs that have not started; running ones go on (any thread).
    void removeWaitingJobs();

    // Refuses further jobs, asks running ones to stop, waits up to timeoutMs for the
    // pool to drain and removes what is left (message thread, during shutdown).
    void shutdown (int timeoutMs);

    bool isAcceptingJobs() const noexcept { return accepting.load(); }
    int getNumJobs() const { return pool.getNumJobs(); }

private:
    juce::ThreadPool pool;
    std::atomic<bool> accepting { true };
};
