#pragma once

// The processor as the program makes it (the plug-in factory), headless, against
// the engine emulator with one virtual Kolvane, over loopback sockets and shared
// memory.
#include "processor/PluginProcessorFactory.h"
#include "processor/VantuAudioProcessor.h"
#include "support/TestEnvironment.h"

#include "EmulatorSession.h"
#include "VirtualProject.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace processortest
{
using namespace std::chrono_literals;

constexpr std::uint64_t kUid = 0xc0ffee;

class ProcessorTest : public fhtest::AppTest
{
protected:
    ProcessorTest()
    {
        fhemu::EmulatorSession::Settings settings;
        settings.messagePort = 0;
        engine = std::make_unique<fhemu::EmulatorSession> (settings);
    }

    ~ProcessorTest() override
    {
        owner.reset();
        engine->stop();
        juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_Undefined;
    }

    // Starts the emulated engine with the virtual Kolvane listed.
    void startEngine()
    {
        ASSERT_TRUE (engine->start());
        engine->addDevice (fhemu::EmulatorSession::virtualKolvane (kUid), false);
    }

    // The processor from the plug-in factory, connecting to the emulator (or to a
    // port where nothing listens when the engine was not started).
    void makeProcessor (juce::PluginHostType::HostType hostType = juce::PluginHostType::UnknownHost)
    {
        EngineClientOptions options;
        options.messagePort = engine->getMessagePort() > 0 ? engine->getMessagePort() : unusedPort();
        options.responseTimeout = 3000ms;
        owner = createPluginProcessor (options, hostType);
        processor = dynamic_cast<VantuAudioProcessor*> (owner.get());
        ASSERT_NE (processor, nullptr);
    }

    // Until the device is open, its 36 reads have arrived and every job has ended.
    bool waitForWholeModel (std::chrono::milliseconds timeout = 15000ms)
    {
        return fhtest::pumpUntil ([&] {
            auto* open = engine->openDevice (kUid);
            return open != nullptr && processor->getEngineClient().isDeviceOpen() && reads (*open).size() >= 36
                   && processor->getNumDeviceJobs() == 0 && processor->getAsyncDataWorker().pendingRequestCount() == 0;
        }, timeout);
    }

    // Whether processing is suspended, read as the host reads it: under the callback lock.
    bool isSuspended() const
    {
        const juce::ScopedLock sl (processor->getCallbackLock());
        return processor->isSuspended();
    }

    static std::vector<fhemu::RecordedTransaction> received (fhemu::EmulatorSession::OpenDevice& open, std::uint8_t command)
    {
        std::vector<fhemu::RecordedTransaction> out;
        for (auto& t : open.dataServer.received().transactions())
            if (t.header.command == command)
                out.push_back (t);
        return out;
    }

    static std::vector<fhemu::RecordedTransaction> reads (fhemu::EmulatorSession::OpenDevice& open)
    {
        return received (open, 0x20);
    }

    // A loopback port with nothing listening on it.
    static int unusedPort()
    {
        juce::StreamingSocket socket;
        socket.createListener (0, "127.0.0.1");
        return socket.getBoundPort();   // closed again when the socket goes
    }

    std::unique_ptr<fhemu::EmulatorSession> engine;
    std::unique_ptr<juce::AudioProcessor> owner;
    VantuAudioProcessor* processor = nullptr;
};
} // namespace processortest
