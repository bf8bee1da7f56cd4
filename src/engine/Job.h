#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <string>

// A named thread-pool job that runs its function once, unless its pool has already
// asked it to stop. The function may take the running job, so that a long job can
// look at shouldExit() while it works.
class Job : public juce::ThreadPoolJob
{
public:
    using Function = std::function<void()>;
    using JobFunction = std::function<void (juce::ThreadPoolJob*)>;

    Job (const std::string& name, Function function);
    Job (const std::string& name, JobFunction function);
    ~Job() override;

    JobStatus runJob() override;

private:
    JobFunction function;
};
