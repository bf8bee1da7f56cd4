#include "processor/HostPosition.h"

#include <juce_audio_basics/juce_audio_basics.h>

HostPosition readHostPosition (juce::AudioPlayHead* playHead) noexcept
{
    HostPosition p;
    if (playHead == nullptr)
        return p;
    const auto position = playHead->getPosition();
    if (! position.hasValue())
        return p;
    if (const auto bpm = position->getBpm())
        p.bpm = *bpm;
    if (const auto signature = position->getTimeSignature())
    {
        p.timeSignatureNumerator = signature->numerator;
        p.timeSignatureDenominator = signature->denominator;
    }
    if (const auto samples = position->getTimeInSamples())
        p.timeInSamples = *samples;
    if (const auto seconds = position->getTimeInSeconds())
        p.timeInSeconds = *seconds;
    if (const auto ppq = position->getPpqPosition())
        p.ppqPosition = *ppq;
    if (const auto barStart = position->getPpqPositionOfLastBarStart())
        p.ppqPositionOfLastBarStart = *barStart;
    if (const auto loop = position->getLoopPoints())
    {
        p.ppqLoopStart = loop->ppqStart;
        p.ppqLoopEnd = loop->ppqEnd;
    }
    p.isPlaying = position->getIsPlaying();
    p.isRecording = position->getIsRecording();
    p.isLooping = position->getIsLooping();
    return p;
}
