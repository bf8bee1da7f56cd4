#include "processor/PluginEditorFactory.h"
#include "processor/PluginProcessorFactory.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/PluginAudioProcessorEditor.h"

#include "../UiTestSupport.h"
#include "support/FakePowerPlanProbe.h"

using namespace std::chrono_literals;

namespace
{
// The processor from the plug-in factory, with no engine to reach.
class PluginEditorTest : public uitest::LookAndFeelTest
{
protected:
    PluginEditorTest()
    {
        juce::StreamingSocket socket;
        socket.createListener (0, "127.0.0.1");
        EngineClientOptions options;
        options.messagePort = socket.getBoundPort();
        socket.close();
        owner = createPluginProcessor (options, juce::PluginHostType::UnknownHost);
        processor = dynamic_cast<VantuAudioProcessor*> (owner.get());
    }

    ~PluginEditorTest() override
    {
        setPluginEditorFactory (nullptr);
        owner.reset();
    }

    std::unique_ptr<juce::AudioProcessor> owner;
    VantuAudioProcessor* processor = nullptr;
};

TEST_F (PluginEditorTest, TheProcessorGetsItsEditorOnlyFromAnInstalledFactory)
{
    ASSERT_NE (processor, nullptr);
    EXPECT_TRUE (processor->hasEditor());
    EXPECT_EQ (processor->createEditorIfNeeded(), nullptr);   // no UI in this program yet

    installPluginEditor();
    std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditorIfNeeded());
    ASSERT_NE (dynamic_cast<PluginAudioProcessorEditor*> (editor.get()), nullptr);
    EXPECT_EQ (editor->getWidth(), 1200);
    EXPECT_EQ (editor->getHeight(), 612);
    processor->editorBeingDeleted (editor.get());
}

struct ScaleCase
{
    int scale;
    int width, height;
};

TEST_F (PluginEditorTest, ItsSizeFollowsTheUiScaleAndItShowsTheDeviceAndTheEngine)
{
    installPluginEditor();
    std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditorIfNeeded());
    auto* plugin = dynamic_cast<PluginAudioProcessorEditor*> (editor.get());
    ASSERT_NE (plugin, nullptr);
    auto& state = *processor->getPluginState();

    for (const auto& c : std::vector<ScaleCase> { { 150, 1800, 918 }, { 75, 900, 459 }, { 85, 1020, 521 }, { 100, 1200, 612 } })
    {
        state.setIntProperty (PluginStateIds::uiScale, c.scale);
        EXPECT_TRUE (fhtest::pumpUntil ([&] { return editor->getWidth() == c.width; }, 5s)) << c.scale;
        EXPECT_EQ (editor->getHeight(), c.height) << c.scale;
    }

    EXPECT_EQ (plugin->getDeviceText(), "No Device Selected");
    EXPECT_FALSE (plugin->isEngineShownConnected());
    state.setSelectedDeviceName ("Kolvane");
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return plugin->getDeviceText() == "Kolvane"; }, 5s));

    // Text on the dark ground.
    const auto image = uitest::render (*editor);
    EXPECT_EQ (image.getPixelAt (5, 5), juce::Colour (0xFF1E1E1E));
    bool anyText = false;
    for (int y = 40; y < 200 && ! anyText; ++y)
        for (int x = 40; x < 400 && ! anyText; ++x)
            anyText = image.getPixelAt (x, y).getBrightness() > 0.5f;
    EXPECT_TRUE (anyText);
    if (const char* folder = std::getenv ("FH_SCREENSHOT_DIR"))
    {
        juce::FileOutputStream out (juce::File (folder).getChildFile ("plugin-editor.png"));
        out.setPosition (0);
        out.truncate();
        juce::PNGImageFormat().writeImageToStream (image, out);
    }
    processor->editorBeingDeleted (editor.get());
}

TEST_F (PluginEditorTest, ItListsTheActiveNotificationsMostSevereFirst)
{
    // No engine for a while and a throttling power plan: an error and a warning.
    auto power = std::make_shared<fhtest::FakePowerPlanProbe::Answer>();
    power->throttling = 1;
    processor->getNotificationSource().setPowerPlanProbe (std::make_unique<fhtest::FakePowerPlanProbe> (power));
    double now = 0.0;
    processor->getNotificationSource().setClock ([&now] { return now; });

    installPluginEditor();
    std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditorIfNeeded());
    auto* plugin = dynamic_cast<PluginAudioProcessorEditor*> (editor.get());
    ASSERT_NE (plugin, nullptr);

    processor->getNotificationManager().timerCallback();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return plugin->getNotificationLines().size() == 1; }, 5s));
    now = 1000.0;
    processor->getNotificationManager().timerCallback();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return plugin->getNotificationLines().size() == 2; }, 5s));
    EXPECT_EQ (plugin->getNotificationLines(),
               juce::StringArray ({ "Error: Cannot connect to the Fernhollow Engine. Please start the Fernhollow Engine, "
                                    "as it is required in order to communicate with the devices.",
                                    "Warning: Fernhollow performs better if you change your Windows power plan to 'High "
                                    "Performance', or disable CPU throttling in your current plan." }));

    const auto image = uitest::render (*editor);
    EXPECT_NE (image.getPixelAt (5, editor->getHeight() - 5), juce::Colour (0xFF1E1E1E));   // the footer strip
    if (const char* folder = std::getenv ("FH_SCREENSHOT_DIR"))
    {
        juce::FileOutputStream out (juce::File (folder).getChildFile ("plugin-editor-notifications.png"));
        out.setPosition (0);
        out.truncate();
        juce::PNGImageFormat().writeImageToStream (image, out);
    }

    // Dismissed, the warning goes at the next tick.
    processor->getProcessorNotifications()[1]->setResponse (Notification::Dismiss);
    processor->getNotificationManager().timerCallback();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return plugin->getNotificationLines().size() == 1; }, 5s));
    processor->editorBeingDeleted (editor.get());
}
} // namespace
