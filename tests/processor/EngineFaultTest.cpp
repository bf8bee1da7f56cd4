// What a misbehaving or restarting engine does to the program: for each fault
// the emulator injects, the program survives it, logs one clear line, keeps
// every value of its model, and opens the device again within its retry time
// with the whole model equal to the emulator's project.
#include "EngineStack.h"

#include "engine/EngineLimits.h"
#include "engine/IpcSocket.h"

#include "EmuWire.h"

#include <boost/interprocess/sync/named_semaphore.hpp>

namespace
{
using namespace processortest;
using Behaviour = fhemu::EmulatorReadResponder::Behaviour;

// Prints the captured log lines when the test has failed, to show what the program did.
struct DumpLogOnFailure
{
    explicit DumpLogOnFailure (const fhtest::ScopedLogCapture& c) : capture (c) {}
    ~DumpLogOnFailure()
    {
        if (::testing::Test::HasFailure())
            for (const auto& line : capture.lines())
                std::fprintf (stderr, "log: %s\n", line.c_str());
    }
    const fhtest::ScopedLogCapture& capture;
};

class EngineFault : public EngineStackTest
{
protected:

    int readsOfIndexAtLeast (int index)
    {
        int n = 0;
        if (auto* open = openDevice())
            for (const auto& t : open->dataServer.received().transactions())
                n += t.header.command == 0x20 && t.header.argument >= index ? 1 : 0;
        return n;
    }
};

TEST_F (EngineFault, DataChannelFaultsCloseTheDeviceWhichOpensAgainWithTheWholeModel)
{
    struct Case
    {
        const char* what;
        std::function<void (fhemu::AsyncDataServer&)> inject;
        const char* line;
    };
    const Case cases[] {
        { "frame over the size limit",
          [] (fhemu::AsyncDataServer& s) {
              s.sendRaw (fhemu::wire::frame ({}, fhemu::wire::frameMagic, EngineLimits::maxIncomingFramePayload + 1));
          },
          "exceeds the limit of" },
        { "frame that stalls halfway",
          [] (fhemu::AsyncDataServer& s) { s.sendStalledFrame (100, 10); },
          "IPC message did not arrive whole within 1000 ms" },
        { "data socket lost", [] (fhemu::AsyncDataServer& s) { s.dropConnection(); }, "Device disconnected" },
    };

    fhtest::ScopedLogCapture log;
    DumpLogOnFailure dump (log);
    startProcessor();
    ASSERT_TRUE (waitForWholeModel()) << compare().summary();

    int opens = 1;
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto* open = openDevice();
        ASSERT_NE (open, nullptr);
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return open->dataServer.isClientConnected(); }, 5s));
        const int linesBefore = log.count (c.line);

        c.inject (open->dataServer);
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.count ("Closing device") >= opens; }, 5s));
        EXPECT_EQ (log.count (c.line), linesBefore + 1);
        EXPECT_TRUE (compare().matches()) << compare().summary();   // the closed device's model stays

        ++opens;
        const auto closedAt = std::chrono::steady_clock::now();
        ASSERT_TRUE (waitForWholeModel (open)) << compare().summary();
        EXPECT_LT (std::chrono::steady_clock::now() - closedAt, 8s);
    }
    EXPECT_EQ (engine->numConnectionRequests(), opens);
}

