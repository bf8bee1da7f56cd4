// The main of every test program: SIGPIPE ignored (socket writes to a closed
// peer must fail with an error, not end the process), and a program logger that
// writes to stderr at the level given by FH_TEST_LOG ("off" unless set).
#include "foundation/Logger.h"

#include <gtest/gtest.h>
#include <spdlog/sinks/stdout_sinks.h>

#include <csignal>
#include <cstdlib>

int main (int argc, char** argv)
{
    std::signal (SIGPIPE, SIG_IGN);

    const char* level = std::getenv ("FH_TEST_LOG");
    gLogger = std::make_shared<spdlog::logger> (CorvanelLogger::loggerName,
                                                std::make_shared<spdlog::sinks::stderr_sink_mt>());
    gLogger->set_level (static_cast<spdlog::level::level_enum> (
        CorvanelLogger::levelFromName (level != nullptr ? level : "off")));

    ::testing::InitGoogleTest (&argc, argv);
    const int result = RUN_ALL_TESTS();
    gLogger.reset();
    return result;
}
