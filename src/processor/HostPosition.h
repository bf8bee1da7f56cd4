#pragma once

#include <cstdint>

namespace juce
{
class AudioPlayHead;
}

// What the host's play head tells of one block, over the defaults used when it
// tells nothing: 120 BPM, 4/4, stopped, not recording, not looping, all positions 0.
// Positions in quarter notes (ppq).
struct HostPosition
{
    double bpm = 120.0;
    int timeSignatureNumerator = 4;
    int timeSignatureDenominator = 4;
    std::int64_t timeInSamples = 0;
    double timeInSeconds = 0.0;
    double ppqPosition = 0.0;
    double ppqPositionOfLastBarStart = 0.0;
    bool isPlaying = false;
    bool isRecording = false;
    bool isLooping = false;
    double ppqLoopStart = 0.0;
    double ppqLoopEnd = 0.0;

    bool operator== (const HostPosition&) const = default;
};

// Host audio thread: the play head's position over the defaults (the defaults alone
// when there is no play head or it gives no position).
HostPosition readHostPosition (juce::AudioPlayHead* playHead) noexcept;
