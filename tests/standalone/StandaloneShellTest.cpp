// The main window, the plug-in holder and the settings file in this process, on
// the virtual audio device against the engine emulator, under the test display.
#include "ShellFixture.h"

#include "standalone/StandaloneFilterApp.h"
#include "standalone/StandaloneSettingsDialog.h"
#include "support/MarkingDeviceListener.h"
#include "ui/editor/MainContentComponent.h"

#include "EmulatorAudioStream.h"

#include <algorithm>
#include <vector>

using namespace standalonetest;

namespace
{
juce::Colour pixelOf (juce::Component& component, int x, int y)
{
    const auto image = component.createComponentSnapshot (component.getLocalBounds(), true, 1.0f);
    return image.getPixelAt (x, y);
}

// A left-button press and release at a point of the window, through its peer.
void clickThroughPeer (juce::Component& window, juce::Point<int> where, bool release = true)
{
    auto* peer = window.getPeer();
    ASSERT_NE (peer, nullptr);
    const auto position = where.toFloat();
    const auto time = juce::Time::currentTimeMillis();
    peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position, juce::ModifierKeys(),
                            juce::MouseInputSource::defaultPressure, 0.0f, time);
    peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position,
                            juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
                            juce::MouseInputSource::defaultPressure, 0.0f, time + 1);
    if (release)
        peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position, juce::ModifierKeys(),
                                juce::MouseInputSource::defaultPressure, 0.0f, time + 2);
}

juce::DialogWindow* openDialog()
{
    return dynamic_cast<juce::DialogWindow*> (juce::Component::getCurrentlyModalComponent());
}

void closeDialogs()
{
    while (auto* modal = juce::Component::getCurrentlyModalComponent())
    {
        modal->exitModalState (0);
        fhtest::pumpFor (20ms);
    }
}

// The frequency of a tone from the median distance of its rising zero crossings,
// so that a block the loaded machine played late (a short gap) does not move it.
double toneFrequency (const float* samples, int count, double rate)
{
    std::vector<int> periods;
    int last = -1;
    for (int i = 1; i < count; ++i)
    {
        if (samples[i - 1] < 0.0f && samples[i] >= 0.0f)
        {
            if (last >= 0)
                periods.push_back (i - last);
            last = i;
        }
    }
    if (periods.empty())
        return 0.0;
    std::nth_element (periods.begin(), periods.begin() + static_cast<std::ptrdiff_t> (periods.size() / 2), periods.end());
    return rate / periods[periods.size() / 2];
}
} // namespace

TEST_F (ShellTest, TheStripShowsWhileNoOutputDeviceIsOpenAndTheWindowFollows)
{
    openWindow();
    ASSERT_NE (content().getEditor(), nullptr);
    const int editorHeight = content().getEditor()->getHeight();
    EXPECT_FALSE (content().isNotificationShowing());
    EXPECT_EQ (content().getHeight(), editorHeight);
    ASSERT_TRUE (waitForAudio());

    // No output device: the strip above the editor, the window 30 pixels taller.
    auto setup = deviceManager().getAudioDeviceSetup();
    const auto withDevice = setup;
    setup.outputDeviceName = {};
    setup.inputDeviceName = {};
    deviceManager().setAudioDeviceSetup (setup, true);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return content().isNotificationShowing(); }, 2000ms));
    EXPECT_TRUE (holder().getNoOutputDeviceValue().getValue());
    EXPECT_EQ (content().getHeight(), editorHeight + corvanel::StandaloneFilterWindow::kStripHeight);
    EXPECT_EQ (content().getEditor()->getY(), corvanel::StandaloneFilterWindow::kStripHeight);
    const int width = content().getWidth();
    using Area = corvanel::StandaloneFilterWindow::MainContentComponent::NotificationArea;
    EXPECT_EQ (pixelOf (content(), width - 3, 3).getARGB(), Area::kFill);
    EXPECT_EQ (pixelOf (content(), width / 2, 29).getARGB(), Area::kBottomLine);
    EXPECT_EQ (pixelOf (content(), 2, 15).getARGB(), Area::kFill);

    // A device chosen again: the strip goes and the window shrinks back.
    deviceManager().setAudioDeviceSetup (withDevice, true);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! content().isNotificationShowing(); }, 2000ms));
    EXPECT_EQ (content().getHeight(), editorHeight);
    EXPECT_EQ (content().getEditor()->getY(), 0);
    EXPECT_TRUE (waitForAudio());
}

