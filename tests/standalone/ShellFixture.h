#pragma once

// The standalone shell in this process: the engine emulator with the virtual
// Kolvane on a free port, the program's virtual audio device (through
// FERNHOLLOW_VIRTUAL_AUDIO), the program's editor and a standalone settings file
// in the test's temporary home.
#include "foundation/StandaloneSettingsFile.h"
#include "processor/AudioRecorderCollection.h"
#include "processor/CommonAudioProcessor.h"
#include "standalone/StandaloneFilterWindow.h"
#include "standalone/VirtualAudioDeviceType.h"
#include "support/TestEnvironment.h"
#include "ui/editor/PluginAudioProcessorEditor.h"

#include "EmulatorSession.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace standalonetest
{
using namespace std::chrono_literals;

// Sets an environment variable for the object's lifetime.
class ScopedEnvironment
{
public:
    ScopedEnvironment (const char* name, const juce::String& value) : key (name)
    {
        if (const auto* old = std::getenv (name))
            previous = old;
        ::setenv (name, value.toRawUTF8(), 1);
    }
    ~ScopedEnvironment()
    {
        if (previous.has_value())
            ::setenv (key.c_str(), previous->c_str(), 1);
        else
            ::unsetenv (key.c_str());
    }

private:
    std::string key;
    std::optional<std::string> previous;
};

class ShellTest : public fhtest::AppTest
{
protected:
    static constexpr std::uint64_t kUid = 0x5eed;

    ShellTest()
    {
        juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_Standalone;
        fhemu::EmulatorSession::Settings settings;
        settings.messagePort = 0;
        engine = std::make_unique<fhemu::EmulatorSession> (settings);
        if (engine->start())
            engine->addDevice (fhemu::EmulatorSession::virtualKolvane (kUid), false);
        corvanel::StandalonePluginHolder::engineClientOptions().messagePort = engine->getMessagePort();
        corvanel::StandalonePluginHolder::engineClientOptions().responseTimeout = 3000ms;
        installPluginEditor();
        settingsFile = std::make_unique<StandaloneSettingsFile> ("Kolvane");
    }

    ~ShellTest() override
    {
        window.reset();
        settingsFile.reset();
        engine->stop();
        corvanel::StandalonePluginHolder::engineClientOptions() = {};
        juce::PluginHostType::jucePlugInClientCurrentWrapperType = juce::AudioProcessor::wrapperType_Undefined;
    }

    // The main window as the application makes it, on the virtual device with the options' text.
    void openWindow (const juce::String& deviceOptions = "1")
    {
        const ScopedEnvironment virtualAudio (corvanel::VirtualAudioDeviceType::environmentVariable, deviceOptions);
        window = std::make_unique<corvanel::StandaloneFilterWindow> ("Kolvane", juce::Colour (0xFF000000),
                                                                     &settings(), juce::String(), &maxBufferSize);
        window->setVisible (true);
    }

    void closeWindow() { window.reset(); }

    juce::PropertiesFile& settings() { return settingsFile->getSettings(); }
    corvanel::StandalonePluginHolder& holder() { return window->getPluginHolder(); }
    juce::AudioDeviceManager& deviceManager() { return holder().getDeviceManager(); }
    CommonAudioProcessor& processor() { return *dynamic_cast<CommonAudioProcessor*> (holder().getProcessor()); }
    corvanel::StandaloneFilterWindow::MainContentComponent& content()
    {
        return *dynamic_cast<corvanel::StandaloneFilterWindow::MainContentComponent*> (window->getContentComponent());
    }
    corvanel::VirtualAudioDeviceType& virtualType()
    {
        return *dynamic_cast<corvanel::VirtualAudioDeviceType*> (deviceManager().getAvailableDeviceTypes()[0]);
    }
    std::int64_t blocksRun()
    {
        auto* device = virtualType().getOpenDevice();
        return device != nullptr ? device->getBlocksRun() : 0;
    }
    bool waitForAudio (std::chrono::milliseconds timeout = 5000ms)
    {
        const auto before = blocksRun();
        return fhtest::pumpUntil ([&] { return blocksRun() > before + 4; }, timeout);
    }
    bool waitForDeviceStream (std::chrono::milliseconds timeout = 20000ms)
    {
        return fhtest::pumpUntil ([&] {
            auto* open = engine->openDevice (kUid);
            return open != nullptr && open->audio != nullptr && processor().getEngineClient().isDeviceOpen();
        }, timeout);
    }

    int maxBufferSize = 512;
    std::unique_ptr<fhemu::EmulatorSession> engine;
    std::unique_ptr<StandaloneSettingsFile> settingsFile;
    std::unique_ptr<corvanel::StandaloneFilterWindow> window;
};
} // namespace standalonetest