TEST_F (EngineFault, RequestsLeftUnansweredOrAnsweredBadlyAreTriedAgain)
{
    struct Case
    {
        const char* what;
        std::function<void (fhemu::EmulatorSession&)> inject;
        const char* line;
    };
    const Case cases[] {
        { "device list request unanswered",
          [] (fhemu::EmulatorSession& e) { e.messageChannel().leaveNextRequestsUnanswered (4, 1); },
          "Timed out waiting for message response!" },
        { "connection request unanswered",
          [] (fhemu::EmulatorSession& e) { e.messageChannel().leaveNextRequestsUnanswered (7, 1); },
          "Timed out waiting for message response!" },
        { "malformed connection answer", [] (fhemu::EmulatorSession& e) { e.sendMalformedConnectionAnswers (1); },
          "Invalid response was received! The message of 8 bytes is malformed." },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        fhtest::ScopedLogCapture log;
        DumpLogOnFailure dump (log);
        c.inject (*engine);
        startProcessor();
        ASSERT_TRUE (waitForWholeModel()) << compare().summary();
        EXPECT_EQ (log.count (c.line), 1);
        EXPECT_TRUE (log.contains ("Trying the device again in 1000 ms"));
        stopProcessor();
    }
}

TEST_F (EngineFault, CompressedAnswersThatCannotBeDecodedNeverWipeTheModel)
{
    struct Case
    {
        Behaviour behaviour;
        const char* name;
        const char* line;
    };
    const Case cases[] { { Behaviour::corruptCompressed, "CUT SHORT", "Read answer of type=13 could not be decompressed" },
                         { Behaviour::emptyCompressed, "EMPTY", "Could not handle response data!" } };

    fhtest::ScopedLogCapture log;
    DumpLogOnFailure dump (log);
    startProcessor();
    ASSERT_TRUE (waitForWholeModel()) << compare().summary();
    worker().setResponseTimeout (0.5);

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        const auto before = modelcompare::textOf (model().getKit(), "Kit_Name");
        auto& device = *openDevice()->device;
        device.getResponder().pushBehaviour (c.behaviour);
        ASSERT_TRUE (device.announce (project().renameKit (c.name)));

        ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.count (c.line) == 1; }, 5s));
        EXPECT_EQ (modelcompare::textOf (model().getKit(), "Kit_Name"), before);
        // Asked again at the read's deadline, and answered whole.
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return isIdle() && compare().matches(); }, 5s)) << compare().summary();
        EXPECT_EQ (modelcompare::textOf (model().getKit(), "Kit_Name"), c.name);
    }
}

TEST_F (EngineFault, NotificationsForTracksOutsideTheKitAreLoggedAndIgnored)
{
    fhtest::ScopedLogCapture log;
    DumpLogOnFailure dump (log);
    startProcessor();
    ASSERT_TRUE (waitForWholeModel()) << compare().summary();

    auto& responder = openDevice()->device->getResponder();
    constexpr std::uint16_t filterFrequency = 60;
    ASSERT_TRUE (responder.sendParameterNotification (5, 500, 500, filterFrequency, 1234));   // a sound parameter
    ASSERT_TRUE (responder.sendParameterNotification (4, 12, 12, 0, 0));                       // a whole sound
    ASSERT_TRUE (responder.sendParameterNotification (6, 200, 200, 0, 0));                     // a sound setup
    ASSERT_TRUE (responder.sendParameterNotification (14, 13, 13, 10, 999));                  // a track level

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.count ("outside the kit") == 4; }, 5s));
    EXPECT_TRUE (log.contains ("Ignored a machine notification of type 5 for track index 500 outside the kit"));
    fhtest::pumpFor (300ms);
    EXPECT_TRUE (compare().matches()) << compare().summary();
    EXPECT_EQ (readsOfIndexAtLeast (12), 0);

    // A notification for a track of the kit still goes through.
    ASSERT_TRUE (openDevice()->device->announce (project().setSoundParameter (11, filterFrequency, 4321)));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return compare().matches(); }, 5s)) << compare().summary();
}

