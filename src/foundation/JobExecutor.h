#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <string>

// Runs named work on the processor's job pool. The function gets the running job,
// whose shouldExit() turns true when the pool is asked to stop its jobs.
class JobExecutor
{
public:
    using JobFunction = std::function<void (juce::ThreadPoolJob*)>;

    virtual ~JobExecutor() = default;
    // False, running nothing, once no more jobs are accepted.
    virtual bool addJob (const std::string& name, JobFunction function) = 0;
};

// Looks at the pool's job count every 10 ms until it is 0 or the time-out has passed,
// then removes every job still in the pool without interrupting a running one and
// without waiting for it.
void waitForThreadPoolJobs (juce::ThreadPool& pool, int timeoutMs);
