#include "processor/AudioRecorder.h"

#include "foundation/Logger.h"
#include "platform/AppDataPaths.h"

#include <ctime>

AudioRecorder::AudioRecorder (juce::TimeSliceThread& sliceThread, int channels, double rate)
    : thread (sliceThread),
      numChannels (channels),
      sampleRate (rate),
      outputDirectory (AppDataPaths::musicFolder().getFullPathName()),
      subscribers (static_cast<size_t> (channels))
{
    idleWriter = std::make_shared<Writer> (nullptr, thread, numChannels, sampleRate, kBufferSize);
    idleWriter->setDataReceiver (this);
    idle = idleWriter.get();
    activeWriter.store (idle);
    thread.addTimeSliceClient (this);
}

AudioRecorder::~AudioRecorder()
{
    // No audio flows any more: every writer can go, completing its file here.
    thread.removeTimeSliceClient (this);
    activeWriter.store (nullptr);
    preparedWriter.store (nullptr);
    std::vector<Released> all;
    {
        const std::lock_guard<std::mutex> lock (writersMutex);
        retirePreparedLocked();
        all.swap (releasedWriters);
    }
    all.clear();
    idleWriter.reset();
}

//==============================================================================
bool AudioRecorder::setOutputDirectory (const juce::String& path)
{
    if (! juce::File::isAbsolutePath (path) || ! juce::File (path).isDirectory())
        return false;
    const std::lock_guard<std::mutex> lock (settingsMutex);
    outputDirectory = path;
    return true;
}

juce::String AudioRecorder::getOutputDirectory() const
{
    const std::lock_guard<std::mutex> lock (settingsMutex);
    return outputDirectory;
}

void AudioRecorder::setPrefix (const juce::String& newPrefix)
{
    const std::lock_guard<std::mutex> lock (settingsMutex);
    prefix = newPrefix;
}

juce::String AudioRecorder::getPrefix() const
{
    const std::lock_guard<std::mutex> lock (settingsMutex);
    return prefix;
}

void AudioRecorder::setTrackName (const juce::String& name)
{
    const std::lock_guard<std::mutex> lock (settingsMutex);
    trackName = name;
}

juce::String AudioRecorder::getTrackName() const
{
    const std::lock_guard<std::mutex> lock (settingsMutex);
    return trackName;
}

juce::String AudioRecorder::getCurrentFile() const
{
    const std::lock_guard<std::mutex> lock (settingsMutex);
    return currentFile;
}

juce::String AudioRecorder::fileNameFor (juce::int64 startTimeMs) const
{
    const auto seconds = static_cast<std::time_t> (startTimeMs / 1000);
    std::tm local {};
    if (localtime_r (&seconds, &local) == nullptr)
        local = std::tm {};
    char timeText[64] = {};
    if (std::strftime (timeText, sizeof (timeText), " - %Y%m%dT%H%M%S", &local) == 0)
        timeText[0] = '\0';

    const std::lock_guard<std::mutex> lock (settingsMutex);
    juce::String name = prefix;
    if (trackName.isNotEmpty())
        name << " - " << trackName.replace ("/", "-");
    name << timeText << format.getFileExtensions()[0];
    return name;
}

bool AudioRecorder::start (const juce::int64& startTimeMs)
{
    const auto file = juce::File (getOutputDirectory()).getChildFile (fileNameFor (startTimeMs));
    {
        const std::lock_guard<std::mutex> lock (settingsMutex);
        currentFile = file.getFullPathName();
    }

    {
        std::unique_lock<std::mutex> lock (writersMutex);
        retirePreparedLocked();
        // A restart within the same second: the earlier writer of this file must have
        // closed it before it is opened again.
        if (! writersChanged.wait_for (lock, std::chrono::milliseconds (kReleaseWaitMs),
                                       [&] { return ! isFileInUseLocked (file); }))
        {
            FH_LOG (spdlog::level::err, "Recorder file {} is still being written", file.getFullPathName().toStdString());
            return false;
        }
    }

    auto stream = std::make_unique<juce::FileOutputStream> (file, 16384);
    if (stream->failedToOpen())
        return false;
    stream->setPosition (0);
    stream->truncate();

    std::unique_ptr<juce::AudioFormatWriter> fileWriter (
        format.createWriterFor (stream.get(), sampleRate, static_cast<unsigned int> (numChannels), kBitsPerSample, {}, 0));
    if (fileWriter == nullptr)
        return false;
    stream.release();   // the writer owns it

    auto writer = std::make_shared<Writer> (std::move (fileWriter), thread, numChannels, sampleRate, kBufferSize);
    writer->setDataReceiver (this);

    const std::lock_guard<std::mutex> lock (writersMutex);
    retirePreparedLocked();
    recordingWriter = std::move (writer);
    recordingFile = file;
    filesInUse.push_back (file);
    preparedWriter.store (recordingWriter.get());
    return true;
}

void AudioRecorder::activateIdleWriter()
{
    const std::lock_guard<std::mutex> lock (writersMutex);
    retirePreparedLocked();
}

