#include "processor/CommonAudioProcessor.h"

#include "foundation/Logger.h"
#include "model/tables/ParameterTable.h"
#include "platform/ThreadPriority.h"
#include "processor/AudioRecorderCollection.h"
#include "processor/BufferSafetyMargin.h"
#include "processor/BusLayouts.h"
#include "processor/DeviceOpenSequence.h"
#include "processor/HostPosition.h"
#include "processor/PluginLog.h"
#include "processor/PluginStateStream.h"

namespace
{
constexpr double responseTimeoutSeconds = 30.0;
constexpr double busyDelaySeconds = 1.0;
constexpr int ioThreadPriority = 8;
constexpr int workerThreadPriority = 7;

HostContext makeContext (juce::PluginHostType::HostType hostType, bool validationHost)
{
    return { hostType, juce::PluginHostType::getPluginLoadedAs(), validationHost };
}
} // namespace

CommonAudioProcessor::CommonAudioProcessor (const juce::StringArray& busNames, const std::set<int>& stereoBuses,
                                            int maxSidechainChannels, std::shared_ptr<SynthPluginState> state,
                                            std::shared_ptr<GlobalPreferences> globalPreferences,
                                            std::unique_ptr<RemoteDeviceClient> engineClient,
                                            juce::PluginHostType::HostType hostType, bool validationHost)
    : juce::AudioProcessor (makeBusesProperties (busNames, stereoBuses, makeContext (hostType, validationHost))),
      busChannelMap (makeBusChannelMap (busNames.size(), stereoBuses)),
      hostContext (makeContext (hostType, validationHost)),
      hostIsCubaseFamily (hostContext.host().isCubase()),
      client (std::move (engineClient)),
      worker (client.get()),
      device (worker, *this),
      pluginState (std::move (state)),
      preferences (std::move (globalPreferences))
{
    // The sidechain inputs follow the host rules alone.
    juce::ignoreUnused (maxSidechainChannels);
    jassert (client != nullptr && pluginState != nullptr && preferences != nullptr);

    worker.setResponseTimeout (responseTimeoutSeconds);
    worker.setBusyDelay (busyDelaySeconds);

    if (! hostContext.isStandalone())
        openPluginLog();

    outputStage.setBusMonitored (mainBus, true);
    transportSync.setHostIsCubaseFamily (hostIsCubaseFamily);

    client->setDeviceListener (this);

    // The lookup tables exist once per process, before any record is read.
    if (! parameterMapsBuilt())
        buildParameterMaps();

    updateTimer.setProcessor (&updateTimerLink);

    bufferSafetyMargin = BufferSafetyMargin::read (*preferences);
    FH_LOG (spdlog::level::info, "Resampler buffer safety margin is {}", bufferSafetyMargin.load());

    streamRestart = true;
    unmuteTime = std::numeric_limits<double>::max();

    pluginState->addChangeListener (this);
    preferences->addListener (this);

    handOff.start();
    worker.getIoProcessor().startThread (threadPriorityFromLevel (ioThreadPriority));
    worker.startThread (threadPriorityFromLevel (workerThreadPriority));

    // Before the client starts: its audio thread feeds the recorders.
    recorderCollection = std::make_unique<AudioRecorderCollection> (*this);
    client->start();
}

CommonAudioProcessor::~CommonAudioProcessor()
{
    stopDeviceLayer();   // when no device layer did

    updateTimer.setProcessor (nullptr);
    handOff.stop();
    worker.stopThread (kWorkerStopMs);
    worker.getIoProcessor().stopThread (kWorkerStopMs);
    stopStream();
    pluginState->removeChangeListener (this);
    preferences->removeListener (this);
    masterReference.clear();
    device.stopDataObjectThreads();
    FH_LOG (spdlog::level::info, "About to shutdown. Goodbye!");
    if (! hostContext.isStandalone())
        flushPluginLog();
}