// The window shows the program's real editor, whose main content finds the window
// as the standalone window and gives it and its "Options" button the accent colour.
TEST_F (ShellTest, TheWindowHoldsTheRealEditorWhichFindsTheWindow)
{
    openWindow();
    auto* editor = dynamic_cast<PluginAudioProcessorEditor*> (content().getEditor());
    ASSERT_NE (editor, nullptr);
    EXPECT_TRUE (editor->isShowing());
    EXPECT_EQ (editor->getTopLevelComponent(), window.get());
    EXPECT_TRUE (editor->getContent().isShowing());

    const juce::Colour accent (::MainContentComponent::accentColour);
    EXPECT_EQ (window->getBackgroundColour(), accent);
    EXPECT_EQ (window->getOptionsButton()->findColour (juce::TextButton::buttonColourId), accent);
    EXPECT_EQ (&window->getMainWindow(), window.get());
}

// A scale chosen in the editor's header resizes the window around the editor, which
// keeps its aspect; the user cannot pull the window to another shape.
TEST_F (ShellTest, TheWindowFollowsTheEditorsScale)
{
    openWindow();
    auto* editor = dynamic_cast<PluginAudioProcessorEditor*> (content().getEditor());
    ASSERT_NE (editor, nullptr);
    EXPECT_FALSE (window->isResizable());
    const double aspect = static_cast<double> (editor->getWidth()) / editor->getHeight();

    editor->getContent().getScaleSelector().setSelectedId (140, juce::sendNotificationSync);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return editor->getWidth() == 1680; }, 2000ms));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return content().getWidth() == 1680; }, 2000ms));
    const int strip = content().isNotificationShowing() ? corvanel::StandaloneFilterWindow::kStripHeight : 0;
    EXPECT_EQ (content().getHeight(), editor->getHeight() + strip);
    EXPECT_NEAR (static_cast<double> (editor->getWidth()) / editor->getHeight(), aspect, 0.01);
    EXPECT_EQ (window->getContentComponentBorder().getLeftAndRight() + content().getWidth(), window->getWidth());
}

TEST_F (ShellTest, OptionsButtonOnMouseDownAndCtrlCommaOpenTheSettingsDialog)
{
    openWindow();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return window->isShowing() && window->getPeer() != nullptr; }, 2000ms));
    auto& button = *window->getOptionsButton();
    EXPECT_EQ (button.getBounds(), juce::Rectangle<int> (8, 6, 60, window->getTitleBarHeight() - 8));

    // The press alone opens it.
    clickThroughPeer (*window, button.getBounds().getCentre(), false);
    ASSERT_TRUE (fhtest::pumpUntil ([] { return openDialog() != nullptr; }, 2000ms));
    EXPECT_EQ (openDialog()->getName(), "Audio/MIDI Settings");
    auto* wrapper = dynamic_cast<corvanel::StandalonePluginHolder::SettingsViewportWrapper*> (openDialog()->getContentComponent());
    ASSERT_NE (wrapper, nullptr);
    EXPECT_GE (wrapper->getWidth(), 500);
    EXPECT_GE (wrapper->getHeight(), wrapper->getSettingsComponent().getRecommendedHeight());
    EXPECT_GT (wrapper->getSettingsComponent().getRecommendedHeight(), 100);
    closeDialogs();
    ASSERT_EQ (openDialog(), nullptr);

    // Ctrl+"," with the window focused, and with the editor focused.
    for (auto* target : { static_cast<juce::Component*> (window.get()), static_cast<juce::Component*> (content().getEditor()) })
    {
        target->setWantsKeyboardFocus (true);
        target->grabKeyboardFocus();
        window->getPeer()->handleKeyPress (juce::KeyPress (',', juce::ModifierKeys::ctrlModifier, 0));
        ASSERT_TRUE (fhtest::pumpUntil ([] { return openDialog() != nullptr; }, 2000ms));
        EXPECT_EQ (openDialog()->getName(), "Audio/MIDI Settings");
        // Escape closes it.
        openDialog()->getPeer()->handleKeyPress (juce::KeyPress (juce::KeyPress::escapeKey));
        ASSERT_TRUE (fhtest::pumpUntil ([] { return openDialog() == nullptr; }, 2000ms));
    }

    // The command's description.
    juce::ApplicationCommandInfo info (corvanel::StandaloneFilterWindow::showAudioOptions);
    window->getCommandInfo (corvanel::StandaloneFilterWindow::showAudioOptions, info);
    EXPECT_EQ (info.shortName, "Audio Options");
    EXPECT_EQ (info.description, "Show the audio settings");
    EXPECT_EQ (info.categoryName, "Settings");
    EXPECT_FALSE (window->perform (juce::ApplicationCommandTarget::InvocationInfo (2)));
}

