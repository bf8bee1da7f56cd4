#pragma once

// The processor from the plug-in factory, with its engine client, worker and
// device model, against an emulated engine that can misbehave and restart. For
// tests of what an engine does to the program.
#include "ModelAgainstProject.h"
#include "ProcessorFixture.h"

#include "engine/EngineLimits.h"

#include <functional>
#include <string>

namespace processortest
{
class EngineStackTest : public ProcessorTest
{
protected:
    EngineStackTest() { startEngine(); }

    ~EngineStackTest() override
    {
        stopProcessor();
        if (engine == nullptr)   // a test ended between an engine's stop and its restart
            engine = std::make_unique<fhemu::EmulatorSession> (fhemu::EmulatorSession::Settings {});
    }

    // A new engine (on the port of the last one, once there was one) listing the
    // device; `prepare` runs before it listens.
    void startEngine (const std::function<void (fhemu::EmulatorSession&)>& prepare = {})
    {
        fhemu::EmulatorSession::Settings settings;
        settings.messagePort = port;
        settings.audio.answerTimeoutMs = 500;
        engine = std::make_unique<fhemu::EmulatorSession> (settings);
        if (prepare)
            prepare (*engine);
        ASSERT_TRUE (engine->start());
        port = engine->getMessagePort();
        engine->addDevice (fhemu::EmulatorSession::virtualKolvane (kUid), false);
    }

    void startProcessor (int audioStallLimitMs = EngineLimits::audioStallLimitMs)
    {
        EngineClientOptions options;
        options.messagePort = port;
        options.responseTimeout = 2000ms;
        options.audioStallLimitMs = audioStallLimitMs;
        owner = createPluginProcessor (options, juce::PluginHostType::UnknownHost);
        processor = dynamic_cast<VantuAudioProcessor*> (owner.get());
        ASSERT_NE (processor, nullptr);
    }

    void stopProcessor()
    {
        owner.reset();
        processor = nullptr;
    }

    fhemu::VirtualProject& project() { return *engine->projectOf (kUid); }
    fhemu::EmulatorSession::OpenDevice* openDevice() { return engine != nullptr ? engine->openDevice (kUid) : nullptr; }
    RemoteDeviceClient& client() { return processor->getEngineClient(); }
    FhAsyncDataWorker& worker() { return processor->getAsyncDataWorker(); }
    Vantu::VantuInterface& model() { return processor->getDeviceInterface(); }

    bool isIdle() { return processor->getNumDeviceJobs() == 0 && worker().pendingRequestCount() == 0; }
    ModelComparison compare() { return compareModelWithProject (model(), project()); }

    // Until the device is open in an open of the engine other than `previous`,
    // every read is done and the whole model equals the emulator's project.
    bool waitForWholeModel (const fhemu::EmulatorSession::OpenDevice* previous = nullptr,
                            std::chrono::milliseconds timeout = 20s)
    {
        return fhtest::pumpUntil ([&] {
            auto* open = openDevice();
            return open != nullptr && open != previous && client().isDeviceOpen() && isIdle() && compare().matches();
        }, timeout);
    }

    // Blocks the current open's stream has had answered by the program.
    std::uint64_t answeredBlocks()
    {
        auto* open = openDevice();
        return open != nullptr ? open->audio->statistics().answered : 0;
    }

    int port = 0;
};
} // namespace processortest
