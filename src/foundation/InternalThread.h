#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <string>

// A named framework thread whose work is a function object, so that a class can
// own a worker thread without deriving from juce::Thread. The body runs once per
// start; it is expected to loop until threadShouldExit() and to wait() between
// passes. Construction does not start the thread; the owner starts it at the
// priority it wants (see platform/ThreadPriority.h) and stops it (signal, notify,
// wait) before destroying it; a thread still running at destruction is asked to
// exit and waited for before the body is released.
class InternalThread : public juce::Thread
{
public:
    InternalThread (const std::string& threadName, std::function<void()> body);
    ~InternalThread() override;

    // The thread's entry: calls the body once. An empty body is logged as an
    // error and the thread ends (owners always give one).
    void run() override;

private:
    std::function<void()> body;

    JUCE_DECLARE_NON_COPYABLE (InternalThread)
};