TEST_F (ShellTest, TheSettingsFileKeepsTheAudioSetupMuteFlagAndWindowPosition)
{
    // First start: no file, the window is centred and its position stored at exit.
    openWindow ("rate=48000,block=256,inputs=2");
    ASSERT_TRUE (waitForAudio());
    const auto centre = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea.getCentre();
    EXPECT_NEAR (window->getBounds().getCentreX(), centre.x, 2);
    auto setup = deviceManager().getAudioDeviceSetup();
    setup.bufferSize = 480;
    ASSERT_TRUE (deviceManager().setAudioDeviceSetup (setup, true).isEmpty());
    holder().getShouldMuteInputValue() = true;
    window->setTopLeftPosition (123, 77);
    closeWindow();
    EXPECT_EQ (settings().getIntValue ("windowX"), 123);
    EXPECT_EQ (settings().getIntValue ("windowY"), 77);
    EXPECT_TRUE (settings().getBoolValue ("shouldMuteInput"));
    const auto stored = settings().getXmlValue ("audioSetup");
    ASSERT_NE (stored, nullptr);
    EXPECT_EQ (stored->getTagName(), "DEVICESETUP");
    EXPECT_EQ (stored->getStringAttribute ("deviceType"), "Virtual");
    EXPECT_EQ (stored->getIntAttribute ("audioDeviceBufferSize"), 480);
    ASSERT_TRUE (settingsFile->saveIfNeeded());

    // Next start from the file: the same setup, position and flag; saved back unchanged.
    settingsFile = std::make_unique<StandaloneSettingsFile> ("Kolvane");
    EXPECT_EQ (settingsFile->getFile(), tempHome.appDataRoot().getChildFile ("Standalone/Kolvane.settings"));
    openWindow ("rate=48000,block=256,inputs=2");
    EXPECT_EQ (window->getPosition(), juce::Point<int> (123, 77));
    EXPECT_TRUE (holder().getShouldMuteInputValue().getValue());
    ASSERT_NE (deviceManager().getCurrentAudioDevice(), nullptr);
    EXPECT_EQ (deviceManager().getCurrentAudioDevice()->getCurrentBufferSizeSamples(), 480);
    closeWindow();
    EXPECT_TRUE (settings().getBoolValue ("shouldMuteInput"));
    EXPECT_EQ (settings().getXmlValue ("audioSetup")->getIntAttribute ("audioDeviceBufferSize"), 480);
    EXPECT_FALSE (settings().containsKey ("lastStateFile"));
}