bool AudioRecorder::hasFileWriters() const
{
    const std::lock_guard<std::mutex> lock (writersMutex);
    return ! filesInUse.empty();
}

void AudioRecorder::retirePreparedLocked()
{
    if (recordingWriter == nullptr)
        return;
    preparedWriter.store (nullptr);
    releasedWriters.push_back ({ std::move (recordingWriter), recordingFile });
    recordingWriter.reset();
    recordingFile = juce::File();
}

bool AudioRecorder::isFileInUseLocked (const juce::File& file) const
{
    return std::find (filesInUse.begin(), filesInUse.end(), file) != filesInUse.end();
}

//==============================================================================
void AudioRecorder::addMonitorSubscriber (int channel, std::weak_ptr<SampleSubscriberIfc> subscriber)
{
    if (channel < 0 || channel >= numChannels)
        return;
    const std::lock_guard<std::mutex> lock (subscribersMutex);
    subscribers[static_cast<size_t> (channel)].push_back (std::move (subscriber));
    monitorSubscribed = true;
}

void AudioRecorder::removeMonitorSubscriber (const std::weak_ptr<SampleSubscriberIfc>& subscriber)
{
    const auto target = subscriber.lock();
    const std::lock_guard<std::mutex> lock (subscribersMutex);
    bool any = false;
    for (auto& list : subscribers)
    {
        list.erase (std::remove_if (list.begin(), list.end(),
                                    [&] (const std::weak_ptr<SampleSubscriberIfc>& entry) {
                                        if (target == nullptr)
                                            return entry.expired();
                                        return ! entry.owner_before (subscriber) && ! subscriber.owner_before (entry);
                                    }),
                    list.end());
        any = any || ! list.empty();
    }
    monitorSubscribed = any;
}

//==============================================================================
bool AudioRecorder::pushBlock (const float* const* channels, int numSamples, bool recording) noexcept
{
    auto* const current = activeWriter.load (std::memory_order_relaxed);   // this thread is its only writer
    auto* wanted = idle;
    if (recording)
    {
        // Publish the writer being picked up before trusting it: the writer thread
        // frees nothing that is prepared, picked up or active.
        for (int attempt = 0; attempt < 4; ++attempt)
        {
            auto* prepared = preparedWriter.load();
            if (prepared == nullptr)
                break;
            pickingUp.store (prepared);
            if (preparedWriter.load() == prepared)
            {
                wanted = prepared;
                break;
            }
        }
    }
    if (wanted != current)
    {
        const auto leftId = current != idle ? current->getId() : 0;
        activeWriter.store (wanted);
        if (leftId != 0)
            leftWriterId.store (leftId);
    }
    pickingUp.store (nullptr);

    if (wanted == idle && ! monitorSubscribed.load (std::memory_order_relaxed))
        return true;
    return wanted->write (channels, numSamples);
}

bool AudioRecorder::isWritingFile() const noexcept
{
    return activeWriter.load() != idle;
}

//==============================================================================
void AudioRecorder::addBlock (juce::int64, const juce::AudioBuffer<float>& newData, int startOffsetInBuffer,
                              int numSamples)
{
    const std::lock_guard<std::mutex> lock (subscribersMutex);
    for (int i = 0; i < numChannels && i < newData.getNumChannels(); ++i)
    {
        const auto* samples = newData.getReadPointer (i, startOffsetInBuffer);
        for (const auto& entry : subscribers[static_cast<size_t> (i)])
            if (const auto subscriber = entry.lock())
                subscriber->newSamples (samples, numSamples);
    }
}

int AudioRecorder::useTimeSlice()
{
    freeReleasedWriters();
    return 10;
}

void AudioRecorder::freeReleasedWriters()
{
    std::vector<Released> victims;
    {
        const std::lock_guard<std::mutex> lock (writersMutex);
        const auto left = leftWriterId.exchange (0);
        if (left != 0 && recordingWriter != nullptr && recordingWriter->getId() == left)
            retirePreparedLocked();   // the capture stopped: this file is done

        for (auto it = releasedWriters.begin(); it != releasedWriters.end();)
        {
            auto* writer = it->writer.get();
            // The hazard slot before the active pointer: the audio thread stores the
            // active pointer before it clears the slot.
            const bool held = preparedWriter.load() == writer || pickingUp.load() == writer
                              || activeWriter.load() == writer;
            if (held)
            {
                ++it;
                continue;
            }
            victims.push_back (std::move (*it));
            it = releasedWriters.erase (it);
        }
    }
    if (victims.empty())
        return;

    std::vector<juce::File> closed;
    for (auto& victim : victims)
    {
        victim.writer.reset();   // drains the FIFO into the file and closes it
        closed.push_back (victim.file);
    }
    {
        const std::lock_guard<std::mutex> lock (writersMutex);
        for (const auto& file : closed)
            if (const auto it = std::find (filesInUse.begin(), filesInUse.end(), file); it != filesInUse.end())
                filesInUse.erase (it);
    }
    writersChanged.notify_all();
}
