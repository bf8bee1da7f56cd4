#pragma once

#include <functional>
#include <string>

// The emulator's own log: every line goes to one sink (stderr by default when
// verbose, nothing otherwise). Lines may come from any thread.
namespace fhemu
{
enum class LogLevel { debug, info, warn, error };

using LogSink = std::function<void (LogLevel, const std::string&)>;

void setLogSink (LogSink sink);
void setVerbose (bool verbose);
void log (LogLevel level, const std::string& text);
} // namespace fhemu
