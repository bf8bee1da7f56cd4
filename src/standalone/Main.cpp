// The program's entry. "--engine-session" runs the console client of the engine
// session; otherwise the standalone application starts (it reads no command line
// itself). "--screenshot DIR" makes the program save pictures of its window and
// settings dialog into DIR and quit; "--port N" points it at an engine on another
// port than the engine's own.
#include "standalone/EngineSessionMonitor.h"
#include "standalone/StandaloneFilterApp.h"
#include "standalone/StandalonePluginHolder.h"

#include <csignal>
#include <iostream>

namespace
{
juce::JUCEApplicationBase* createApplication()
{
    return new corvanel::StandaloneFilterApp();
}

// The options of the entry; false, with a message, for anything else.
bool readOptions (int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        const juce::String option (argv[i]);
        const bool hasValue = i + 1 < argc;
        if (option == "--screenshot" && hasValue)
        {
            const juce::String folder (argv[++i]);
            corvanel::StandaloneFilterApp::screenshotFolder() = juce::File::getCurrentWorkingDirectory().getChildFile (folder);
        }
        else if (option == "--port" && hasValue && juce::String (argv[i + 1]).containsOnly ("0123456789"))
        {
            const int port = juce::String (argv[++i]).getIntValue();
            if (port <= 0 || port > 65535)
            {
                std::cerr << "fernhollow: --port needs a port number from 1 to 65535\n";
                return false;
            }
            corvanel::StandalonePluginHolder::engineClientOptions().messagePort = port;
        }
        else
        {
            std::cerr << "fernhollow: unknown option '" << option << "'\n"
                      << "usage: fernhollow [--port N] [--screenshot DIR]\n"
                      << "       fernhollow --engine-session [--port N]\n";
            return false;
        }
    }
    return true;
}
} // namespace

int main (int argc, char** argv)
{
    std::signal (SIGPIPE, SIG_IGN);

    if (argc > 1 && juce::String (argv[1]) == "--engine-session")
        return runEngineSessionMonitor (argc, argv);

    if (! readOptions (argc, argv))
        return 2;

    if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty()
        && juce::SystemStats::getEnvironmentVariable ("WAYLAND_DISPLAY", {}).isEmpty())
    {
        std::cerr << "fernhollow: no display to open the window on (DISPLAY is not set).\n"
                  << "Run it in a desktop session, or under xvfb-run for a virtual display.\n";
        return 1;
    }

    juce::JUCEApplicationBase::createInstance = &createApplication;
    return juce::JUCEApplicationBase::main (argc, const_cast<const char**> (argv));
}
