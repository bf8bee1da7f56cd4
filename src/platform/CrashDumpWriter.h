#pragma once

#include <juce_core/juce_core.h>

// Writes a text crash dump when the process dies of SIGSEGV, SIGBUS, SIGILL,
// SIGFPE or SIGABRT, or ends through std::terminate: signal, code, fault address,
// thread id, the reason of a terminate, a backtrace and a copy of /proc/self/maps.
// Each crash replaces the previous dump. The signal handlers run on an alternate
// stack (installed for the thread that calls install()) and are async-signal-safe:
// the path is fixed at install, nothing is allocated and no lock is taken. After
// writing they put back the previous handler and raise the signal again, so the
// process ends (or the previous handler runs) as it would have without them.
namespace CrashDumpWriter
{
    // "<folder>/<executable's file name without its last extension>.dmp"
    juce::File dumpFileFor (const juce::File& folder, const juce::File& executable);

    // Installs the handlers. False (and nothing changes) when they are already
    // installed or the path is too long. The folder must exist when a crash
    // happens; it is not created.
    bool install (const juce::File& dumpFile);

    // Puts back the handlers that install() replaced. Does nothing when not installed.
    void restore();

    bool isInstalled();
}
