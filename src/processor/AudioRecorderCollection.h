#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "processor/AudioRecorder.h"
#include "processor/BusChannelMap.h"

#include <atomic>
#include <memory>
#include <vector>

class CommonAudioProcessor;

// One recorder per output bus of the processor, on one writer thread
// ("AudioRecorderCollection"). The capture panel starts the chosen recorders and
// then the collection; the device audio intake (standalone wrapper only) pushes
// every device block, which moves the recorders onto their writers at the next
// block after a start or stop. Posts an empty change message when a capture
// starts or stops.
class AudioRecorderCollection final : public SafeChangeBroadcaster,
                                      public juce::TimeSliceClient
{
public:
    static constexpr double kSampleRate = 48000.0;
    static constexpr int kThreadPriority = 9;
    static constexpr int kThreadStopMs = 5000;
    enum State : int
    {
        recording = 0,
        stopped = 1
    };

    explicit AudioRecorderCollection (CommonAudioProcessor& processor);
    // The recorders of the given buses, named by busNames and prefixed with prefix.
    AudioRecorderCollection (const juce::StringArray& busNames, const std::vector<BusChannelMapEntry>& buses,
                             const juce::String& prefix);
    ~AudioRecorderCollection() override;

    // Audio thread (the device audio intake): one device block of every device channel.
    // No allocation, no lock.
    void pushDeviceBlock (const float* const* deviceChannels, int numDeviceChannels, int numSamples) noexcept;

    // Message thread.
    void startRecording();
    void stopRecording();
    bool isRecording() const noexcept { return requestedState.load() == recording; }
    // Whether the audio thread has followed the last start or stop.
    bool isCaptureStateApplied() const noexcept { return currentState.load() == requestedState.load(); }
    // The monotonic clock in nanoseconds when the last capture started.
    juce::int64 getRecordingStartTime() const noexcept { return recordingStartTime.load(); }
    bool hasOverrun() const noexcept { return overrun.load(); }

    int getNumRecorders() const noexcept { return static_cast<int> (recorders.size()); }
    // The recorder of an output bus (null outside the buses).
    AudioRecorder* getRecorder (int bus) const noexcept;
    int getFirstDeviceChannel (int bus) const noexcept;

    // juce::TimeSliceClient (unregistered: the capture panel reads the flag itself).
    int useTimeSlice() override;

private:
    struct Entry
    {
        std::unique_ptr<AudioRecorder> recorder;
        int firstDeviceChannel = 0;
    };

    void build (const juce::StringArray& busNames, const std::vector<BusChannelMapEntry>& buses,
                const juce::String& prefix);

    juce::TimeSliceThread thread { "AudioRecorderCollection" };
    std::vector<Entry> recorders;
    std::atomic<int> requestedState { stopped };
    std::atomic<int> currentState { stopped };
    std::atomic<juce::int64> recordingStartTime { 0 };
    std::atomic<bool> overrun { false };

    JUCE_DECLARE_NON_COPYABLE (AudioRecorderCollection)
};
