#include "processor/PluginState.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace
{
struct Recorder : SafeChangeListener
{
    void changeListenerCallback (SafeChangeBroadcaster* source) override { texts.push_back (source->lastMessage); }
    std::vector<juce::String> texts;
};

class PluginStateTest : public fhtest::AppTest
{
};

TEST_F (PluginStateTest, DeviceKeysHaveTheirDefaultsAndEverySetBroadcastsTheKeysName)
{
    PluginState state;
    Recorder recorder;
    state.addChangeListener (&recorder);

    EXPECT_EQ (state.getInt64Property (PluginStateIds::selectedDeviceUid, 0), 0);
    EXPECT_TRUE (state.getBoolProperty (PluginStateIds::autoSelectDeviceEnabled, true));

    state.setInt64Property (PluginStateIds::selectedDeviceUid, 0x7fffffff12345678);
    state.setInt64Property (PluginStateIds::selectedDeviceUid, 0x7fffffff12345678);   // unchanged: still sent
    state.setSelectedDeviceName ("Kolvane");
    state.setBoolProperty (PluginStateIds::autoSelectDeviceEnabled, false);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return recorder.texts.size() == 4; }, 5s));

    EXPECT_EQ (recorder.texts, (std::vector<juce::String> { "SelectedDeviceUID", "SelectedDeviceUID", "SelectedDeviceName",
                                                            "AutoSelectDeviceEnabled" }));
    // The text is the identifier's own string.
    EXPECT_EQ (juce::Identifier (recorder.texts[0]), PluginStateIds::selectedDeviceUid);
    EXPECT_EQ (state.getInt64Property (PluginStateIds::selectedDeviceUid, 0), 0x7fffffff12345678);
    EXPECT_FALSE (state.getBoolProperty (PluginStateIds::autoSelectDeviceEnabled, true));
    EXPECT_EQ (state.getStringProperty (PluginStateIds::selectedDeviceName), "Kolvane");
    EXPECT_EQ (state.copyState().getType(), PluginStateIds::root);
}

TEST_F (PluginStateTest, AnInvalidTreeGivesTheDefaults)
{
    PluginState state { juce::ValueTree() };
    state.setInt64Property (PluginStateIds::selectedDeviceUid, 5);
    EXPECT_EQ (state.getInt64Property (PluginStateIds::selectedDeviceUid, 9), 9);
    EXPECT_TRUE (state.getBoolProperty (PluginStateIds::autoSelectDeviceEnabled, true));
}
} // namespace
