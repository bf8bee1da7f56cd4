#pragma once

#include "engine/FhAsyncDataWorker.h"
#include "engine/RemoteDeviceClient.h"
#include "foundation/GlobalPreferences.h"
#include "foundation/JobExecutor.h"
#include "foundation/NotificationManager.h"
#include "foundation/SafeChangeBroadcaster.h"
#include "model/MachineDataUpdateTimer.h"
#include "model/VantuInterface.h"
#include "platform/Clock.h"
#include "processor/AudioThreadHandOff.h"
#include "processor/BusChannelMap.h"
#include "processor/DeviceAudioExchange.h"
#include "processor/HostContext.h"
#include "processor/HostOutputStage.h"
#include "processor/KeyboardMerge.h"
#include "processor/PanelContextIfc.h"
#include "processor/PluginVolatileState.h"
#include "processor/ProcessorJobPool.h"
#include "processor/SamplePublisher.h"
#include "processor/SynthPluginState.h"
#include "processor/TransportSync.h"
#include "processor/UpdateTimerProcessorLink.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>
#include <atomic>
#include <memory>
#include <set>

class AudioRecorderCollection;

// The device-independent core of the plug-in processor: the framework processor
// that owns the engine client, the job pool, the asynchronous data worker, the
// device model, the notification manager and the data-update timer, and shares
// the plug-in state and the global preferences. The device layers derive from it.
//
// Construction starts the worker threads and the engine client: from then on the
// processor connects to the engine by itself and pulls the whole device when one
// opens. The device layer's destructor stops the client and drains the job pool
// (stopDeviceLayer) before this destructor runs.
class CommonAudioProcessor : public juce::AudioProcessor,
                             public RemoteDeviceClient::DeviceListener,
                             public SafeChangeListener,
                             public MachineDataUpdateTimer::Provider,
                             public PanelContextIfc,
                             public JobExecutor,
                             public GlobalPreferencesIfc::Listener
{
public:
    static constexpr int kJobPoolThreads = 8;
    static constexpr int kJobWaitMs = 5000;
    static constexpr int kWorkerStopMs = 5000;
    static constexpr int kMaxHostInputChannels = 12;
    // Longer host blocks (and offline rendering) get the bypass output: the device's
    // audio cannot be produced faster than real time.
    static constexpr int kMaxHostBlock = 1024;
    static constexpr double kUnmuteDelayMs = 1000.0;
    // Device frames covered by one plug-in data record.
    static constexpr int kPluginDataFrames = 64;

    // busNames and stereoBuses: the output buses; the sidechain inputs follow the
    // host rules, whatever maxSidechainChannels says. hostType: the host to
    // behave for (the running one unless a test poses as another).
    CommonAudioProcessor (const juce::StringArray& busNames, const std::set<int>& stereoBuses, int maxSidechainChannels,
                          std::shared_ptr<SynthPluginState> pluginState, std::shared_ptr<GlobalPreferences> preferences,
                          std::unique_ptr<RemoteDeviceClient> client, juce::PluginHostType::HostType hostType,
                          bool validationHost);
    ~CommonAudioProcessor() override;

    //==============================================================================
    // The processor's own operations.
    virtual double getStreamScale() const { return 1.0; }
    // Host audio thread: one incoming MIDI message.
    virtual void handleMidiMessage (const juce::MidiMessage& message) = 0;
    // The device input that host input channel `input` feeds; -1 for none.
    virtual int getInputRouting (int input) const
    {
        juce::ignoreUnused (input);
        return 0;
    }
    virtual juce::String getDeviceName() const = 0;
    // The device inputs a sidechain input can be routed to.
    virtual juce::StringArray getMainChannelNames() const = 0;
    // Host audio thread hooks of the audio path.
    virtual void processInputBus (juce::AudioBuffer<float>& bus) { juce::ignoreUnused (bus); }
    virtual void processMainOutput (juce::AudioBuffer<float>& mainOutput) { juce::ignoreUnused (mainOutput); }
    virtual int getSyncMode() const = 0;

    //==============================================================================
    // juce::AudioProcessor
    const juce::String getName() const override { return "Kolvane"; }
    double getTailLengthSeconds() const override { return std::numeric_limits<double>::infinity(); }
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return true; }
    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return "Empty"; }
    void changeProgramName (int, const juce::String&) override {}
    void prepareToPlay (double sampleRate, int maximumBlockSize) override;
    void releaseResources() override;
    // Host audio thread: the host's inputs and MIDI towards the device, the device's
    // channels out of the rings into the output buses (or the standalone monitor mix),
    // faded around stream starts and gaps, and published for the meters.
    void processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    // Host audio thread: inputs stay on their own channels, every other output is cleared.
    void processBlockBypassed (juce::AudioBuffer<float>& buffer, juce::MidiBuffer& midi) override;
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;
    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    //==============================================================================
    // RemoteDeviceClient::DeviceListener
    // Client job thread: the data objects transmit, then the whole device is read.
    void deviceOpened() override;
    // Client job thread, or the thread that stops the client: the stream stops, the
    // waiting update jobs and reads are dropped, the data objects stop sending.
    void deviceClosed() override;
    // "CharacteristicsChangedThread".
    void streamCharacteristicsChanged() override;
    // Shared-memory audio thread.
    void audioBlockReceived (float* const* deviceChannels, int numDeviceChannels, float* const* hostChannels,
                             int numHostChannels, int numSamples, double timeStampMs) override;
    // Shared-memory audio thread.
    void engineDataReceived (const std::uint8_t* data, int length) override;
    // Shared-memory audio thread.
    void fillPluginData (std::uint8_t* data, int capacity, int numSamples, int stride) override;
    // "Async data IPC Client" thread.
    void asyncDataReceived (const std::uint8_t* data, int length) override;

    // JobExecutor (any thread): false, running nothing, once the gate has closed.
    bool addJob (const std::string& name, JobFunction function) override;

    // GlobalPreferencesIfc::Listener (reload thread, or a setter's thread).
    void globalPreferencesChanged() override;

    // MachineDataUpdateTimer::Provider
    MachineDataUpdateTimer* getMachineDataUpdateTimer() override { return &updateTimer; }

    // PanelContextIfc (message thread): what a parameter panel is built from.
    MachineDataUpdateTimer::Provider& getUpdateTimerProvider() override { return *this; }
    Vantu::Kit& getKit() override { return device.getKit(); }
    Vantu::Settings& getSettings() override { return device.getSettings(); }
    GlobalPreferencesIfc& getPreferences() override { return *preferences; }

    //==============================================================================
    // What the editor, the shell and the device layers reach.
    Vantu::VantuInterface& getDeviceInterface() noexcept { return device; }
    FhAsyncDataWorker& getAsyncDataWorker() noexcept { return worker; }
    RemoteDeviceClient& getEngineClient() noexcept { return *client; }
    const std::shared_ptr<SynthPluginState>& getPluginState() const noexcept { return pluginState; }
    const std::shared_ptr<GlobalPreferences>& getGlobalPreferences() const noexcept { return preferences; }
    PluginVolatileState& getVolatileState() noexcept { return volatileState; }
    NotificationManager& getNotificationManager() noexcept { return notificationManager; }
    SamplePublisher& getSamplePublisher() noexcept { return samplePublisher; }
    SamplePublisher* findSamplePublisher() override { return &samplePublisher; }
    juce::MidiKeyboardState& getKeyboardState() noexcept { return keyboardState; }
    const std::vector<BusChannelMapEntry>& getBusChannelMap() const noexcept { return busChannelMap; }
    const HostContext& getHostContext() const noexcept { return hostContext; }
    bool isHostCubaseFamily() const noexcept { return hostIsCubaseFamily; }
    int getBufferSafetyMargin() const noexcept { return bufferSafetyMargin.load(); }
    // The two ring sets and the sidechain routing between the device and the host.
    DeviceAudioExchange& getAudioExchange() noexcept { return audioExchange; }
    // The host's block size and rate as last prepared (0 before), and whether a
    // Cubase-family host sent a block of another size since (cleared by the next
    // stream reset).
    int getHostBlockSize() const noexcept { return hostBlockSize.load(); }
    double getHostSampleRate() const noexcept { return hostSampleRate.load(); }
    bool hasHostBufferMismatch() const noexcept { return hostBufferMismatch.load(); }

    // The clock of the audio path (the engine's stamps): the system's, unless a test
    // drives one. Set before audio flows; the clock must outlive the processor.
    void setClock (Clock& newClock) noexcept { clock.store (&newClock); }
    const Clock& getClock() const noexcept { return *clock.load(); }

    // What the standalone shell's capture panel sets (message thread): which output
    // buses are heard in the main output (the main bus from the start), and the
    // main output's gain (ramped over 10 ms).
    void setBusMonitored (int bus, bool monitored) noexcept { outputStage.setBusMonitored (bus, monitored); }
    bool isBusMonitored (int bus) const noexcept { return outputStage.isBusMonitored (bus); }
    void setMainOutputGain (float gain) noexcept { outputStage.setMainGain (gain); }
    float getMainOutputGain() const noexcept { return outputStage.getMainGain(); }
    const HostOutputStage& getOutputStage() const noexcept { return outputStage; }
    TransportSync& getTransportSync() noexcept { return transportSync; }
    // One recorder per output bus; fed with the device's blocks in the standalone wrapper only.
    AudioRecorderCollection& getRecorderCollection() noexcept { return *recorderCollection; }

    // Recomputes the latency reported to the host, in host samples: the host-to-device
    // target plus the stream latency and the device-to-host target at the host rate.
    // Nothing happens while the stream latency is 0. On an audio thread the host and
    // the publisher are told by the hand-off thread.
    void updateLatency (bool onAudioThread = false);

    // Device jobs queued or running.
    int getNumDeviceJobs() const { return jobs.getNumJobs(); }
    // MIDI channels (1..16) whose notes go to the device: first inclusive, end exclusive.
    int getNoteChannelFirst() const noexcept { return noteChannelFirst.load(); }
    int getNoteChannelEnd() const noexcept { return noteChannelEnd.load(); }

