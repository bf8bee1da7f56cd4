#include "foundation/InternalThread.h"

#include "foundation/Logger.h"

InternalThread::InternalThread (const std::string& threadName, std::function<void()> bodyToRun)
    : juce::Thread (juce::String (threadName)), body (std::move (bodyToRun))
{
}

InternalThread::~InternalThread()
{
    // Owners stop the thread first; should one forget, the body must not be
    // released under a running thread, so stop it here before letting go of it.
    if (isThreadRunning())
    {
        signalThreadShouldExit();
        notify();
        waitForThreadToExit (-1);
    }

    body = nullptr;
}

void InternalThread::run()
{
    // An exception leaving a thread's entry ends the process; an empty body is
    // an owner's mistake that is logged instead.
    if (! body)
    {
        FH_LOG (spdlog::level::err, "Thread '{}' was started without work.", getThreadName().toStdString());
        return;
    }

    body();
}
