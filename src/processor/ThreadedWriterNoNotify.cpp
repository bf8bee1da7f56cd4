#include "processor/ThreadedWriterNoNotify.h"

namespace corvanel
{
namespace
{
std::uint64_t nextWriterId()
{
    static std::atomic<std::uint64_t> counter { 0 };
    return ++counter;
}
} // namespace

// The FIFO and the draining side, registered with the time-slice thread.
class ThreadedWriterNoNotify::Buffer final : public juce::TimeSliceClient
{
public:
    Buffer (std::unique_ptr<juce::AudioFormatWriter> fileWriter, juce::TimeSliceThread& sliceThread, int channels,
            double rate, int size)
        : fifo (size),
          buffer (fileWriter != nullptr ? static_cast<int> (fileWriter->getNumChannels()) : channels, size),
          timeSliceThread (sliceThread),
          writer (std::move (fileWriter)),
          sampleRate (writer != nullptr ? writer->getSampleRate() : rate)
    {
        timeSliceThread.addTimeSliceClient (this);
    }

    ~Buffer() override
    {
        isRunning = false;
        timeSliceThread.removeTimeSliceClient (this);
        while (writePendingData() == 0)
        {
        }
        writer.reset();   // completes the file
    }

    bool write (const float* const* data, int numSamples) noexcept
    {
        if (numSamples <= 0 || ! isRunning.load (std::memory_order_relaxed))
            return true;

        int start1, size1, start2, size2;
        fifo.prepareToWrite (numSamples, start1, size1, start2, size2);
        if (size1 + size2 < numSamples)
            return false;

        for (int i = buffer.getNumChannels(); --i >= 0;)
        {
            buffer.copyFrom (i, start1, data[i], size1);
            if (size2 > 0)
                buffer.copyFrom (i, start2, data[i] + size1, size2);
        }
        fifo.finishedWrite (size1 + size2);
        return true;
    }

    // Writer thread: the milliseconds until the next call.
    int useTimeSlice() override { return writePendingData(); }

    int writePendingData()
    {
        const int numToDo = fifo.getTotalSize() / 4;
        int start1, size1, start2, size2;
        fifo.prepareToRead (numToDo, start1, size1, start2, size2);
        if (size1 <= 0)
            return 10;

        if (writer != nullptr)
        {
            writer->writeFromAudioSampleBuffer (buffer, start1, size1);
            if (size2 > 0)
                writer->writeFromAudioSampleBuffer (buffer, start2, size2);
        }

        {
            const juce::ScopedLock sl (receiverLock);
            if (receiver != nullptr)
            {
                receiver->addBlock (samplesWritten, buffer, start1, size1);
                if (size2 > 0)
                    receiver->addBlock (samplesWritten + size1, buffer, start2, size2);
            }
            samplesWritten += size1 + size2;
        }
        fifo.finishedRead (size1 + size2);

        if (samplesPerFlush > 0 && writer != nullptr)
        {
            flushSampleCounter -= size1 + size2;
            if (flushSampleCounter <= 0)
            {
                flushSampleCounter = samplesPerFlush;
                writer->flush();
            }
        }
        return 0;
    }

    void setDataReceiver (juce::AudioFormatWriter::ThreadedWriter::IncomingDataReceiver* newReceiver)
    {
        if (newReceiver != nullptr)
            newReceiver->reset (buffer.getNumChannels(), sampleRate, 0);
        const juce::ScopedLock sl (receiverLock);
        receiver = newReceiver;
        samplesWritten = 0;
    }

    void setFlushInterval (int numSamples) noexcept { samplesPerFlush = numSamples; }

    int getNumChannels() const noexcept { return buffer.getNumChannels(); }
    bool hasFileWriter() const noexcept { return writer != nullptr; }

private:
    juce::AbstractFifo fifo;
    juce::AudioBuffer<float> buffer;
    juce::TimeSliceThread& timeSliceThread;
    std::unique_ptr<juce::AudioFormatWriter> writer;
    const double sampleRate;
    juce::CriticalSection receiverLock;
    juce::AudioFormatWriter::ThreadedWriter::IncomingDataReceiver* receiver = nullptr;
    juce::int64 samplesWritten = 0;
    std::atomic<int> samplesPerFlush { 0 };
    int flushSampleCounter = 0;
    std::atomic<bool> isRunning { true };
};

ThreadedWriterNoNotify::ThreadedWriterNoNotify (std::unique_ptr<juce::AudioFormatWriter> writer,
                                                juce::TimeSliceThread& thread, int numChannels, double sampleRate,
                                                int bufferSize)
    : id (nextWriterId()),
      buffer (std::make_unique<Buffer> (std::move (writer), thread, numChannels, sampleRate, bufferSize))
{
}

ThreadedWriterNoNotify::~ThreadedWriterNoNotify() = default;

bool ThreadedWriterNoNotify::write (const float* const* data, int numSamples) noexcept
{
    return buffer->write (data, numSamples);
}

void ThreadedWriterNoNotify::setDataReceiver (juce::AudioFormatWriter::ThreadedWriter::IncomingDataReceiver* receiver)
{
    buffer->setDataReceiver (receiver);
}

void ThreadedWriterNoNotify::setFlushInterval (int numSamples) noexcept
{
    buffer->setFlushInterval (numSamples);
}

int ThreadedWriterNoNotify::getNumChannels() const noexcept
{
    return buffer->getNumChannels();
}

bool ThreadedWriterNoNotify::hasFileWriter() const noexcept
{
    return buffer->hasFileWriter();
}
} // namespace corvanel