void CommonAudioProcessor::stopDeviceLayer()
{
    if (deviceLayerStopped)
        return;
    deviceLayerStopped = true;
    if (client->isStarted())
        client->stop();
    client->setDeviceListener (nullptr);
    jobs.shutdown (kJobWaitMs);
}

void CommonAudioProcessor::setNoteChannelRange (int first, int end)
{
    noteChannelFirst = first;
    noteChannelEnd = end;
    transportSync.setNoteChannelRange (first, end);
}

void CommonAudioProcessor::openPluginLog()
{
    openPluginLogFile (*preferences, getName(), hostContext, getWrapperTypeDescription (hostContext.wrapperType));
}

juce::AudioProcessor::BusesProperties CommonAudioProcessor::makeBusesProperties (const juce::StringArray& busNames,
                                                                              const std::set<int>& stereoBuses,
                                                                              const HostContext& context)
{
    BusesProperties properties;
    const auto buses = makeBusSet (busNames, stereoBuses, context);
    for (const auto& input : buses.inputs)
        properties.addBus (true, input.name, input.layout, true);
    for (const auto& output : buses.outputs)
        properties.addBus (false, output.name, output.layout, true);
    return properties;
}

//==============================================================================
void CommonAudioProcessor::stopStream()
{
    streamRestart = true;
    unmuteTime = std::numeric_limits<double>::max();
    suspendProcessing (true);
    configureRingSets (1.0, 1.0, false);
}

void CommonAudioProcessor::configureRingSets (double ratioDeviceToHost, double ratioHostToDevice, bool onAudioThread)
{
    const double rate = hostSampleRate.load();
    const int block = hostBlockSize.load();
    if (rate > 0.0 && block > 0)
        audioExchange.configure (rate, block, client->getBlockSize(), bufferSafetyMargin.load(), ratioDeviceToHost,
                                 ratioHostToDevice, ! onAudioThread);
}

void CommonAudioProcessor::resetStream (double sampleRate, int blockSize, bool force, double ratioDeviceToHost,
                                        double ratioHostToDevice, bool onAudioThread)
{
    if (force || blockSize != hostBlockSize.load() || sampleRate != hostSampleRate.load())
    {
        hostBlockSize = blockSize;
        if (sampleRate > 0.0)
            hostSampleRate = sampleRate;
        configureRingSets (ratioDeviceToHost, ratioHostToDevice, onAudioThread);
        updateLatency (onAudioThread);
    }
    transportSync.requestReset();
    hostBufferMismatch = false;
    released = false;
}

void CommonAudioProcessor::prepareToPlay (double sampleRate, int maximumBlockSize)
{
    if (hostContext.validationHost)
        return;
    // Under Bitwig Studio the first block configures the ring sets instead.
    if (! hostContext.host().isBitwigStudio())
        resetStream (sampleRate, maximumBlockSize, false, 0.0, 0.0);
    outputStage.prepare (sampleRate);
    audioExchange.logPendingMarginClamp();
    released = false;
}

void CommonAudioProcessor::releaseResources()
{
    released = true;
}

void CommonAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    const double now = clock.load (std::memory_order_relaxed)->nowMs();
    if (hostContext.validationHost)
        return;
    const juce::ScopedNoDenormals noDenormals;   // restored on every return below

    const int n = buffer.getNumSamples();
    if (isNonRealtime() || n > kMaxHostBlock)
    {
        processBlockBypassed (buffer, midi);
        return;
    }

    const auto& merged = keyboardMerge.merge (midi);

    if (hostIsCubaseFamily && n != hostBlockSize.load())
        hostBufferMismatch = true;
    if (hostBlockSize.load() < 1 || ! (hostSampleRate.load() > 0.0))
        resetStream (getSampleRate(), n, true, audioExchange.deviceToHost.getRatio(),
                     audioExchange.hostToDevice.getRatio(), true);
    released = false;

    // Tempo, transport and the chosen channels' notes towards the device.
    HostPosition position;
    if (auto* head = getPlayHead())
    {
        position = readHostPosition (head);
        transportSync.setSyncMode (getSyncMode());
    }
    transportSync.pushHostBlock (audioExchange.hostToDevice.getWritePosition(), n, merged, position,
                                 audioExchange.hostToDevice);

    // The host's inputs towards the device, published for the input meters.
    for (int bus = 0; bus < getBusCount (true); ++bus)
    {
        auto view = getBusBuffer (buffer, true, bus);
        processInputBus (view);
        for (int channel = 0; channel < view.getNumChannels(); ++channel)
            samplePublisher.publish (0, bus, channel, view.getReadPointer (channel), n);
    }
    audioExchange.hostToDevice.write (now, buffer.getArrayOfReadPointers(),
                                      std::min (getTotalNumInputChannels(), buffer.getNumChannels()), n);

    for (const auto metadata : merged)
        handleMidiMessage (juce::MidiMessage (metadata.data, metadata.numBytes, metadata.samplePosition));
    midi.clear();   // the processor produces no MIDI

    // The device's channels, faded.
    auto& deviceToHost = audioExchange.deviceToHost;
    const int status = deviceToHost.prepareRead (now, n);
    outputStage.decideFade (status, now, unmuteTime.load(), hostSampleRate.load());
    outputStage.readDeviceChannels (deviceToHost, n);
    deviceToHost.finishRead();

    if (hostContext.isStandalone())
    {
        auto main = getBusBuffer (buffer, false, mainBus);
        outputStage.mixMonitoredBuses (main, n);
        processMainOutput (main);
        // The other outputs would repeat the inputs that share their channels.
        for (int channel = main.getNumChannels(); channel < getTotalNumOutputChannels(); ++channel)
            if (channel < buffer.getNumChannels())
                buffer.clear (channel, 0, n);
    }
    else
    {
        for (int bus = 0; bus < getBusCount (false); ++bus)
        {
            auto view = getBusBuffer (buffer, false, bus);
            outputStage.fillBus (view, bus, n);
            processMainOutput (view);
        }
    }
    outputStage.advanceFade (n);
}

void CommonAudioProcessor::processBlockBypassed (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    if (buffer.hasBeenCleared())
        return;
    const int first = getBusCount (true) > 0 ? getChannelCountOfBus (true, 0) : 0;
    const int end = std::min (getTotalNumOutputChannels(), buffer.getNumChannels());
    for (int channel = first; channel < end; ++channel)
        buffer.clear (channel, 0, buffer.getNumSamples());
}

bool CommonAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    return ::isBusesLayoutSupported (layouts, busChannelMap, hostContext);
}

void CommonAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    if (! hostContext.isStandalone())
        writePluginStateStream (*pluginState, destData);
}

void CommonAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    if (! hostContext.isStandalone())
        readPluginStateStream (*pluginState, data, sizeInBytes);
}

//==============================================================================
void CommonAudioProcessor::deviceOpened()
{
    Vantu::runDeviceOpenedSequence (device, worker);
}

void CommonAudioProcessor::deviceClosed()
{
    stopStream();
    // Reads of the closed device can no longer be answered: the update jobs not
    // yet started are dropped, the reads in flight end now instead of at their
    // deadlines (their jobs end quietly), and the next open starts afresh.
    jobs.removeWaitingJobs();
    worker.discardRequests();
    transportSync.requestReset();
    device.stopDataObjectThreads();
}

void CommonAudioProcessor::streamCharacteristicsChanged()
{
    stopStream();
    if (! client->isDeviceOpen())
    {
        FH_LOG (spdlog::level::err, "Device is not open.");
        return;
    }
    updateLatency();
    client->setOutputGain (static_cast<float> (getStreamScale()));
    configureRingSets (0.0, 0.0, false);
    suspendProcessing (false);
}

