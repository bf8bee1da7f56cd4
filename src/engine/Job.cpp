#include "engine/Job.h"

Job::Job (const std::string& name, Function f)
    : juce::ThreadPoolJob (juce::String (name))
{
    if (f)
        function = [fn = std::move (f)] (juce::ThreadPoolJob*) { fn(); };
}

Job::Job (const std::string& name, JobFunction f)
    : juce::ThreadPoolJob (juce::String (name)), function (std::move (f))
{
}

Job::~Job()
{
    function = nullptr;
}

juce::ThreadPoolJob::JobStatus Job::runJob()
{
    if (shouldExit())
        return jobHasFinished;
    if (function)
        function (this);
    return jobHasFinished;
}
