#pragma once

// A host for editor tests: its own thread calls the processor's processBlock at
// 48 kHz on the real clock, under the processor's callback lock, so that what
// the editor plays reaches the emulated device in the plug-in data records.
// An optional source adds host MIDI to each block (on the host thread).
#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace editortest
{
class HostBlockThread
{
public:
    static constexpr double kRate = 48000.0;
    static constexpr int kBlock = 256;

    // Host thread: the MIDI of block number `block` (its buffer is empty on entry).
    using MidiSource = std::function<void (juce::MidiBuffer& midi, std::uint64_t block)>;

    explicit HostBlockThread (juce::AudioProcessor& p, MidiSource source = {})
        : processor (p), midiSource (std::move (source))
    {
        buffer.setSize (std::max (p.getTotalNumInputChannels(), p.getTotalNumOutputChannels()), kBlock);
        midi.ensureSize (4096);
        processor.setRateAndBufferSizeDetails (kRate, kBlock);
        processor.prepareToPlay (kRate, kBlock);
        thread = std::thread ([this] { run(); });
    }

    ~HostBlockThread()
    {
        stop = true;
        thread.join();
        processor.releaseResources();
    }

    std::atomic<std::uint64_t> blocks { 0 };

private:
    void run()
    {
        auto next = std::chrono::steady_clock::now();
        while (! stop)
        {
            next += std::chrono::nanoseconds (static_cast<long long> (1e9 * kBlock / kRate));
            std::this_thread::sleep_until (next);
            buffer.clear();
            midi.clear();
            if (midiSource)
                midiSource (midi, blocks.load());
            const juce::ScopedLock sl (processor.getCallbackLock());
            if (! processor.isSuspended())
                processor.processBlock (buffer, midi);
            ++blocks;
        }
    }

    juce::AudioProcessor& processor;
    MidiSource midiSource;
    juce::AudioBuffer<float> buffer;
    juce::MidiBuffer midi;
    std::atomic<bool> stop { false };
    std::thread thread;
};
}   // namespace editortest
