#pragma once

#include "ui/widgets/graphs/GraphPoint.h"

#include <juce_graphics/juce_graphics.h>

#include <vector>

// {minimum, maximum} of a value while it is dragged.
struct EnvelopeLimits
{
    int minimum = 0;
    int maximum = 127;
};

// The data of a delay-attack-decay-sustain-release envelope, device values
// 0 .. 127. A decay or release above its limit's maximum is infinite.
struct EnvDataInfDecayInfRelease
{
    int attack = 0;
    int decay = 0;
    int sustain = 0;   // a level, except for types 6 and 7: a hold length at full level
    int release = 0;
    int envelopeType = 1;   // drawing type 0 .. 7
    int delay = 0;
    bool noHold = true;   // types 0 .. 3: no fixed hold after the attack, longer release scale
    EnvelopeLimits attackLimits { 0, 127 };
    EnvelopeLimits decayLimits { 0, 126 };
    EnvelopeLimits releaseLimits { 0, 126 };
    EnvelopeLimits delayLimits { 0, 127 };

    bool isDecayInfinite() const { return decay > decayLimits.maximum; }
    bool isReleaseInfinite() const { return release > releaseLimits.maximum; }
};

// A shape in unit coordinates (x from 0 to 1 and beyond, y 0 at the top, 1 at
// the bottom) with its handles. Envelopes have five handles, in the order
// delay, attack, decay, sustain, release.
struct EnvelopePath
{
    enum HandleIndex
    {
        delayHandle = 0,
        attackHandle,
        decayHandle,
        sustainHandle,
        releaseHandle,
        numHandles
    };

    juce::Path path;
    std::vector<GraphPoint> handles;
};

// The shape of an envelope of drawing type 0 .. 7 (y 0 is full level, 1
// silence). Types 0 to 3 draw attack, optional hold, decay, sustain and
// release with straight or curved segments; 4 and 5 jump to full level after
// the delay and hold it for the attack time; 6 and 7 hold full level for the
// sustain time. Any other type gives an empty path and no handles. Any thread.
EnvelopePath buildEnvelopePath (const EnvDataInfDecayInfRelease& data, bool infiniteRelease, bool infiniteDecay);

// One cycle of an LFO waveform (0 triangle, 1 sine, 2 square, 3 saw,
// 4 exponential, 5 ramp, 6 random), x from 1 to 2; only its shape matters,
// users fit it to their own box. Any other shape gives an empty path. The
// handle list is empty. Any thread.
EnvelopePath makeLfoWaveformPath (int shape);
