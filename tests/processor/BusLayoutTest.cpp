#include "processor/BusLayouts.h"
#include "processor/VantuAudioProcessor.h"

#include <gtest/gtest.h>

namespace
{
using Host = juce::PluginHostType;
using Processor = juce::AudioProcessor;
using Set = juce::AudioChannelSet;

const auto names = VantuAudioProcessor::outputBusNames();
const auto stereo = VantuAudioProcessor::stereoOutputBuses();
const auto map = makeBusChannelMap (names.size(), stereo);

TEST (BusChannelMap, TheKolvanesBusesTakeTheDeviceChannelsInOrder)
{
    ASSERT_EQ (names.size(), 16);
    EXPECT_EQ (names[0], "Main");
    EXPECT_EQ (names[1], "Track 1");
    EXPECT_EQ (names[12], "Track 12");
    EXPECT_EQ (names[13], "FX track");
    EXPECT_EQ (names[14], "Delay/Reverb");
    EXPECT_EQ (names[15], "Input");

    std::vector<BusChannelMapEntry> expected { { 0, true } };
    for (int track = 0; track < 12; ++track)
        expected.push_back ({ 2 + track, false });
    expected.insert (expected.end(), { { 14, true }, { 16, true }, { 18, true } });
    EXPECT_EQ (map, expected);
    EXPECT_EQ (map.back().firstDeviceChannel + 2, kNumDeviceChannels);

    EXPECT_TRUE (makeBusChannelMap (0, {}).empty());
    EXPECT_EQ (makeBusChannelMap (3, { 1 }), (std::vector<BusChannelMapEntry> { { 0, false }, { 1, true }, { 3, false } }));
}

struct BusLayoutCase
{
    const char* name;
    Host::HostType host;
    int bus;
    Set expected;
};

TEST (BusChannelMap, TrackBusesAreMonoUnderReasonAndStereoEverywhereElse)
{
    const std::vector<BusLayoutCase> cases {
        { "Reason, main", Host::Reason, mainBus, Set::stereo() },
        { "Reason, track", Host::Reason, firstTrackBus + 4, Set::mono() },
        { "Reason, input", Host::Reason, inputBus, Set::stereo() },
        { "Logic, track", Host::AppleLogic, firstTrackBus, Set::stereo() },
        { "unknown host, track", Host::UnknownHost, firstTrackBus + 11, Set::stereo() },
        { "Reaper, FX track", Host::Reaper, fxTrackBus, Set::stereo() },
        { "beyond the map", Host::UnknownHost, numOutputBuses, Set::disabled() },
        { "before the map", Host::Reason, -1, Set::disabled() },
    };
    for (const auto& c : cases)
        EXPECT_EQ (makeBusLayout (c.bus, map, c.host), c.expected) << c.name;
}

struct SidechainCase
{
    const char* name;
    Host::HostType host;
    Processor::WrapperType wrapper;
    bool validation;
    int expected;
};

TEST (BusLayouts, SidechainInputsFollowTheHostRules)
{
    const std::vector<SidechainCase> cases {
        { "standalone", Host::UnknownHost, Processor::wrapperType_Standalone, false, 8 },
        { "Renoise as VST3", Host::Renoise, Processor::wrapperType_VST3, false, 0 },
        { "Renoise as standalone", Host::Renoise, Processor::wrapperType_Standalone, false, 0 },
        { "Reaper as Audio Unit", Host::Reaper, Processor::wrapperType_AudioUnit, false, 0 },
        { "Reaper as VST3", Host::Reaper, Processor::wrapperType_VST3, false, 8 },
        { "Studio One as VST", Host::StudioOne, Processor::wrapperType_VST, false, 0 },
        { "Studio One as VST3", Host::StudioOne, Processor::wrapperType_VST3, false, 8 },
        { "Logic as Audio Unit", Host::AppleLogic, Processor::wrapperType_AudioUnit, false, 0 },
        { "a validation host as Audio Unit", Host::UnknownHost, Processor::wrapperType_AudioUnit, true, 0 },
        { "a validation host as VST3", Host::UnknownHost, Processor::wrapperType_VST3, true, 8 },
        { "Cubase as VST3", Host::SteinbergCubase10_5, Processor::wrapperType_VST3, false, 8 },
    };
    for (const auto& c : cases)
    {
        const HostContext context { c.host, c.wrapper, c.validation };
        EXPECT_EQ (sidechainInputChannels (context), c.expected) << c.name;

        const auto buses = makeBusSet (names, stereo, context);
        ASSERT_EQ (static_cast<int> (buses.inputs.size()), c.expected / 2) << c.name;
        for (std::size_t i = 0; i < buses.inputs.size(); ++i)
        {
            EXPECT_EQ (buses.inputs[i].name, kSidechainBusNames[static_cast<int> (i)]) << c.name;
            EXPECT_EQ (buses.inputs[i].layout, Set::stereo()) << c.name;
        }
        ASSERT_EQ (static_cast<int> (buses.outputs.size()), static_cast<int> (numOutputBuses)) << c.name;
        for (int bus = 0; bus < numOutputBuses; ++bus)
        {
            EXPECT_EQ (buses.outputs[static_cast<std::size_t> (bus)].name, names[bus]) << c.name;
            EXPECT_EQ (buses.outputs[static_cast<std::size_t> (bus)].layout, makeBusLayout (bus, map, c.host)) << c.name;
        }
    }
}

// A layout as a host proposes it: the default, with one bus changed.
struct LayoutCheckCase
{
    const char* name;
    Host::HostType host;
    Processor::WrapperType wrapper;
    bool validation;
    bool input;   // the changed bus is an input (else an output)
    int bus;
    Set layout;
    bool expected;
};

TEST (BusLayouts, AHostsLayoutIsCheckedByTheBusMapAndTheRelaxedHosts)
{
    const auto vst3 = Processor::wrapperType_VST3, standalone = Processor::wrapperType_Standalone,
               au = Processor::wrapperType_AudioUnit;
    const std::vector<LayoutCheckCase> cases {
        { "the default", Host::UnknownHost, vst3, false, false, mainBus, Set::stereo(), true },
        { "a mono main output", Host::UnknownHost, vst3, false, false, mainBus, Set::mono(), false },
        { "a mono main output in Logic", Host::AppleLogic, au, false, false, mainBus, Set::mono(), true },
        { "a mono main output in a validation host", Host::UnknownHost, vst3, true, false, mainBus, Set::mono(), true },
        { "a mono main output standalone", Host::UnknownHost, standalone, false, false, mainBus, Set::mono(), true },
        { "a mono track outside Reason", Host::UnknownHost, vst3, false, false, firstTrackBus, Set::mono(), false },
        { "a mono track in Reason", Host::Reason, vst3, false, false, firstTrackBus, Set::mono(), true },
        { "a stereo track in Reason", Host::Reason, vst3, false, false, firstTrackBus, Set::stereo(), false },
        { "a 5.1 main output", Host::AppleLogic, au, false, false, mainBus, Set::create5point1(), false },
        { "a disabled output", Host::UnknownHost, vst3, false, false, inputBus, Set::disabled(), true },
        { "a disabled input", Host::UnknownHost, vst3, false, true, 2, Set::disabled(), true },
        { "a mono input", Host::UnknownHost, vst3, false, true, 0, Set::mono(), false },
        { "a mono input standalone", Host::UnknownHost, standalone, false, true, 0, Set::mono(), true },
        { "a mono input in Logic", Host::AppleLogic, vst3, false, true, 0, Set::mono(), false },
        { "a quadraphonic input", Host::UnknownHost, standalone, false, true, 1, Set::quadraphonic(), false },
    };
    for (const auto& c : cases)
    {
        const HostContext context { c.host, c.wrapper, c.validation };
        Processor::BusesLayout layout;
        for (int i = 0; i < 4; ++i)
            layout.inputBuses.add (Set::stereo());
        for (int bus = 0; bus < numOutputBuses; ++bus)
            layout.outputBuses.add (makeBusLayout (bus, map, c.host));
        (c.input ? layout.inputBuses : layout.outputBuses).set (c.bus, c.layout);
        EXPECT_EQ (isBusesLayoutSupported (layout, map, context), c.expected) << c.name;
    }
}
} // namespace
