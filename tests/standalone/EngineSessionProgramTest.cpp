#include "ProgramProcess.h"

#include "support/TestEnvironment.h"

#include "EmulatorSession.h"
#include "VirtualProject.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <thread>

using namespace std::chrono_literals;
using standalonetest::ProgramProcess;

namespace
{
bool waitFor (const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (! condition())
    {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for (10ms);
    }
    return true;
}

int countLines (const ProgramProcess& program, const std::string& line)
{
    int n = 0;
    for (const auto& l : program.lines())
        n += l == line ? 1 : 0;
    return n;
}

// An engine emulator in this process with the virtual Kolvane and its project.
class Engine
{
public:
    explicit Engine (int port)
    {
        fhemu::EmulatorSession::Settings settings;
        settings.messagePort = port;
        session = std::make_unique<fhemu::EmulatorSession> (settings);
        started = session->start();
        if (started)
            session->addDevice (kolvane, true);
    }

    fhemu::VirtualProject& project() { return *session->projectOf (kolvane.uid); }

    // Announces a change made at the device to the program; false while the device is not open.
    bool announce (const std::vector<fhemu::DeviceNotification>& notifications)
    {
        auto* open = session->openDevice (kolvane.uid);
        return open != nullptr && open->device != nullptr && open->device->announce (notifications);
    }

    const fhemu::EmulatorDevice kolvane = fhemu::EmulatorSession::virtualKolvane();
    std::unique_ptr<fhemu::EmulatorSession> session;
    bool started = false;
};

std::vector<std::string> programArguments (int port)
{
    return { FH_PROGRAM_PATH, "--engine-session", "--port", std::to_string (port) };
}

const std::string following = "Following changes (Ctrl+C stops)";
} // namespace

// The program's engine-session client against an engine emulator in this
// process: it opens the virtual Kolvane, prints the model it reads, then one
// line for each change made at the device; Ctrl+C ends it cleanly.
TEST (EngineSessionProgram, PrintsTheModelAndFollowsItsChanges)
{
    fhtest::ScopedTempHome home;
    Engine engine (0);
    ASSERT_TRUE (engine.started);
    engine.project().renameKit ("PROGRAM KIT");
    const auto oldLevel = static_cast<int> (std::lround (engine.project().getTrackLevel (2) / 256.0));
    const auto oldName = engine.project().getSound (1).setup.name;

    ProgramProcess program (programArguments (engine.session->getMessagePort()));
    ASSERT_TRUE (program.isStarted());
    ASSERT_TRUE (waitFor ([&] { return program.hasLine ("Kit 'PROGRAM KIT'"); }, 20000ms)) << program.output();
    ASSERT_TRUE (waitFor ([&] { return program.hasLine (following); }, 5000ms)) << program.output();

    ASSERT_TRUE (engine.announce (engine.project().setTrackLevel (2, 80 * 256)));
    EXPECT_TRUE (waitFor ([&] { return program.hasLine ("T3 level " + std::to_string (oldLevel) + " -> 80"); }, 10000ms))
        << program.output();
    ASSERT_TRUE (engine.announce (engine.project().renameSound (1, "CLAP")));
    EXPECT_TRUE (waitFor ([&] { return program.hasLine ("T2 sound '" + oldName + "' -> 'CLAP'"); }, 10000ms))
        << program.output();

    EXPECT_EQ (program.interruptAndWait (20000), 0) << program.output();
    EXPECT_TRUE (program.hasLine ("Stopping")) << program.output();
}

// The engine goes away while the model is followed: the program says so, keeps
// waiting, and shows the model again when the engine is back on the same port.
TEST (EngineSessionProgram, WaitsForAnEngineThatWentAwayAndShowsTheModelAgain)
{
    fhtest::ScopedTempHome home;
    auto first = std::make_unique<Engine> (0);
    ASSERT_TRUE (first->started);
    const int port = first->session->getMessagePort();
    first->project().renameKit ("FIRST KIT");

    ProgramProcess program (programArguments (port));
    ASSERT_TRUE (program.isStarted());
    ASSERT_TRUE (waitFor ([&] { return program.hasLine ("Kit 'FIRST KIT'"); }, 20000ms)) << program.output();
    ASSERT_TRUE (waitFor ([&] { return program.hasLine (following); }, 5000ms)) << program.output();

    first.reset();
    EXPECT_TRUE (waitFor ([&] { return program.hasLine ("Engine gone: waiting for it on port " + std::to_string (port)); },
                          20000ms)) << program.output();
    EXPECT_TRUE (waitFor ([&] { return program.hasLine ("Kolvane closed: waiting for it to open again"); }, 20000ms))
        << program.output();

    Engine second (port);
    ASSERT_TRUE (second.started);
    second.project().renameKit ("SECOND KIT");
    EXPECT_TRUE (waitFor ([&] { return program.hasLine ("Kit 'SECOND KIT'"); }, 20000ms)) << program.output();
    EXPECT_TRUE (waitFor ([&] { return countLines (program, following) == 2; }, 5000ms)) << program.output();

    EXPECT_EQ (program.interruptAndWait (20000), 0) << program.output();
}