TEST_F (EngineFault, ReadsOfAnEngineThatRestartsDuringAnOpenEndAtOnce)
{
    fhtest::ScopedLogCapture log;
    DumpLogOnFailure dump (log);
    // The first engine takes every read and answers none.
    engine->setOpenHook ([] (fhemu::EmulatorSession::OpenDevice& open) {
        for (int i = 0; i < 64; ++i)
            open.device->getResponder().pushBehaviour (Behaviour::ignore);
    });
    startProcessor();
    // Every thread of the job pool waits for a read of its own.
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        return openDevice() != nullptr && openDevice()->device->getResponder().numReadsSeen() >= 4
            && worker().pendingRequestCount() >= 4;
    }, 10s));

    engine.reset();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("Closing device"); }, 5s));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return isIdle(); }, 3s));   // not at the reads' 30 s deadline
    EXPECT_TRUE (log.contains ("outstanding read requests"));
    // The update jobs end quietly: a dropped read is no error.
    for (const auto& line : log.linesFrom (spdlog::level::err))
        EXPECT_EQ (line.find ("Broken promise"), std::string::npos) << line;

    const auto restartedAt = std::chrono::steady_clock::now();
    startEngine();
    ASSERT_TRUE (waitForWholeModel()) << compare().summary();
    EXPECT_LT (std::chrono::steady_clock::now() - restartedAt, 10s);
    EXPECT_FALSE (log.contains ("async packet loss"));   // the new connection counts afresh
}
TEST_F (EngineFault, AnEngineThatShrinksTheSharedFileIsDroppedNotCrashedInto)
{
    fhtest::ScopedLogCapture log;
    DumpLogOnFailure dump (log);
    startProcessor();
    ASSERT_TRUE (waitForWholeModel()) << compare().summary();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return answeredBlocks() > 10; }, 5s));

    // Cut below the block while the audio thread serves it: touching the lost pages would kill the program.
    auto* shrunk = openDevice();
    shrunk->audio->shrinkFile (4096);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("Closing device"); }, 5s));
    EXPECT_EQ (log.count ("The shared audio block is shorter than its 69661 bytes; closing the audio connection"), 1);

    // The engine offers a whole block again at the next open.
    ASSERT_TRUE (waitForWholeModel (shrunk)) << compare().summary();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return answeredBlocks() > 10; }, 5s));
}

TEST_F (EngineFault, SemaphoresNobodyPostsEndInAStallAndOnlyTheClientsOwnAreRemoved)
{
    namespace bip = boost::interprocess;
    struct Case
    {
        const char* what;
        bool leftOver;   // names there before the client came (else the client makes them)
    };
    const Case cases[] { { "missing", false }, { "left over", true } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        fhtest::ScopedLogCapture log;
        DumpLogOnFailure dump (log);

        fhemu::EmulatorAudioStream::Settings silent;
        silent.makeSemaphores = false;
        engine->setAudioSettings (silent);
        engine->setOpenHook ([leftOver = c.leftOver] (fhemu::EmulatorSession::OpenDevice& open) {
            if (leftOver)
                for (const char* suffix : { "_IA", "_OA" })
                    bip::named_semaphore (bip::create_only, (open.audio->getName() + suffix).c_str(), 0);
        });
        startProcessor (1500);
        ASSERT_TRUE (fhtest::pumpUntil ([&] { return log.contains ("Closing device"); }, 10s));
        EXPECT_EQ (log.count ("No audio block from the server for 1500 ms; closing the audio connection"), 1);
        auto* silentOpen = openDevice();
        ASSERT_NE (silentOpen, nullptr);
        const auto stream = silentOpen->audio->getName();

        // What the client made it took away again; what it found it left.
        for (const char* suffix : { "_IA", "_OA" })
        {
            const auto name = stream + suffix;
            bool exists = true;
            try
            {
                bip::named_semaphore (bip::open_only, name.c_str());
            }
            catch (const bip::interprocess_exception&)
            {
                exists = false;
            }
            EXPECT_EQ (exists, c.leftOver) << name;
            bip::named_semaphore::remove (name.c_str());
        }

        // An engine that posts again is followed at the next open.
        engine->setOpenHook ({});
        engine->setAudioSettings ({});
        ASSERT_TRUE (waitForWholeModel (silentOpen)) << compare().summary();
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return answeredBlocks() > 10; }, 5s));
        stopProcessor();
    }
}
} // namespace
