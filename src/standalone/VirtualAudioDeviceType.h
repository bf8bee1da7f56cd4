#pragma once

#include <juce_audio_devices/juce_audio_devices.h>
#include <juce_audio_formats/juce_audio_formats.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace corvanel
{
// What the virtual audio device does when it opens.
struct VirtualAudioDeviceOptions
{
    double sampleRate = 48000.0;   // the nominal rate the device offers and opens at by default
    int blockSize = 256;           // the default block size; any positive size can be opened
    double clockDriftPpm = 0.0;    // the device's clock runs this many millionths fast (negative: slow)
    int numOutputChannels = 2;
    int numInputChannels = 2;
    double inputToneHz = 0.0;      // inputs carry a sine of this frequency at 0.1 peak; 0: silence
    bool failToOpen = false;       // every open fails with openFailureMessage
    bool hasControlPanel = false;  // the device claims a control panel (showing it changes nothing)
    juce::File outputRecording;    // when set, what the device plays is written here as a 24-bit WAV

    // The options named by the text of FERNHOLLOW_VIRTUAL_AUDIO: "1" (or any text
    // without "=") for the defaults, or comma-separated settings such as
    // "rate=44100,block=1024,drift=50,outputs=2,inputs=2,tone=440,wav=/tmp/out.wav,fail=1,panel=1".
    // A setting that is unknown or out of range is named in `errors` and left at its default.
    static VirtualAudioDeviceOptions fromText (const juce::String& text, juce::StringArray* errors = nullptr);
};

// An audio device type of the program's own for machines without a sound card:
// one device ("Virtual Device") whose callback runs from a thread of its own at
// the chosen rate and block size, paced by the system clock with the chosen drift.
//
// A test (or the program, when FERNHOLLOW_VIRTUAL_AUDIO is set) selects it with
// addTo(), which adds the type to a device manager and makes it the current type.
// The type's controls (message thread) let a test pull the device like an
// unplugged interface and put it back, make opening fail, and read how often the
// device ran.
class VirtualAudioDeviceType final : public juce::AudioIODeviceType
{
public:
    static constexpr const char* typeName = "Virtual";
    static constexpr const char* deviceName = "Virtual Device";
    static constexpr const char* environmentVariable = "FERNHOLLOW_VIRTUAL_AUDIO";
    static constexpr const char* openFailureMessage = "The virtual device refused to open";
    static constexpr const char* unpluggedMessage = "The virtual device is unplugged";

    explicit VirtualAudioDeviceType (VirtualAudioDeviceOptions options = {});
    ~VirtualAudioDeviceType() override;

    // Adds a new virtual type to the manager, makes it the manager's current type and
    // opens its device with the manager's default setup (0 inputs unless the manager
    // asks for more, 2 outputs). The manager owns the type; the reference stays
    // valid for the manager's lifetime. Message thread.
    static VirtualAudioDeviceType& addTo (juce::AudioDeviceManager& manager, VirtualAudioDeviceOptions options = {});

    // Whether FERNHOLLOW_VIRTUAL_AUDIO asks for the virtual device, and its options.
    static bool isRequestedByEnvironment();
    static VirtualAudioDeviceOptions optionsFromEnvironment (juce::StringArray* errors = nullptr);

    //==============================================================================
    // Controls (message thread).
    // The options the next opened device uses (a running device keeps its own).
    void setOptions (const VirtualAudioDeviceOptions& newOptions);
    VirtualAudioDeviceOptions getOptions() const;

    // Pulled: the running device stops calling back and tells its callback that it
    // stopped, as an interface that was unplugged; until it is put back every open
    // fails with unpluggedMessage. The device stays listed, as a driver that lost
    // its hardware does.
    void unplug();
    void plugBackIn();
    bool isPluggedIn() const noexcept { return pluggedIn.load(); }

    // The device that is open now (null when none), for tests that read its counters.
    class Device;
    Device* getOpenDevice() const;
    // How often a device's control panel was asked for.
    int getControlPanelRequests() const noexcept { return controlPanelRequests.load(); }

    //==============================================================================
    // juce::AudioIODeviceType
    void scanForDevices() override {}
    juce::StringArray getDeviceNames (bool wantInputNames = false) const override;
    int getDefaultDeviceIndex (bool forInput) const override;
    int getIndexOfDevice (juce::AudioIODevice* device, bool asInput) const override;
    bool hasSeparateInputsAndOutputs() const override { return false; }
    juce::AudioIODevice* createDevice (const juce::String& outputDeviceName,
                                       const juce::String& inputDeviceName) override;

private:
    friend class Device;
    void deviceOpened (Device*);
    void deviceClosed (Device*);

    mutable std::mutex mutex;   // guards options and openDevice (message thread and device destruction)
    VirtualAudioDeviceOptions options;
    Device* openDevice = nullptr;
    std::atomic<bool> pluggedIn { true };
    std::atomic<int> controlPanelRequests { 0 };
};

// One virtual device. Its thread calls the callback; everything else runs on the
// message thread (open, close, start, stop), as the device manager calls them.
class VirtualAudioDeviceType::Device final : public juce::AudioIODevice
{
public:
    Device (VirtualAudioDeviceType& type, VirtualAudioDeviceOptions options);
    ~Device() override;

    // Blocks the device has run since it started, and the frames it played.
    std::int64_t getBlocksRun() const noexcept { return blocksRun.load(); }
    std::int64_t getFramesRun() const noexcept { return framesRun.load(); }

    // The type's unplug: stops the thread and tells the callback (message thread).
    void pull();

    //==============================================================================
    // juce::AudioIODevice
    juce::StringArray getOutputChannelNames() override;
    juce::StringArray getInputChannelNames() override;
    juce::Array<double> getAvailableSampleRates() override;
    juce::Array<int> getAvailableBufferSizes() override;
    int getDefaultBufferSize() override { return options.blockSize; }
    juce::String open (const juce::BigInteger& inputChannels, const juce::BigInteger& outputChannels,
                       double sampleRate, int bufferSizeSamples) override;
    void close() override;
    bool isOpen() override { return opened; }
    void start (juce::AudioIODeviceCallback* callback) override;
    void stop() override;
    bool isPlaying() override { return running.load(); }
    juce::String getLastError() override { return lastError; }
    int getCurrentBufferSizeSamples() override { return bufferSize; }
    double getCurrentSampleRate() override { return sampleRate; }
    int getCurrentBitDepth() override { return 32; }
    juce::BigInteger getActiveOutputChannels() const override { return activeOutputs; }
    juce::BigInteger getActiveInputChannels() const override { return activeInputs; }
    int getOutputLatencyInSamples() override { return bufferSize; }
    int getInputLatencyInSamples() override { return bufferSize; }
    bool hasControlPanel() const override { return options.hasControlPanel; }
    bool showControlPanel() override;

private:
    // The device's thread: one callback per block, paced by the drifting clock.
    void run();
    void stopThread();

    VirtualAudioDeviceType& type;
    const VirtualAudioDeviceOptions options;
    bool opened = false;
    juce::String lastError;
    double sampleRate = 0.0;
    int bufferSize = 0;
    juce::BigInteger activeInputs, activeOutputs;
    juce::AudioBuffer<float> inputBuffer, outputBuffer;
    std::unique_ptr<juce::AudioFormatWriter> recording;
    juce::AudioIODeviceCallback* callback = nullptr;
    std::atomic<bool> running { false };
    std::atomic<bool> keepRunning { false };
    std::atomic<std::int64_t> blocksRun { 0 }, framesRun { 0 };
    double tonePhase = 0.0;
    std::unique_ptr<std::thread> thread;
};
} // namespace corvanel
