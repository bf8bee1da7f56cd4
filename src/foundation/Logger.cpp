#include "foundation/Logger.h"

#include "platform/AppDataPaths.h"

#include <spdlog/async.h>
#include <spdlog/sinks/null_sink.h>
#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/sinks/stdout_sinks.h>

#include <sys/file.h>

#include <cstdio>
#include <iostream>
#include <mutex>

std::shared_ptr<spdlog::logger> gLogger;

namespace CorvanelLogger
{
namespace
{
    std::mutex currentFileMutex;
    juce::File currentFile;

    void setCurrentFile (const juce::File& f)
    {
        const std::lock_guard<std::mutex> lock (currentFileMutex);
        currentFile = f;
    }

    // A log file belongs to one process: the first process to open it takes an
    // exclusive advisory lock, and any other process is refused, so that it moves
    // on to the next number. Rotation reopens the file and takes the lock again.
    spdlog::file_event_handlers exclusiveFileHandlers()
    {
        spdlog::file_event_handlers handlers;
        handlers.after_open = [] (const spdlog::filename_t& name, std::FILE* file)
        {
            if (::flock (::fileno (file), LOCK_EX | LOCK_NB) != 0)
                throw spdlog::spdlog_ex ("log file is held by another process: " + name);
        };
        return handlers;
    }
} // namespace

int levelFromName (const juce::String& name)
{
    static const char* const names[] = { "trace", "debug", "info", "warn", "err", "critical", "off" };

    for (int i = 0; i < 7; ++i)
        if (name == names[i])
            return i;

    return 0;
}

std::string makeLogFileName (std::string_view stem, int number)
{
    return std::string (stem) + "_" + std::to_string (number) + ".log";
}

std::string fileStem (std::string_view fileName)
{
    if (fileName.size() <= 4)
        return std::string (fileName);

    const auto dot = fileName.rfind ('.');
    return std::string (dot == std::string_view::npos ? fileName : fileName.substr (0, dot));
}

void createNullLogger()
{
    if (gLogger != nullptr)
        return;

    auto logger = std::make_shared<spdlog::logger> (loggerName, std::make_shared<spdlog::sinks::null_sink_mt>());
    spdlog::drop (loggerName);
    spdlog::register_logger (logger);
    std::atomic_store (&gLogger, logger);
    setCurrentFile ({});
}

// Two instances starting at once race to create the folder (or one of its parents),
// and the loser's mkdir fails with "exists": what counts is that the folder is there.
static bool makeFolder (const juce::File& folder)
{
    for (int attempt = 0; attempt < 3 && ! folder.isDirectory(); ++attempt)
        folder.createDirectory();
    return folder.isDirectory();
}

void createLogger (const LoggerSettings& settings, std::wstring_view folderName, std::string_view fileName)
{
    const juce::File folder (juce::String (std::wstring (folderName).c_str()));

    if (! makeFolder (folder))
    {
        auto logger = std::make_shared<spdlog::logger> (loggerName, std::make_shared<spdlog::sinks::stdout_sink_mt>());
        spdlog::drop (loggerName);
        spdlog::register_logger (logger);
        std::atomic_store (&gLogger, logger);
        setCurrentFile ({});
        gLogger->log (spdlog::level::err, "Failed to create logging folder for Corvanel Fernhollow. Logging to stdout instead.");
        return;
    }

    const auto path = folder.getChildFile (juce::String (std::string (fileName))).getFullPathName().toStdString();

    try
    {
        spdlog::init_thread_pool (8192, 1);

        auto sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt> (
            path,
            static_cast<std::size_t> (juce::jmax (0, settings.maxFileSize)),
            static_cast<std::size_t> (juce::jmax (0, settings.maxFiles)),
            false,
            exclusiveFileHandlers());

        auto logger = std::make_shared<spdlog::async_logger> (loggerName,
                                                              std::move (sink),
                                                              spdlog::thread_pool(),
                                                              spdlog::async_overflow_policy::block);
        spdlog::drop (loggerName);
        spdlog::register_logger (logger);

        spdlog::set_pattern ("%d%m%C %H:%M:%S:%e P%P T%t %l %v");
        spdlog::set_level (static_cast<spdlog::level::level_enum> (juce::jlimit (0, 6, settings.level)));
        logger->flush_on (static_cast<spdlog::level::level_enum> (juce::jlimit (0, 6, settings.flushLevel)));

        std::atomic_store (&gLogger, std::shared_ptr<spdlog::logger> (logger));
        setCurrentFile (juce::File (juce::String (path)));
    }
    catch (const spdlog::spdlog_ex& e)
    {
        std::cout << "Log initialization failed: " << e.what() << std::endl;
        throw Exception();
    }
}

void initialise (const LoggerSettings& settings, std::string_view fileName)
{
    if (gLogger != nullptr)
        return;

    const auto stem = fileStem (fileName);
    // Own the folder text: a pointer into a temporary juce::String would dangle.
    const std::wstring folder (AppDataPaths::appDataRoot().getFullPathName().toWideCharPointer());

    for (int n = 1; n <= 100; ++n)
    {
        try
        {
            createLogger (settings, folder, makeLogFileName (stem, n));
            return;
        }
        catch (...)
        {
        }
    }

    createNullLogger();
}

void shutdown()
{
    if (gLogger == nullptr)
        return;

    auto logger = std::atomic_exchange (&gLogger, std::shared_ptr<spdlog::logger>());
    logger->flush();
    spdlog::drop (loggerName);
    // Ends the worker thread after it has written everything queued, then lets
    // the logger (and its file) go on this thread, once the worker is gone.
    spdlog::shutdown();
    logger.reset();
    setCurrentFile ({});
}

juce::File currentLogFile()
{
    const std::lock_guard<std::mutex> lock (currentFileMutex);
    return currentFile;
}
} // namespace CorvanelLogger

std::string getSystemDescription()
{
    using SS = juce::SystemStats;

    // The platform's own name (the Windows names of the original table do not
    // apply here; JUCE gives "Linux" on this platform).
    const auto os = SS::getOperatingSystemName();

    return (os.isNotEmpty() ? os : juce::String ("Unknown OS")).toStdString()
         + ", " + SS::getCpuModel().trim().toStdString()
         + " (" + std::to_string (SS::getCpuSpeedInMegahertz()) + " MHz),"
         + " cpus: " + std::to_string (SS::getNumCpus())
         + " (phys: " + std::to_string (SS::getNumPhysicalCpus()) + ")";
}
