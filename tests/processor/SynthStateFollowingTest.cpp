// The processor follows the plug-in state's sync mode and sidechain routing keys,
// within the host input channels of the current bus layout.
#include "ProcessorFixture.h"

#include <gtest/gtest.h>

namespace processortest
{
namespace
{
class SynthStateFollowing : public ProcessorTest
{
protected:
    void SetUp() override { makeProcessor(); }

    SynthPluginState& state() { return *processor->getPluginState(); }
    InputRoutingTable& routing() { return processor->getAudioExchange().routing; }

    std::vector<int> entries()
    {
        std::vector<int> out;
        for (int j = 0; j < InputRoutingTable::kSize; ++j)
            out.push_back (routing().get (j));
        return out;
    }

    // Only the first `stereoBuses` sidechain buses stay enabled.
    void keepSidechainBuses (int stereoBuses)
    {
        auto layout = processor->getBusesLayout();
        for (int bus = 0; bus < layout.inputBuses.size(); ++bus)
            layout.inputBuses.getReference (bus) = bus < stereoBuses ? juce::AudioChannelSet::stereo()
                                                                    : juce::AudioChannelSet::disabled();
        ASSERT_TRUE (processor->setBusesLayout (layout));
        ASSERT_EQ (processor->getTotalNumInputChannels(), stereoBuses * 2);
    }

    // Posts a key as the state does after a change, and lets it arrive.
    void post (const juce::Identifier& key)
    {
        state().sendChangeMessage (key.toString());
        fhtest::pumpFor (50ms);
    }
};
} // namespace

TEST_F (SynthStateFollowing, BeforeAnyMessageEveryHostChannelFeedsItsOwnDeviceInputAndSyncIsOff)
{
    for (int j = 0; j < InputRoutingTable::kSize; ++j)
    {
        EXPECT_EQ (routing().get (j), j);
        EXPECT_TRUE (routing().isFed (j));
    }
    EXPECT_EQ (processor->getSyncMode(), 0);
}

TEST_F (SynthStateFollowing, SyncModeFollowsItsKeyAndUnrelatedKeysChangeNothing)
{
    fhtest::pumpFor (50ms);   // the state's defaults arrive
    for (int mode : { 3, 1, 0, 2 })
    {
        state().setIntProperty (PluginStateIds::syncMode, mode);
        fhtest::pumpFor (50ms);
        EXPECT_EQ (processor->getSyncMode(), mode);
    }

    const auto before = entries();
    post (PluginStateIds::uiScale);
    EXPECT_EQ (entries(), before);
    EXPECT_EQ (processor->getSyncMode(), 2);
}

TEST_F (SynthStateFollowing, RoutingKeysSetTheirHostChannelWithinTheLayoutAndClearTheRest)
{
    fhtest::pumpFor (100ms);   // the state's defaults arrive: every sidechain input unrouted
    keepSidechainBuses (2);    // four host input channels

    struct Case
    {
        int input, target;          // the state's change
        std::vector<int> expected;  // the table afterwards
    };
    const Case cases[] = {
        { 1, 3, { -1, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1 } },
        // An input beyond the four channels changes only the unused channels.
        { 5, 2, { -1, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1 } },
        // Input 5 gives device input 2 up to input 0.
        { 0, 2, { 2, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1 } },
        // Input 1 gives device input 3 up to input 2.
        { 2, 3, { 2, -1, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1 } },
    };
    for (const auto& c : cases)
    {
        state().setAudioInputRouting (c.input, c.target);
        fhtest::pumpFor (50ms);
        EXPECT_EQ (entries(), c.expected) << "input " << c.input << " to " << c.target;
    }
    EXPECT_TRUE (routing().isFed (2));
    EXPECT_TRUE (routing().isFed (3));
    EXPECT_FALSE (routing().isFed (0));
    EXPECT_FALSE (routing().isFed (1));

    // A key that names an input beyond the layout, posted alone, clears the unused channels only.
    routing().set (6, 1);
    post (PluginStateIds::audioInputRouting[5]);
    EXPECT_EQ (entries(), cases[3].expected);
}

TEST_F (SynthStateFollowing, WithEveryChannelEnabledEachKeyTakesItsEntryFromTheState)
{
    keepSidechainBuses (4);
    for (int input = 0; input < SynthPluginState::numRoutedInputs; ++input)
        state().setAudioInputRouting (input, (input + 2) % 4);
    fhtest::pumpFor (100ms);
    for (int input = 0; input < SynthPluginState::numRoutedInputs; ++input)
        EXPECT_EQ (routing().get (input), state().getAudioInputRouting (input)) << input;
    for (int j = SynthPluginState::numRoutedInputs; j < InputRoutingTable::kSize; ++j)
        EXPECT_EQ (routing().get (j), -1) << j;
}
} // namespace processortest
