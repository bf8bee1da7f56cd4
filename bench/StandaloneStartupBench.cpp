// The standalone program from its start to its main window shown, and its resident
// memory once the virtual audio device runs and the device model is filled: the
// program of this build as a child process on the virtual audio device, against
// the engine emulator in this process, on the display of the environment (run
// under xvfb-run where there is none).
#include "foundation/GlobalPreferences.h"

#include "EmulatorSession.h"
#include "MessageLoop.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace
{
using Clock = std::chrono::steady_clock;

// Resident memory of a process in megabytes (0 when it cannot be read).
double residentMegabytes (pid_t pid)
{
    std::ifstream status ("/proc/" + std::to_string (pid) + "/status");
    std::string line;
    while (std::getline (status, line))
        if (line.rfind ("VmRSS:", 0) == 0)
            return std::stod (line.substr (6)) / 1024.0;
    return 0.0;
}

bool logSays (const juce::File& folder, const juce::String& text)
{
    for (const auto& file : folder.findChildFiles (juce::File::findFiles, false, "Kolvane_standalone*.log"))
        if (file.loadFileAsString().contains (text))
            return true;
    return false;
}

void BM_StandaloneStartsToItsWindow (benchmark::State& state)
{
    if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
    {
        state.SkipWithError ("no display: run the benchmarks under xvfb-run");
        return;
    }
    const juce::ScopedJuceInitialiser_GUI juce;
    fhemu::EmulatorSession::Settings settings;
    settings.messagePort = 0;
    fhemu::EmulatorSession session (settings);
    constexpr std::uint64_t uid = 0x5747;
    session.addDevice (fhemu::EmulatorSession::virtualKolvane (uid), false);
    if (! session.start())
    {
        state.SkipWithError ("the emulated engine did not start");
        return;
    }
    const auto port = std::to_string (session.getMessagePort());

    double lastRss = 0.0;
    for (auto _ : state)
    {
        state.PauseTiming();
        const auto home = juce::File::createTempFile ("startup-home");
        home.createDirectory();
        const auto config = home.getChildFile (".config");
        setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
        setenv ("XDG_CONFIG_HOME", config.getFullPathName().toRawUTF8(), 1);
        setenv ("FERNHOLLOW_VIRTUAL_AUDIO", "1", 1);
        {
            // Every log line is written at once, so the window's line is seen when it is logged.
            GlobalPreferences preferences (true, false);
            preferences.setLogLevel ("info");
            preferences.setLogFlushLevel ("trace");
        }
        const auto logFolder = config.getChildFile ("Corvanel Fernhollow");
        auto* const previousOpen = session.openDevice (uid);
        state.ResumeTiming();

        const auto started = Clock::now();
        const pid_t pid = ::fork();
        if (pid == 0)
        {
            ::execl (FH_PROGRAM_PATH, FH_PROGRAM_PATH, "--port", port.c_str(), static_cast<char*> (nullptr));
            ::_exit (127);
        }
        bool shown = false;
        while (! shown && Clock::now() - started < std::chrono::seconds (20))
        {
            shown = logSays (logFolder, "Main window is showing");
            if (! shown)
                std::this_thread::sleep_for (std::chrono::milliseconds (2));
        }
        const double seconds = std::chrono::duration<double> (Clock::now() - started).count();
        state.SetIterationTime (seconds);

        state.PauseTiming();
        // The device open and its model read: the 36 reads answered, and a moment to settle.
        const bool filled = bench::pumpUntil ([&] {
            auto* open = session.openDevice (uid);
            return open != nullptr && open != previousOpen && open->dataServer.received().numTransactions() >= 36;
        });
        std::this_thread::sleep_for (std::chrono::milliseconds (1500));
        lastRss = residentMegabytes (pid);
        ::kill (pid, SIGTERM);
        ::waitpid (pid, nullptr, 0);
        home.deleteRecursively();
        if (! shown || ! filled)
        {
            state.SkipWithError (shown ? "the device model was not filled" : "the window was not shown within 20 s");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["rss_MB"] = lastRss;
    session.stop();
}
BENCHMARK (BM_StandaloneStartsToItsWindow)->Unit (benchmark::kMillisecond)->UseManualTime()->Iterations (3);
} // namespace
