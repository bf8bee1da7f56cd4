#include "DeviceRecords.h"
#include "ProgramProcess.h"

#include "support/TestEnvironment.h"

#include "EmulatorSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

using namespace std::chrono_literals;
using standalonetest::ProgramProcess;
using standalonetest::ProjectRecords;

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
} // namespace

// The program's engine-session client against an engine emulator in this
// process: it opens the virtual Kolvane, prints the model it reads and then
// one line for a change the device reports; Ctrl+C ends it cleanly.
TEST (EngineSessionProgram, PrintsTheModelAndFollowsItsChanges)
{
    fhtest::ScopedTempHome home;
    fhemu::EmulatorSession::Settings settings;
    settings.messagePort = 0;
    fhemu::EmulatorSession session (settings);
    ASSERT_TRUE (session.start());
    const auto kolvane = fhemu::EmulatorSession::virtualKolvane();
    session.addDevice (kolvane, false);

    ProgramProcess program ({ FH_PROGRAM_PATH, "--engine-session", "--port", std::to_string (session.getMessagePort()) });
    ASSERT_TRUE (program.isStarted());

    ASSERT_TRUE (waitFor ([&] { return session.openDevice (kolvane.uid) != nullptr; }, 20000ms)) << program.output();
    ProjectRecords records;
    records.kitName = "PROGRAM KIT";
    auto& dataServer = session.openDevice (kolvane.uid)->dataServer;
    fhemu::EmulatorReadResponder responder (dataServer);
    records.serve (responder);
    ASSERT_TRUE (dataServer.waitForConnection (20000ms)) << program.output();
    ASSERT_TRUE (responder.sendEngineReady());

    ASSERT_TRUE (waitFor ([&] { return program.hasLine ("Kit 'PROGRAM KIT'"); }, 20000ms)) << program.output();
    ASSERT_TRUE (waitFor ([&] { return program.hasLine ("Following changes (Ctrl+C stops)"); }, 5000ms)) << program.output();
    EXPECT_TRUE (program.hasLine ("Active edit track: T4")) << program.output();

    ASSERT_TRUE (responder.sendParameterNotification (AsyncDataType::kitParameter, 0, 2, 10, 80 * 256));
    EXPECT_TRUE (waitFor ([&] { return program.hasLine ("T3 level 98 -> 80"); }, 10000ms)) << program.output();

    EXPECT_EQ (program.interruptAndWait (20000), 0) << program.output();
    EXPECT_TRUE (program.hasLine ("Stopping")) << program.output();
}
