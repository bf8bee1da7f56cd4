#include "platform/DebuggerProbe.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <string>

namespace DebuggerProbe
{
int tracerPidFromStatus (std::string_view statusText)
{
    static constexpr std::string_view key = "TracerPid:";

    for (size_t lineStart = 0; lineStart < statusText.size();)
    {
        auto lineEnd = statusText.find ('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = statusText.size();

        const auto line = statusText.substr (lineStart, lineEnd - lineStart);

        if (line.substr (0, key.size()) == key)
        {
            auto value = line.substr (key.size());
            while (! value.empty() && (value.front() == ' ' || value.front() == '\t'))
                value.remove_prefix (1);

            int pid = 0;
            const auto [end, error] = std::from_chars (value.data(), value.data() + value.size(), pid);
            return error == std::errc() && pid > 0 ? pid : 0;
        }

        lineStart = lineEnd + 1;
    }

    return 0;
}

bool isDebuggerAttached()
{
    std::ifstream status ("/proc/self/status");
    if (! status)
        return false;

    std::ostringstream text;
    text << status.rdbuf();
    return tracerPidFromStatus (text.str()) != 0;
}
} // namespace DebuggerProbe
