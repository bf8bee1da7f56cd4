#include "processor/AudioThreadHandOff.h"

AudioThreadHandOff::AudioThreadHandOff (std::function<void()> work) : juce::Thread ("AudioHandOff"), pass (std::move (work))
{
}

AudioThreadHandOff::~AudioThreadHandOff()
{
    stop();
}

void AudioThreadHandOff::start()
{
    startThread();
}

void AudioThreadHandOff::stop()
{
    stopThread (kStopTimeoutMs);
}

void AudioThreadHandOff::run()
{
    while (! threadShouldExit())
    {
        pass();
        wait (kIntervalMs);
    }
}
