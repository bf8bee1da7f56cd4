#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

#include <atomic>
#include <cstdint>
#include <memory>

namespace corvanel
{
// A background writer of audio: the audio thread copies blocks into a lock-free
// FIFO, and a time-slice thread drains the FIFO into an optional file writer and
// hands the same samples to a receiver (the meters). Unlike the framework's
// threaded writer, a write never wakes the writer thread (that takes a lock on the
// audio thread): the thread polls. An idle writer has no file writer and only
// feeds the receiver.
//
// Destroying the writer stops it, drains what the FIFO holds into the file and
// closes the file (the WAV header is completed), on the destroying thread.
class ThreadedWriterNoNotify
{
public:
    static constexpr int kDefaultBufferSize = 65536;

    // writer: the file writer, owned (null for an idle writer); its channel count and
    // rate are the writer's when one is given, else the ones passed here.
    ThreadedWriterNoNotify (std::unique_ptr<juce::AudioFormatWriter> writer, juce::TimeSliceThread& thread,
                            int numChannels, double sampleRate, int bufferSize = kDefaultBufferSize);
    ~ThreadedWriterNoNotify();

    // Audio thread: copies numSamples samples of every channel into the FIFO. False
    // (and nothing copied) when the FIFO has less room; true for an empty block or a
    // writer that is stopping. Allocates nothing, takes no lock, notifies nobody.
    bool write (const float* const* data, int numSamples) noexcept;

    // Any thread but the audio thread: the receiver of every drained block (not owned;
    // null for none). It is reset with the channel count and rate; the sample count
    // starts at 0.
    void setDataReceiver (juce::AudioFormatWriter::ThreadedWriter::IncomingDataReceiver* receiver);
    // Flush the file writer every this many samples (0: never).
    void setFlushInterval (int numSamples) noexcept;

    int getNumChannels() const noexcept;
    bool hasFileWriter() const noexcept;
    // A number unique to this writer in the process (never reused, unlike an address).
    std::uint64_t getId() const noexcept { return id; }

    class Buffer;

private:
    const std::uint64_t id;
    std::unique_ptr<Buffer> buffer;

    JUCE_DECLARE_NON_COPYABLE (ThreadedWriterNoNotify)
};
} // namespace corvanel
