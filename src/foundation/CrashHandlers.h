#pragma once

#include <juce_core/juce_core.h>

#include <functional>

// The program's crash handlers, held by the application object: install() when
// it is constructed, restore() when it is destroyed. While installed, a crash
// (fatal signal or std::terminate) writes "<executable stem>.dmp" into the
// program's application-data folder, replacing the previous dump, and the
// process then ends as it would have. Nothing is installed while a debugger is
// attached, so that the debugger sees the crash first.
class CrashHandlers
{
public:
    using DebuggerCheck = std::function<bool()>;

    // The probe says whether a debugger is attached (default: the real check).
    explicit CrashHandlers (DebuggerCheck isDebuggerAttached = {});

    // Does nothing when a debugger is attached or the handlers are installed.
    void install();

    // Puts back the handlers that install() replaced, unless a debugger is
    // attached now (then they stay). Does nothing when install() installed nothing.
    void restore();

    bool isInstalled() const noexcept { return installed; }

    // Where a crash of this executable writes its dump.
    static juce::File dumpFile();

private:
    DebuggerCheck debuggerAttached;
    bool installed = false;
};
