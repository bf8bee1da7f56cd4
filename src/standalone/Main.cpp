// Start-up demo of the program until the standalone shell exists: opens the
// program logger with the settings from the global preferences, logs the
// version and the system description, and says where the log file is.
#include "foundation/GlobalPreferences.h"
#include "foundation/Logger.h"
#include "standalone/EngineSessionMonitor.h"

#include <juce_events/juce_events.h>

#include <csignal>
#include <iostream>

int main (int argc, char** argv)
{
    std::signal (SIGPIPE, SIG_IGN);

    if (argc > 1 && juce::String (argv[1]) == "--engine-session")
        return runEngineSessionMonitor (argc, argv);

    juce::ScopedJuceInitialiser_GUI juce;

    // A short-lived instance without the reload thread, only to read the log
    // settings before the log exists.
    const auto settings = readLoggerSettings (GlobalPreferences (true, false));
    CorvanelLogger::initialise (settings, "Kolvane_standalone.log");

    gLogger->log (spdlog::level::info, "{}", "Kolvane " FH_VERSION_STRING);
    gLogger->log (spdlog::level::info, "{}", getSystemDescription());

    const auto file = CorvanelLogger::currentLogFile();
    std::cout << "Kolvane " << FH_VERSION_STRING << "\n"
              << getSystemDescription() << "\n"
              << "Log file: " << (file == juce::File() ? juce::String ("(none)") : file.getFullPathName()) << std::endl;

    CorvanelLogger::shutdown();
    return 0;
}
