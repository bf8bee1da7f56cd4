#pragma once

#include <juce_core/juce_core.h>

#include <vector>

// The groups of modulation targets that a destination box offers as
// submenus, as bit values. Each kind of box lists some of them, in menu order.
namespace DestinationGroup
{
    inline constexpr int amp = 1;
    inline constexpr int filter = 2;
    inline constexpr int filterBaseWidth = 4;   // the filter group with base and width
    inline constexpr int machine = 8;           // the parameters of the sound's current machine
    inline constexpr int lfo1 = 16;
    inline constexpr int lfo2 = 32;
    inline constexpr int delay = 64;
    inline constexpr int reverb = 128;
    inline constexpr int dist = 256;
    inline constexpr int extIn = 512;
    inline constexpr int skipped = 1024;        // listed by no kind; never a submenu
}

// The kinds of destination box (the groups they offer, in order):
// 0 LFO1 and 1 LFO2 of T1..T8, 2 LFO1 and 3 LFO2 of T9..T12, 4 and 5 the
// MIDI-source slots of T1..T8 and T9..T12, 6 LFO1 and 7 LFO2 of the effects
// block, 8 every group but the machine's. Any other kind offers none.
namespace DestinationBoxKind
{
    inline constexpr int lfo1Digital = 0;
    inline constexpr int lfo2Digital = 1;
    inline constexpr int lfo1Analog = 2;
    inline constexpr int lfo2Analog = 3;
    inline constexpr int midiSourceDigital = 4;
    inline constexpr int midiSourceAnalog = 5;
    inline constexpr int fxLfo1 = 6;
    inline constexpr int fxLfo2 = 7;
    inline constexpr int all = 8;
}

// The groups of a box kind in menu order; empty for an unknown kind.
std::vector<int> getDestinationGroups (int kind);

// A group's submenu title: the machine group is titled with the mixed-case
// name of the machine type ("ERROR" outside the machine table), an unknown
// group "Error".
juce::String getDestinationGroupName (int group, int machineType);

// A group's target parameters on the effects block (isFx) or a track sound, in
// menu order; the machine group lists the machine type's parameters on a
// sound. Empty where the group has no targets for that object.
std::vector<juce::Identifier> getDestinationGroupIds (int group, bool isFx, int machineType);
