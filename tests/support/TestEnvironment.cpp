#include "support/TestEnvironment.h"

#include "foundation/Logger.h"
#include "platform/AppDataPaths.h"

#include <spdlog/sinks/base_sink.h>

#include <cstdlib>
#include <thread>

namespace fhtest
{
namespace
{
    std::optional<std::string> getEnv (const char* name)
    {
        if (const char* v = std::getenv (name))
            return std::string (v);
        return std::nullopt;
    }
} // namespace

ScopedTempHome::ScopedTempHome()
{
    root = juce::File::createTempFile ("fh-home");
    root.createDirectory();
    root.getChildFile ("tmp").createDirectory();

    const std::pair<const char*, juce::File> vars[] = {
        { "HOME", root },
        { "XDG_CONFIG_HOME", root.getChildFile (".config") },
        { "TMPDIR", root.getChildFile ("tmp") },
    };

    for (const auto& [name, value] : vars)
    {
        saved.emplace_back (name, getEnv (name));
        ::setenv (name, value.getFullPathName().toRawUTF8(), 1);
    }
}

ScopedTempHome::~ScopedTempHome()
{
    for (auto it = saved.rbegin(); it != saved.rend(); ++it)
    {
        if (it->second)
            ::setenv (it->first.c_str(), it->second->c_str(), 1);
        else
            ::unsetenv (it->first.c_str());
    }
    root.deleteRecursively();
}

juce::File ScopedTempHome::appDataRoot() const
{
    return configHome().getChildFile (AppDataPaths::familyFolderName);
}

bool pumpUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    auto* mm = juce::MessageManager::getInstance();

    while (! condition())
    {
        if (std::chrono::steady_clock::now() >= deadline)
            return condition();
        mm->runDispatchLoopUntil (5);
    }
    return true;
}

void pumpFor (std::chrono::milliseconds duration)
{
    const auto deadline = std::chrono::steady_clock::now() + duration;
    auto* mm = juce::MessageManager::getInstance();

    while (std::chrono::steady_clock::now() < deadline)
        mm->runDispatchLoopUntil (5);
}

AppTest::AppTest()
{
    juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();
}

AppTest::~AppTest()
{
    // Deliver what is still queued so no message outlives the test's objects.
    pumpFor (std::chrono::milliseconds (0));
}

struct ScopedLogCapture::Sink : public spdlog::sinks::base_sink<std::mutex>
{
    std::vector<std::string> captured;
    std::vector<spdlog::level::level_enum> levels;

    std::vector<std::string> snapshot (spdlog::level::level_enum from = spdlog::level::trace)
    {
        const std::lock_guard<std::mutex> lock (mutex_);
        std::vector<std::string> out;
        for (std::size_t i = 0; i < captured.size(); ++i)
            if (levels[i] >= from)
                out.push_back (captured[i]);
        return out;
    }

protected:
    void sink_it_ (const spdlog::details::log_msg& msg) override
    {
        captured.emplace_back (msg.payload.data(), msg.payload.size());
        levels.push_back (msg.level);
    }
    void flush_() override {}
};

ScopedLogCapture::ScopedLogCapture()
    : sink (std::make_shared<Sink>()), previous (std::atomic_load (&gLogger))
{
    auto logger = std::make_shared<spdlog::logger> (CorvanelLogger::loggerName, sink);
    logger->set_level (spdlog::level::trace);
    // Threads of the code under test may be logging while the logger changes.
    std::atomic_store (&gLogger, logger);
}

ScopedLogCapture::~ScopedLogCapture()
{
    std::atomic_store (&gLogger, previous);
}

std::vector<std::string> ScopedLogCapture::lines() const
{
    return sink->snapshot();
}

std::vector<std::string> ScopedLogCapture::linesFrom (spdlog::level::level_enum level) const
{
    return sink->snapshot (level);
}

int ScopedLogCapture::count (const std::string& text) const
{
    int n = 0;
    for (const auto& line : lines())
        if (line.find (text) != std::string::npos)
            ++n;
    return n;
}

juce::File helperProgram (const juce::String& name)
{
    return juce::File (FH_TEST_BINARY_DIR).getChildFile (name);
}
} // namespace fhtest
