#pragma once

#include "processor/BusChannelMap.h"
#include "processor/HostContext.h"

#include <juce_audio_processors/juce_audio_processors.h>

// The names of the sidechain input buses, in order; each is stereo.
inline const juce::StringArray kSidechainBusNames { "Sidechain 1/2", "Sidechain 3/4", "Sidechain 5/6", "Sidechain 7/8" };

// Host input channels taken as sidechain: 8 (four stereo buses) or none where a
// host or wrapper cannot offer them (Renoise; Reaper and Logic as Audio Units;
// Studio One as VST; a validation host as Audio Unit).
int sidechainInputChannels (const HostContext& context);

// The layout of output bus `bus`: disabled outside the map; a mono bus is one
// centre channel under Reason; every other bus is stereo (left, right).
juce::AudioChannelSet makeBusLayout (int bus, const std::vector<BusChannelMapEntry>& map,
                                     juce::PluginHostType::HostType hostType);

// One bus as the processor offers it.
struct BusDescription
{
    juce::String name;
    juce::AudioChannelSet layout;
};

struct BusSet
{
    std::vector<BusDescription> inputs, outputs;
};

// The sidechain inputs (when the host takes them), then one output bus per name
// with the layout of makeBusLayout. The processor turns it into its buses.
BusSet makeBusSet (const juce::StringArray& busNames, const std::set<int>& stereoBuses, const HostContext& context);

// Every input bus stereo or disabled (mono too in the standalone wrapper); every
// output bus as makeBusLayout gives it or disabled (mono too in relaxed mode:
// Logic, a validation host, or the standalone wrapper).
bool isBusesLayoutSupported (const juce::AudioProcessor::BusesLayout& layouts,
                             const std::vector<BusChannelMapEntry>& map, const HostContext& context);
