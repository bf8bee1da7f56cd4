#include "foundation/CrashHandlers.h"

#include "foundation/Logger.h"
#include "platform/AppDataPaths.h"
#include "platform/CrashDumpWriter.h"
#include "platform/DebuggerProbe.h"

CrashHandlers::CrashHandlers (DebuggerCheck isDebuggerAttached)
    : debuggerAttached (isDebuggerAttached ? std::move (isDebuggerAttached)
                                           : DebuggerCheck (&DebuggerProbe::isDebuggerAttached))
{
}

juce::File CrashHandlers::dumpFile()
{
    return CrashDumpWriter::dumpFileFor (AppDataPaths::appDataRoot(),
                                         juce::File::getSpecialLocation (juce::File::currentExecutableFile));
}

void CrashHandlers::install()
{
    if (installed)
        return;

    if (debuggerAttached())
    {
        FH_LOG (spdlog::level::info, "Debugger attached: crash handlers not installed");
        return;
    }

    const auto file = dumpFile();
    installed = CrashDumpWriter::install (file);

    if (installed)
        FH_LOG (spdlog::level::info, "Crash handlers installed, dump file {}", file.getFullPathName().toStdString());
    else
        FH_LOG (spdlog::level::warn, "Crash handlers not installed (already installed, or dump path too long: {})",
                file.getFullPathName().toStdString());
}

void CrashHandlers::restore()
{
    if (! installed || debuggerAttached())
        return;

    CrashDumpWriter::restore();
    installed = false;
}
