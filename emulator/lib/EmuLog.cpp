#include "EmuLog.h"

#include <cstdio>
#include <mutex>

namespace fhemu
{
namespace
{
    std::mutex logLock;
    LogSink currentSink;
    bool verboseLog = false;

    const char* levelName (LogLevel level)
    {
        switch (level)
        {
            case LogLevel::debug: return "debug";
            case LogLevel::info:  return "info";
            case LogLevel::warn:  return "warn";
            case LogLevel::error: return "error";
        }
        return "?";
    }
}

void setLogSink (LogSink sink)
{
    std::lock_guard<std::mutex> lock (logLock);
    currentSink = std::move (sink);
}

void setVerbose (bool verbose)
{
    std::lock_guard<std::mutex> lock (logLock);
    verboseLog = verbose;
}

void log (LogLevel level, const std::string& text)
{
    std::lock_guard<std::mutex> lock (logLock);
    if (currentSink)
        currentSink (level, text);
    else if (verboseLog)
        std::fprintf (stderr, "[emulator %s] %s\n", levelName (level), text.c_str());
}
} // namespace fhemu