protected:
    // The framework's buses for makeBusSet's description.
    static BusesProperties makeBusesProperties (const juce::StringArray& busNames, const std::set<int>& stereoBuses,
                                                const HostContext& context);

    // The device layer's first steps of destruction (message thread): the engine
    // client stops, the job gate closes and the pool drains (up to kJobWaitMs).
    // Runs once; later calls do nothing.
    void stopDeviceLayer();

    void setNoteChannelRange (int first, int end);

    // Stops the device stream: processing stays suspended until the next stream
    // characteristics arrive from an open device; the ring sets start again.
    void stopStream();

public:
    // Reconfigures both ring sets for the host's rate and block when forced or when
    // either changed (ratios 0: each set starts from its nominal ratio), and starts the
    // transport sync and the mismatch flag afresh. onAudioThread: called by the host's
    // audio callback (nothing is logged there).
    void resetStream (double sampleRate, int blockSize, bool force, double ratioDeviceToHost, double ratioHostToDevice,
                      bool onAudioThread = false);

protected:

private:
    void openPluginLog();
    // Both ring sets for the stored host rate and block and the engine's block size,
    // when the host's are known.
    void configureRingSets (double ratioDeviceToHost, double ratioHostToDevice, bool onAudioThread);
    // Tells the host and the publisher of a latency (not an audio thread).
    void applyLatency (int latency, double deviceToHostTarget);
    // "AudioHandOff" thread: what the audio threads left to do.
    void handOffPass();

    // Declaration order is construction order; destruction runs in reverse.
    const std::vector<BusChannelMapEntry> busChannelMap;
    const HostContext hostContext;
    const bool hostIsCubaseFamily;
    PluginVolatileState volatileState;
    std::unique_ptr<AudioRecorderCollection> recorderCollection;   // made last in the constructor
    std::unique_ptr<RemoteDeviceClient> client;
    DeviceAudioExchange audioExchange;
    std::atomic<int> hostBlockSize { 0 };
    std::atomic<double> hostSampleRate { 0.0 };
    std::atomic<int> bufferSafetyMargin { 100 };
    std::atomic<double> unmuteTime { std::numeric_limits<double>::max() };
    std::atomic<bool> streamRestart { true };
    std::atomic<bool> released { true };
    std::atomic<bool> hostBufferMismatch { false };
    std::atomic<Clock*> clock { &Clock::system() };
    ProcessorJobPool jobs { kJobPoolThreads };
    FhAsyncDataWorker worker;
    Vantu::VantuInterface device;
    TransportSync transportSync;
    std::atomic<int> noteChannelFirst { 0 };
    std::atomic<int> noteChannelEnd { 0 };
    std::shared_ptr<SynthPluginState> pluginState;
    std::shared_ptr<GlobalPreferences> preferences;
    NotificationManager notificationManager;
    UpdateTimerProcessorLink updateTimerLink { *this };
    MachineDataUpdateTimer updateTimer;
    JUCE_DECLARE_WEAK_REFERENCEABLE (CommonAudioProcessor)
    SamplePublisher samplePublisher;
    juce::MidiKeyboardState keyboardState;
    KeyboardMerge keyboardMerge { keyboardState };
    HostOutputStage outputStage { busChannelMap, samplePublisher };
    std::atomic<int> pendingLatency { -1 };
    std::atomic<double> pendingDeviceToHostTarget { 0.0 };
    AudioThreadHandOff handOff { [this] { handOffPass(); } };
    bool deviceLayerStopped = false;

protected:
    // The routing entry of host input channel `input` (0..11), for the device layer.
    int inputRoutingEntry (int input) const noexcept { return audioExchange.routing.get (input); }
    InputRoutingTable& inputRoutingTable() noexcept { return audioExchange.routing; }

private:
    JUCE_DECLARE_NON_COPYABLE (CommonAudioProcessor)
};