TEST_F (ShellTest, AStoredBufferAboveTheCapIsResetWithALogLine)
{
    const fhtest::ScopedLogCapture log;
    juce::XmlElement stored ("DEVICESETUP");
    stored.setAttribute ("deviceType", "Virtual");
    stored.setAttribute ("audioOutputDeviceName", corvanel::VirtualAudioDeviceType::deviceName);
    stored.setAttribute ("audioInputDeviceName", corvanel::VirtualAudioDeviceType::deviceName);
    stored.setAttribute ("audioDeviceRate", 48000);
    stored.setAttribute ("audioDeviceBufferSize", 1024);
    settings().setValue ("audioSetup", &stored);

    openWindow ("block=1024");
    ASSERT_NE (deviceManager().getCurrentAudioDevice(), nullptr);
    EXPECT_EQ (deviceManager().getCurrentAudioDevice()->getCurrentBufferSizeSamples(), 512);
    EXPECT_TRUE (log.contains ("Reset too large buffer size used from settings file."));
    closeWindow();
    EXPECT_EQ (settings().getXmlValue ("audioSetup")->getIntAttribute ("audioDeviceBufferSize"), 512);
}

TEST_F (ShellTest, AStoppedDeviceIsOpenedAgainButADeviceClosedOnPurposeStaysClosed)
{
    openWindow();
    ASSERT_TRUE (waitForAudio());

    virtualType().unplug();
    const auto stoppedAt = std::chrono::steady_clock::now();
    fhtest::pumpFor (corvanel::StandalonePluginHolder::kReopenIntervalMs * 1ms + 300ms);   // one retry fails
    EXPECT_EQ (blocksRun(), 0);
    virtualType().plugBackIn();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return blocksRun() > 4; }, 9000ms));
    EXPECT_LT (std::chrono::steady_clock::now() - stoppedAt, 14s);
    EXPECT_FALSE (content().isNotificationShowing());

    // No output chosen in the dialog: nobody opens the old device again.
    auto setup = deviceManager().getAudioDeviceSetup();
    setup.outputDeviceName = {};
    setup.inputDeviceName = {};
    deviceManager().setAudioDeviceSetup (setup, true);
    fhtest::pumpFor (corvanel::StandalonePluginHolder::kReopenIntervalMs * 1ms + 500ms);
    EXPECT_EQ (deviceManager().getCurrentAudioDevice(), nullptr);
}

TEST_F (ShellTest, TheDeviceTonesReachTheMainOutputAfterTheFadeIn)
{
    const auto played = tempHome.home().getChildFile ("played.wav");
    openWindow ("rate=48000,block=256,wav=" + played.getFullPathName());
    ASSERT_TRUE (waitForDeviceStream());
    // A second of silence after the stream starts, a second of fade-in, then full level
    // once the drift loop has settled.
    fhtest::pumpFor (6000ms);
    closeWindow();

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (played.createInputStream().release(), true));
    ASSERT_NE (reader, nullptr);
    ASSERT_GT (reader->lengthInSamples, 48000);
    juce::AudioBuffer<float> tail (2, 24000);
    reader->read (&tail, 0, 24000, reader->lengthInSamples - 24000 - 2400, true, true);
    // On a loaded machine the emulator's block stamps jitter and the drift loop moves
    // the pitch of both channels alike: each channel keeps its own tone, in the
    // ratio of the two.
    double heard[2] {};
    for (int c = 0; c < 2; ++c)
    {
        heard[c] = toneFrequency (tail.getReadPointer (c), 24000, 48000.0);
        const double expected = fhemu::EmulatorAudioStream::toneFrequency (c);
        EXPECT_NEAR (heard[c], expected, expected * 0.15) << c;
        EXPECT_GT (tail.getMagnitude (c, 0, 24000), 0.05f) << c;
    }
    const double expectedRatio =
        fhemu::EmulatorAudioStream::toneFrequency (1) / fhemu::EmulatorAudioStream::toneFrequency (0);
    EXPECT_NEAR (heard[1] / heard[0], expectedRatio, expectedRatio * 0.02);
}

TEST_F (ShellTest, TheCloseButtonStoresTheStateAndQuits)
{
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return nullptr; };
    openWindow();
    window->closeButtonPressed();
    EXPECT_TRUE (settings().containsKey ("filterState"));
    juce::MemoryBlock state;
    EXPECT_TRUE (state.fromBase64Encoding (settings().getValue ("filterState")));
    EXPECT_TRUE (juce::MessageManager::getInstance()->hasStopMessageBeenSent());
    closeWindow();
    juce::JUCEApplicationBase::createInstance = nullptr;
}

