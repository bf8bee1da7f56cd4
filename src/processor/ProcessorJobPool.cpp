#include "processor/ProcessorJobPool.h"

#include "engine/Job.h"

ProcessorJobPool::ProcessorJobPool (int numThreads)
    : pool (numThreads)
{
}

ProcessorJobPool::~ProcessorJobPool()
{
    accepting = false;
    pool.removeAllJobs (true, 5000);
}

bool ProcessorJobPool::addJob (const std::string& name, JobFunction function)
{
    if (! accepting.load())
        return false;
    pool.addJob (new Job (name, std::move (function)), true);
    return true;
}

void ProcessorJobPool::removeWaitingJobs()
{
    pool.removeAllJobs (false, 0);
}

void ProcessorJobPool::shutdown (int timeoutMs)
{
    accepting = false;
    pool.removeAllJobs (true, 0);   // asks running jobs to stop, drops queued ones
    waitForThreadPoolJobs (pool, timeoutMs);
}
