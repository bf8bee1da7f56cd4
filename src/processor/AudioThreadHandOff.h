#pragma once

#include <juce_core/juce_core.h>

#include <functional>

// Work that an audio thread must not do itself (tell the host of a latency change,
// write a log line, update the keyboard's display) is left by it in atomics and
// lock-free queues; this thread ("AudioHandOff") runs the owner's pass over them
// every few milliseconds. The audio threads never wake it: waking takes a lock.
class AudioThreadHandOff : private juce::Thread
{
public:
    static constexpr int kIntervalMs = 10;
    static constexpr int kStopTimeoutMs = 2000;

    // pass: runs on this thread, once per interval, until stop.
    explicit AudioThreadHandOff (std::function<void()> pass);
    ~AudioThreadHandOff() override;

    void start();
    void stop();

private:
    void run() override;

    std::function<void()> pass;
};