TEST_F (ShellTest, ASystemQuitClosesTheOpenDialogFirst)
{
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return nullptr; };
    {
        corvanel::StandaloneFilterApp app;
        openWindow();
        holder().showAudioSettingsDialog();
        ASSERT_TRUE (fhtest::pumpUntil ([] { return openDialog() != nullptr; }, 2000ms));
        app.systemRequestedQuit();
        EXPECT_FALSE (juce::MessageManager::getInstance()->hasStopMessageBeenSent());
        ASSERT_TRUE (fhtest::pumpUntil ([] { return juce::MessageManager::getInstance()->hasStopMessageBeenSent(); }, 2000ms));
        EXPECT_EQ (openDialog(), nullptr);
        closeWindow();
    }
    juce::JUCEApplicationBase::createInstance = nullptr;
}


TEST_F (ShellTest, ACaptureRecordsTheDeviceBusesWithoutHeapOrLocksOnTheAudioThread)
{
    ASSERT_TRUE (fhtest::audioThreadCountersInstalled());
    openWindow();
    ASSERT_TRUE (waitForDeviceStream());
    fhtest::MarkingDeviceListener marking (processor());
    processor().getEngineClient().setDeviceListener (&marking);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return marking.blocks.load() > 100; }, 5000ms));

    auto& recorders = processor().getRecorderCollection();
    ASSERT_EQ (recorders.getNumRecorders(), static_cast<int> (processor().getBusChannelMap().size()));
    const auto folder = tempHome.home().getChildFile ("captures");
    folder.createDirectory();
    const auto now = juce::Time::currentTimeMillis();
    for (const int bus : { 0, 1 })
    {
        ASSERT_TRUE (recorders.getRecorder (bus)->setOutputDirectory (folder.getFullPathName()));
        recorders.getRecorder (bus)->setPrefix ("Take");
        ASSERT_TRUE (recorders.getRecorder (bus)->start (now));
    }
    recorders.startRecording();
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return recorders.isCaptureStateApplied(); }, 2000ms));
    fhtest::pumpFor (1500ms);
    recorders.stopRecording();
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        return recorders.isCaptureStateApplied() && ! recorders.getRecorder (0)->hasFileWriters()
               && ! recorders.getRecorder (1)->hasFileWriters();
    }, 5000ms));
    processor().getEngineClient().setDeviceListener (&processor());
    EXPECT_EQ (marking.calls.load(), 0u);
    EXPECT_FALSE (recorders.hasOverrun());

    // Main is stereo on device channels 0 and 1, Track 1 mono on channel 2.
    struct Expected
    {
        int bus;
        int firstChannel;
        unsigned channels;
    };
    for (const auto e : { Expected { 0, recorders.getFirstDeviceChannel (0), 2u },
                          Expected { 1, recorders.getFirstDeviceChannel (1), 1u } })
    {
        const juce::File file (recorders.getRecorder (e.bus)->getCurrentFile());
        EXPECT_TRUE (file.getFileName().startsWith ("Take - " + recorders.getRecorder (e.bus)->getTrackName() + " - "));
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (file.createInputStream().release(), true));
        ASSERT_NE (reader, nullptr) << file.getFullPathName();
        EXPECT_EQ (reader->numChannels, e.channels);
        EXPECT_EQ (reader->bitsPerSample, 24u);
        EXPECT_EQ (reader->sampleRate, 48000.0);
        ASSERT_GT (reader->lengthInSamples, 48000);
        juce::AudioBuffer<float> samples (static_cast<int> (e.channels), 48000);
        reader->read (&samples, 0, 48000, 0, true, true);
        for (int c = 0; c < static_cast<int> (e.channels); ++c)
        {
            const double expected = fhemu::EmulatorAudioStream::toneFrequency (e.firstChannel + c);
            EXPECT_NEAR (toneFrequency (samples.getReadPointer (c), 48000, 48000.0), expected, expected * 0.01)
                << "bus " << e.bus << " channel " << c;
        }
    }
}
