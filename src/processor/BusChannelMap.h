#pragma once

#include <set>
#include <vector>

// The device's twenty output channels, in the order of its output block.
inline constexpr int kNumDeviceChannels = 20;

// The output buses of the device processor, in bus order.
enum OutputBusIndex : int
{
    mainBus = 0,
    firstTrackBus = 1,   // "Track 1" .. "Track 12" are 1..12
    fxTrackBus = 13,
    delayReverbBus = 14,
    inputBus = 15,
    numOutputBuses = 16
};

// Where an output bus reads the device's channels: its first device channel, and
// whether it is stereo (two channels) or mono (one).
struct BusChannelMapEntry
{
    int firstDeviceChannel = 0;
    bool stereo = false;

    bool operator== (const BusChannelMapEntry&) const = default;
};

// One entry per output bus; bus i is stereo when i is in stereoBuses, and the
// buses take the device channels one after the other (two for a stereo bus).
std::vector<BusChannelMapEntry> makeBusChannelMap (int busCount, const std::set<int>& stereoBuses);
