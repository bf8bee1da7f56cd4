#pragma once

#include <juce_core/juce_core.h>
#include <spdlog/spdlog.h>

#include <exception>
#include <memory>
#include <string>
#include <string_view>

// The program logger: every line of every subsystem goes through gLogger.
// Callers log with a level number and "{}" placeholders, for example
//     gLogger->log (spdlog::level::err, "Failed to open {}", name);
// Use FH_LOG (level, ...) where the logger may not exist yet (it checks).
extern std::shared_ptr<spdlog::logger> gLogger;

#define FH_LOG(level, ...)                                  \
    do                                                      \
    {                                                       \
        if (auto fhLogger_ = std::atomic_load (&gLogger))   \
            fhLogger_->log (level, __VA_ARGS__);            \
    } while (false)

struct LoggerSettings
{
    int maxFiles = 10;             // rotated files kept besides the active one
    int maxFileSize = 10485760;    // bytes at which the active file rotates
    int level = spdlog::level::off;
    int flushLevel = spdlog::level::warn;
};

namespace CorvanelLogger
{
    inline constexpr const char* loggerName = "corvanel_logger";

    class Exception : public std::exception
    {
    public:
        const char* what() const noexcept override { return "Failed to get log instance"; }
    };

    // Sets up gLogger once; a second call while it exists does nothing. Never throws.
    void initialise (const LoggerSettings& settings, std::string_view fileName);

    // Flushes, resets gLogger and drops the registry entry. Does nothing without a logger.
    void shutdown();

    // "trace", "debug", "info", "warn", "err", "critical", "off" -> 0..6; anything else 0.
    int levelFromName (const juce::String& name);

    std::string makeLogFileName (std::string_view stem, int number);

    // The stem of a log file name: the name up to its last dot (names of at most
    // four characters, and names without a dot, are used whole).
    std::string fileStem (std::string_view fileName);

    // One attempt with one numbered file; throws Exception when the file cannot be
    // opened exclusively. Falls back to standard output when the folder cannot be made.
    void createLogger (const LoggerSettings& settings, std::wstring_view folder, std::string_view fileName);
    void createNullLogger();

    // The file the program logger writes, or an empty path when it writes none.
    juce::File currentLogFile();
}

// "<OS>, <CPU model> (<MHz> MHz), cpus: <logical> (phys: <physical>)"
std::string getSystemDescription();
