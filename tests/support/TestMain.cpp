// The main of every test program: SIGPIPE ignored (socket writes to a closed
// peer must fail with an error, not end the process), and a program logger that
// writes to stderr at the level given by FH_TEST_LOG ("off" unless set).
// The process also counts as a standalone JUCE application, so that windows put
// on the desktop get JUCE's X error handlers (without them Xlib's default
// handler ends the process on the first harmless error, for example an atom
// that no window manager has registered under Xvfb).
#include "foundation/Logger.h"

#include <juce_events/juce_events.h>
#include <juce_core/juce_core.h>

#include <gtest/gtest.h>
#include <spdlog/sinks/stdout_sinks.h>

#include <csignal>
#include <cstdlib>

int main (int argc, char** argv)
{
    std::signal (SIGPIPE, SIG_IGN);

    // Never called: only its presence matters to JUCE.
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return nullptr; };

    const char* level = std::getenv ("FH_TEST_LOG");
    gLogger = std::make_shared<spdlog::logger> (CorvanelLogger::loggerName,
                                                std::make_shared<spdlog::sinks::stderr_sink_mt>());
    gLogger->set_level (static_cast<spdlog::level::level_enum> (
        CorvanelLogger::levelFromName (level != nullptr ? level : "off")));

    ::testing::InitGoogleTest (&argc, argv);
    const int result = RUN_ALL_TESTS();

    // Stop JUCE's timer thread and the other shutdown-owned singletons before the
    // statics go, as an application's shutdown would.
    juce::DeletedAtShutdown::deleteAll();
    juce::MessageManager::deleteInstance();

    gLogger.reset();
    return result;
}
