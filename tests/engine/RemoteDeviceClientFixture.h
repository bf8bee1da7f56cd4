#pragma once

#include "RecordingDeviceListener.h"

#include "processor/PluginState.h"
#include "processor/RemoteDeviceClientFactory.h"
#include "support/TestEnvironment.h"

#include "EmulatorSession.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace std::chrono_literals;

namespace fhtest
{
// Prints the captured log lines when the test has failed, to show what the client did.
struct DumpLogOnFailure
{
    explicit DumpLogOnFailure (const ScopedLogCapture& c) : capture (c) {}
    ~DumpLogOnFailure()
    {
        if (::testing::Test::HasFailure())
            for (const auto& line : capture.lines())
                std::fprintf (stderr, "log: %s\n", line.c_str());
    }
    const ScopedLogCapture& capture;
};

constexpr std::uint64_t kFirstUid = 0xa11ce;
constexpr std::uint64_t kSecondUid = 0xb0b;

class RemoteDeviceClientTest : public fhtest::AppTest
{
protected:
    explicit RemoteDeviceClientTest (fhemu::EmulatorAudioStream::Pacing pacing = fhemu::EmulatorAudioStream::Pacing::realTime)
    {
        fhemu::EmulatorSession::Settings settings;
        settings.messagePort = 0;
        settings.audio.pacing = pacing;
        settings.audio.answerTimeoutMs = 500;
        engine = std::make_unique<fhemu::EmulatorSession> (settings);
        EXPECT_TRUE (engine->start());
    }

    ~RemoteDeviceClientTest() override
    {
        if (client != nullptr && client->isStarted())
            client->stop();
        clientOwner.reset();
        engine->stop();
    }

    void startClient (std::chrono::milliseconds responseTimeout = 3000ms)
    {
        EngineClientOptions options;
        options.messagePort = engine->getMessagePort();
        options.responseTimeout = responseTimeout;
        clientOwner = makeRemoteDeviceClient ({ 30 }, state, 128, options);
        client = clientOwner.get();
        client->setDeviceListener (&listener);
        client->start();
    }

    bool waitForOpen (std::uint64_t uid)
    {
        return fhtest::pumpUntil ([&] { return listener.count ("opened") >= 1 && client->getSelectedDeviceUid() == uid
                                            && client->isDeviceOpen(); },
                                  10s);
    }

    // Lets the client's job thread and the message thread settle.
    void settle (std::chrono::milliseconds duration = 300ms)
    {
        fhtest::pumpUntil ([&] { return client->getNumPendingJobs() == 0; }, 10s);
        fhtest::pumpFor (duration);
        fhtest::pumpUntil ([&] { return client->getNumPendingJobs() == 0; }, 10s);
    }

    static fhemu::EmulatorDevice device (std::uint64_t uid, std::uint32_t product = 30, std::uint16_t version = 125,
                                        std::uint16_t audioClients = 0)
    {
        auto d = fhemu::EmulatorSession::virtualKolvane (uid);
        d.productId = product;
        d.protocolVersion = version;
        d.audioClients = audioClients;
        d.name = "Kolvane " + std::to_string (uid);
        return d;
    }

    std::unique_ptr<fhemu::EmulatorSession> engine;
    std::shared_ptr<PluginState> state = std::make_shared<PluginState>();
    std::unique_ptr<RemoteDeviceClient> clientOwner;
    RemoteDeviceClient* client = nullptr;
    fhtest::RecordingDeviceListener listener { client };
};

} // namespace fhtest