void CommonAudioProcessor::audioBlockReceived (float* const* deviceChannels, int numDeviceChannels,
                                               float* const* hostChannels, int numHostChannels, int numSamples,
                                               double timeStampMs)
{
    audioExchange.exchangeDeviceBlock (deviceChannels, numDeviceChannels, hostChannels, numHostChannels, numSamples,
                                       timeStampMs, getTotalNumInputChannels(), released.load());
    if (hostContext.isStandalone() && ! released.load() && recorderCollection != nullptr)
        recorderCollection->pushDeviceBlock (deviceChannels, numDeviceChannels, numSamples);
    if (streamRestart.load())
    {
        updateLatency (true);
        streamRestart = false;
        unmuteTime = clock.load (std::memory_order_relaxed)->nowMs() + kUnmuteDelayMs;
    }
}

void CommonAudioProcessor::engineDataReceived (const std::uint8_t*, int) {}

void CommonAudioProcessor::fillPluginData (std::uint8_t* area, int capacity, int numSamples, int stride)
{
    if (area == nullptr || numSamples <= 0 || stride <= 0)
        return;
    const int frames = std::min (numSamples, kPluginDataFrames);
    const int records = std::max (numSamples / frames, 1);
    const auto start = audioExchange.hostToDevice.getSamplesRead();
    PluginDataRecord record;
    for (int k = 0; k < records; ++k)
    {
        const int offset = k * frames * stride;
        // The record's whole 80 bytes must lie inside the area, even for the shortest blocks.
        if ((k + 1) * frames * stride > capacity || offset + PluginDataRecord::kBytes > capacity)
            continue;
        transportSync.fillRecord (record, start + k * frames, frames);
        std::memcpy (area + offset, record.bytes.data(), PluginDataRecord::kBytes);
    }
}

void CommonAudioProcessor::asyncDataReceived (const std::uint8_t* data, int length)
{
    worker.getIoProcessor().handleReceivedData (data, length);
}

//==============================================================================
bool CommonAudioProcessor::addJob (const std::string& name, JobFunction function)
{
    return jobs.addJob (name, std::move (function));
}

void CommonAudioProcessor::globalPreferencesChanged()
{
    const int margin = BufferSafetyMargin::read (*preferences);
    const int previous = bufferSafetyMargin.load();
    if (margin == previous)
        return;
    FH_LOG (spdlog::level::info, "Resampler safety margin scale was changed from {} to {}", previous, margin);
    bufferSafetyMargin = margin;
    configureRingSets (1.0, 1.0, false);
    updateLatency();
}

//==============================================================================
void CommonAudioProcessor::updateLatency (bool onAudioThread)
{
    const int streamLatency = client->getStreamValue2();
    if (streamLatency == 0)
        return;
    const double hostToDeviceTarget = audioExchange.hostToDevice.getTargetLatency();
    const double deviceToHostTarget = audioExchange.deviceToHost.getTargetLatency();
    const double samples = hostToDeviceTarget
                         + (streamLatency + deviceToHostTarget) * hostSampleRate.load() / DeviceAudioExchange::kDeviceRate;
    const int latency = std::max (0, static_cast<int> (std::lround (samples)));
    if (onAudioThread)
    {
        pendingDeviceToHostTarget.store (deviceToHostTarget);
        pendingLatency.store (latency);
        return;
    }
    applyLatency (latency, deviceToHostTarget);
}

void CommonAudioProcessor::applyLatency (int latency, double deviceToHostTarget)
{
    if (latency == getLatencySamples())
        return;
    setLatencySamples (latency);
    samplePublisher.setSetting (0, latency);
    samplePublisher.setSetting (2, static_cast<int> (std::lround (deviceToHostTarget * 1500.0 / DeviceAudioExchange::kDeviceRate)) + 1);
}

void CommonAudioProcessor::handOffPass()
{
    if (const int latency = pendingLatency.exchange (-1); latency >= 0)
        applyLatency (latency, pendingDeviceToHostTarget.load());
    keyboardMerge.showHostNotes();
    transportSync.logWarnings();
}
