#include "processor/CommonAudioProcessor.h"

#include "foundation/Logger.h"
#include "model/tables/ParameterTable.h"
#include "platform/ThreadPriority.h"
#include "processor/BufferSafetyMargin.h"
#include "processor/BusLayouts.h"
#include "processor/DeviceOpenSequence.h"
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

    worker.getIoProcessor().startThread (threadPriorityFromLevel (ioThreadPriority));
    worker.startThread (threadPriorityFromLevel (workerThreadPriority));

    client->start();
}

CommonAudioProcessor::~CommonAudioProcessor()
{
    stopDeviceLayer();   // when no device layer did

    updateTimer.setProcessor (nullptr);
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
    }
    released = false;
}

void CommonAudioProcessor::prepareToPlay (double sampleRate, int maximumBlockSize)
{
    if (hostContext.validationHost)
        return;
    // Under Bitwig Studio the first block configures the ring sets instead.
    if (! hostContext.host().isBitwigStudio())
        resetStream (sampleRate, maximumBlockSize, false, 0.0, 0.0);
    audioExchange.logPendingMarginClamp();
    released = false;
}

void CommonAudioProcessor::releaseResources()
{
    released = true;
}

void CommonAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi)
{
    if (hostContext.validationHost)
        return;
    released = false;

    // Short messages only: they are built without touching the heap, and longer
    // (system exclusive) ones are not for the device.
    for (const auto metadata : midi)
        if (metadata.numBytes <= 3)
            handleMidiMessage (juce::MidiMessage (metadata.data, metadata.numBytes, metadata.samplePosition));

    buffer.clear();
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
    if (streamRestart.load())
    {
        streamRestart = false;
        unmuteTime = juce::Time::getMillisecondCounterHiRes() + 1000.0;
    }
}

void CommonAudioProcessor::engineDataReceived (const std::uint8_t*, int) {}

void CommonAudioProcessor::fillPluginData (std::uint8_t*, int, int, int) {}

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
}
