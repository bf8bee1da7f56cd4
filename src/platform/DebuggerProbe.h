#pragma once

#include <string_view>

// Whether a debugger (any tracer) is attached to this process.
namespace DebuggerProbe
{
    // The value of the "TracerPid:" line of a /proc/<pid>/status text; 0 when the
    // line is missing or malformed.
    int tracerPidFromStatus (std::string_view statusText);

    // True when /proc/self/status names a tracer.
    bool isDebuggerAttached();
}
