// Test helper: opens the program logger under a given file name, prints the
// log file it got, logs the given number of lines and keeps the logger (and so
// its file) open until a "quit" file appears, then shuts it down.
//
//     logger_holder <file name> <quit file> [lines]
//
// Output on stdout: "LOGFILE <full path>" ("LOGFILE -" without a file), then
// "READY". The helper gives up after 60 s, so a failed test leaves no process.
#include "foundation/Logger.h"

#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

int main (int argc, char** argv)
{
    std::signal (SIGPIPE, SIG_IGN);

    if (argc < 3)
    {
        std::cerr << "usage: logger_holder <file name> <quit file> [lines]" << std::endl;
        return 2;
    }

    const juce::File quitFile { juce::String (juce::CharPointer_UTF8 (argv[2])) };
    const int lines = argc > 3 ? juce::String (argv[3]).getIntValue() : 0;

    LoggerSettings settings;
    settings.level = spdlog::level::info;
    CorvanelLogger::initialise (settings, argv[1]);

    const auto file = CorvanelLogger::currentLogFile();
    std::cout << "LOGFILE " << (file == juce::File() ? juce::String ("-") : file.getFullPathName()) << std::endl;

    for (int i = 0; i < lines; ++i)
        FH_LOG (spdlog::level::info, "line {}", i);

    std::cout << "READY" << std::endl;

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds (60);
    while (! quitFile.exists() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for (std::chrono::milliseconds (10));

    CorvanelLogger::shutdown();
    return 0;
}
