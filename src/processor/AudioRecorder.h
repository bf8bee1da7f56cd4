#pragma once

#include "processor/SampleSubscriberIfc.h"
#include "processor/ThreadedWriterNoNotify.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

// One output bus's 24-bit WAV recorder. The audio thread copies each block into
// the FIFO of the recorder's active writer: its idle writer (no file; it only
// feeds the monitor subscribers) or the writer of the file opened by start. The
// writer thread (the collection's time-slice thread) drains the FIFOs and
// releases writers the audio thread has left; a released writer completes and
// closes its file there.
//
// The hand-off between the threads is lock-free on the audio side: the audio
// thread switches between writers through plain atomic pointers and publishes
// the writer it is picking up in a hazard slot, and the writer thread frees a
// writer only once it is neither prepared, active nor picked up. Writers are
// owned by shared pointers on the message and writer threads only.
class AudioRecorder final : public juce::AudioFormatWriter::ThreadedWriter::IncomingDataReceiver,
                            public juce::TimeSliceClient
{
public:
    static constexpr int kBitsPerSample = 24;
    static constexpr int kBufferSize = corvanel::ThreadedWriterNoNotify::kDefaultBufferSize;
    // How long start waits for an earlier writer of the same file to close it.
    static constexpr int kReleaseWaitMs = 3000;

    AudioRecorder (juce::TimeSliceThread& thread, int numChannels, double sampleRate);
    ~AudioRecorder() override;

    //==============================================================================
    // Message thread.
    // False, and no change, unless path names an existing directory.
    bool setOutputDirectory (const juce::String& path);
    juce::String getOutputDirectory() const;
    void setPrefix (const juce::String& newPrefix);
    juce::String getPrefix() const;
    void setTrackName (const juce::String& name);
    juce::String getTrackName() const;

    // The file name of a capture starting at startTimeMs (milliseconds since 1970,
    // local time): "<prefix> - <track> - 20240315T143005.wav", the track's "/" as "-".
    juce::String fileNameFor (juce::int64 startTimeMs) const;

    // Opens the file of a capture starting at startTimeMs (an existing file of that
    // name is overwritten) and prepares its writer; nothing is recorded until the
    // collection records. A writer that still drains into the same file (a restart
    // within the same second) is waited for first. False when the file or its
    // writer cannot be made; the earlier prepared writer is released either way.
    bool start (const juce::int64& startTimeMs);
    // The path of the file opened by the last start.
    juce::String getCurrentFile() const;

    // Gives up the prepared writer: the audio thread goes back to the idle writer
    // and the writer thread completes and closes the file.
    void activateIdleWriter();

    // Monitoring: subscribers of one channel get every block the recorder sees
    // (writer thread). Adding one to any channel makes every channel flow.
    void addMonitorSubscriber (int channel, std::weak_ptr<SampleSubscriberIfc> subscriber);
    // Removes every entry of the subscriber; an expired or empty one removes the expired entries.
    void removeMonitorSubscriber (const std::weak_ptr<SampleSubscriberIfc>& subscriber);
    bool hasMonitorSubscribers() const noexcept { return monitorSubscribed.load(); }

    int getNumChannels() const noexcept { return numChannels; }
    double getSampleRate() const noexcept { return sampleRate; }
    // Whether a prepared or recording file writer is waiting, in use or still draining.
    bool hasFileWriters() const;

    //==============================================================================
    // Audio thread: follows the collection's state (recording: the prepared writer
    // when there is one; stopped: the idle writer), then copies the block into the
    // active writer when it records or someone listens. False when the block did not
    // fit. No allocation, no lock.
    bool pushBlock (const float* const* channels, int numSamples, bool recording) noexcept;
    // Audio thread: whether the active writer writes a file.
    bool isWritingFile() const noexcept;

    //==============================================================================
    // Writer thread.
    void reset (int, double, juce::int64) override {}
    void addBlock (juce::int64 sampleNumberInSource, const juce::AudioBuffer<float>& newData, int startOffsetInBuffer,
                   int numSamples) override;
    int useTimeSlice() override;

private:
    using Writer = corvanel::ThreadedWriterNoNotify;

    // Moves the prepared writer (if any) to the released ones. Under writersMutex.
    void retirePreparedLocked();
    // Writer thread: frees the released writers the audio thread no longer holds.
    void freeReleasedWriters();
    bool isFileInUseLocked (const juce::File& file) const;

    juce::TimeSliceThread& thread;
    const int numChannels;
    const double sampleRate;
    juce::WavAudioFormat format;

    mutable std::mutex settingsMutex;   // the texts below (message thread; read by fileNameFor)
    juce::String prefix { "Temp" };
    juce::String trackName;
    juce::String outputDirectory;
    juce::String currentFile;

    std::mutex subscribersMutex;   // the lists (message and writer threads)
    std::vector<std::vector<std::weak_ptr<SampleSubscriberIfc>>> subscribers;
    std::atomic<bool> monitorSubscribed { false };

    // Ownership (message and writer threads).
    mutable std::mutex writersMutex;
    std::condition_variable writersChanged;
    std::shared_ptr<Writer> idleWriter;
    Writer* idle = nullptr;   // idleWriter's pointer, for the audio thread
    std::shared_ptr<Writer> recordingWriter;                 // prepared by the last start
    juce::File recordingFile;
    struct Released
    {
        std::shared_ptr<Writer> writer;
        juce::File file;
    };
    std::vector<Released> releasedWriters;   // given up, freed once the audio thread holds them no more
    std::vector<juce::File> filesInUse;      // of every file writer not yet freed

    // The audio side.
    std::atomic<Writer*> preparedWriter { nullptr };   // recordingWriter's pointer, for the audio thread to pick up
    std::atomic<Writer*> activeWriter { nullptr };     // only the audio thread (and the destructor) stores it
    std::atomic<Writer*> pickingUp { nullptr };        // the hazard slot
    std::atomic<std::uint64_t> leftWriterId { 0 };     // the file writer the audio thread left last

    JUCE_DECLARE_NON_COPYABLE (AudioRecorder)
};
