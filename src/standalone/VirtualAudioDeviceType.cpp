#include "standalone/VirtualAudioDeviceType.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace corvanel
{
namespace
{
constexpr float tonePeak = 0.1f;
// A late callback is followed by the ones it delayed at once, so the device keeps its
// rate as a real one does; only after a stall this long (a suspended machine) does it
// start its clock afresh instead of calling back in a burst.
constexpr double maxSecondsBehind = 1.0;

// One setting of the environment text: its key, and how it is applied (false: out of range).
struct OptionSetting
{
    const char* key;
    std::function<bool (VirtualAudioDeviceOptions&, const juce::String&)> apply;
};

bool isNumber (const juce::String& text)
{
    return text.isNotEmpty() && text.containsOnly ("0123456789.-+eE");
}

const std::vector<OptionSetting>& optionSettings()
{
    static const std::vector<OptionSetting> settings {
        { "rate", [] (auto& o, const auto& v) { return isNumber (v) && (o.sampleRate = v.getDoubleValue()) >= 8000.0 && o.sampleRate <= 384000.0; } },
        { "block", [] (auto& o, const auto& v) { return isNumber (v) && (o.blockSize = v.getIntValue()) >= 16 && o.blockSize <= 8192; } },
        { "drift", [] (auto& o, const auto& v) { return isNumber (v) && std::abs (o.clockDriftPpm = v.getDoubleValue()) <= 10000.0; } },
        { "outputs", [] (auto& o, const auto& v) { return isNumber (v) && (o.numOutputChannels = v.getIntValue()) >= 0 && o.numOutputChannels <= 64; } },
        { "inputs", [] (auto& o, const auto& v) { return isNumber (v) && (o.numInputChannels = v.getIntValue()) >= 0 && o.numInputChannels <= 64; } },
        { "tone", [] (auto& o, const auto& v) { return isNumber (v) && (o.inputToneHz = v.getDoubleValue()) >= 0.0 && o.inputToneHz < 20000.0; } },
        { "fail", [] (auto& o, const auto& v) { o.failToOpen = v.getIntValue() != 0; return v == "0" || v == "1"; } },
        { "panel", [] (auto& o, const auto& v) { o.hasControlPanel = v.getIntValue() != 0; return v == "0" || v == "1"; } },
        { "wav", [] (auto& o, const auto& v) { o.outputRecording = juce::File::isAbsolutePath (v) ? juce::File (v) : juce::File(); return o.outputRecording != juce::File(); } },
    };
    return settings;
}

juce::StringArray channelNames (const char* prefix, int count)
{
    juce::StringArray names;
    for (int i = 0; i < count; ++i)
        names.add (juce::String (prefix) + " " + juce::String (i + 1));
    return names;
}

// The first `available` bits of `wanted`.
juce::BigInteger limitChannels (const juce::BigInteger& wanted, int available)
{
    juce::BigInteger result = wanted;
    result.setRange (available, std::max (0, result.getHighestBit() + 1 - available), false);
    return result;
}
} // namespace

VirtualAudioDeviceOptions VirtualAudioDeviceOptions::fromText (const juce::String& text, juce::StringArray* errors)
{
    VirtualAudioDeviceOptions result;
    if (! text.contains ("="))
        return result;

    for (const auto& item : juce::StringArray::fromTokens (text, ",", ""))
    {
        const auto key = item.upToFirstOccurrenceOf ("=", false, false).trim();
        const auto value = item.fromFirstOccurrenceOf ("=", false, false).trim();
        const auto& settings = optionSettings();
        const auto setting = std::find_if (settings.begin(), settings.end(),
                                           [&] (const OptionSetting& s) { return key == s.key; });
        if (setting == settings.end())
        {
            if (errors != nullptr)
                errors->add ("unknown setting '" + key + "'");
            continue;
        }
        auto changed = result;
        if (setting->apply (changed, value))
            result = changed;
        else if (errors != nullptr)
            errors->add ("'" + value + "' is no valid value of '" + key + "'");
    }
    return result;
}

//==============================================================================
VirtualAudioDeviceType::VirtualAudioDeviceType (VirtualAudioDeviceOptions initialOptions)
    : juce::AudioIODeviceType (typeName), options (std::move (initialOptions))
{
}

VirtualAudioDeviceType::~VirtualAudioDeviceType() = default;

VirtualAudioDeviceType& VirtualAudioDeviceType::addTo (juce::AudioDeviceManager& manager,
                                                       VirtualAudioDeviceOptions deviceOptions)
{
    auto type = std::make_unique<VirtualAudioDeviceType> (std::move (deviceOptions));
    auto& added = *type;
    manager.addAudioDeviceType (std::move (type));
    manager.setCurrentAudioDeviceType (typeName, true);
    return added;
}

bool VirtualAudioDeviceType::isRequestedByEnvironment()
{
    const auto* value = std::getenv (environmentVariable);
    return value != nullptr && *value != '\0' && juce::String (value) != "0";
}

VirtualAudioDeviceOptions VirtualAudioDeviceType::optionsFromEnvironment (juce::StringArray* errors)
{
    const auto* value = std::getenv (environmentVariable);
    return VirtualAudioDeviceOptions::fromText (value != nullptr ? juce::String (value) : juce::String(), errors);
}

void VirtualAudioDeviceType::setOptions (const VirtualAudioDeviceOptions& newOptions)
{
    const std::lock_guard<std::mutex> lock (mutex);
    options = newOptions;
}

VirtualAudioDeviceOptions VirtualAudioDeviceType::getOptions() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return options;
}

void VirtualAudioDeviceType::unplug()
{
    pluggedIn = false;
    if (auto* device = getOpenDevice())
        device->pull();
}

void VirtualAudioDeviceType::plugBackIn()
{
    pluggedIn = true;
}

VirtualAudioDeviceType::Device* VirtualAudioDeviceType::getOpenDevice() const
{
    const std::lock_guard<std::mutex> lock (mutex);
    return openDevice;
}

juce::StringArray VirtualAudioDeviceType::getDeviceNames (bool) const
{
    return { deviceName };
}

int VirtualAudioDeviceType::getDefaultDeviceIndex (bool) const
{
    return 0;
}

int VirtualAudioDeviceType::getIndexOfDevice (juce::AudioIODevice* device, bool) const
{
    return device != nullptr && device->getName() == deviceName ? 0 : -1;
}

juce::AudioIODevice* VirtualAudioDeviceType::createDevice (const juce::String& outputDeviceName,
                                                            const juce::String& inputDeviceName)
{
    // The device is one piece: either name picks it, an unknown name picks nothing.
    const bool named = outputDeviceName == deviceName || inputDeviceName == deviceName;
    const bool unknown = (outputDeviceName.isNotEmpty() && outputDeviceName != deviceName)
                         || (inputDeviceName.isNotEmpty() && inputDeviceName != deviceName);
    if (! named || unknown)
        return nullptr;
    return new Device (*this, getOptions());
}

void VirtualAudioDeviceType::deviceOpened (Device* device)
{
    const std::lock_guard<std::mutex> lock (mutex);
    openDevice = device;
}

void VirtualAudioDeviceType::deviceClosed (Device* device)
{
    const std::lock_guard<std::mutex> lock (mutex);
    if (openDevice == device)
        openDevice = nullptr;
}

//==============================================================================
VirtualAudioDeviceType::Device::Device (VirtualAudioDeviceType& owner, VirtualAudioDeviceOptions deviceOptions)
    : juce::AudioIODevice (VirtualAudioDeviceType::deviceName, VirtualAudioDeviceType::typeName), type (owner), options (std::move (deviceOptions))
{
}

VirtualAudioDeviceType::Device::~Device()
{
    close();
}

juce::StringArray VirtualAudioDeviceType::Device::getOutputChannelNames()
{
    return channelNames ("Output", options.numOutputChannels);
}

juce::StringArray VirtualAudioDeviceType::Device::getInputChannelNames()
{
    return channelNames ("Input", options.numInputChannels);
}

juce::Array<double> VirtualAudioDeviceType::Device::getAvailableSampleRates()
{
    // The chosen rate only: a device manager left to choose would pick another one.
    return { options.sampleRate };
}

juce::Array<int> VirtualAudioDeviceType::Device::getAvailableBufferSizes()
{
    juce::Array<int> sizes { 32, 64, 128, 256, 480, 512, 1024, 2048 };
    sizes.addIfNotAlreadyThere (options.blockSize);
    std::sort (sizes.begin(), sizes.end());
    return sizes;
}

juce::String VirtualAudioDeviceType::Device::open (const juce::BigInteger& inputChannels,
                                                   const juce::BigInteger& outputChannels, double rate,
                                                   int bufferSizeSamples)
{
    close();
    if (! type.isPluggedIn())
        return lastError = unpluggedMessage;
    if (options.failToOpen)
        return lastError = openFailureMessage;

    sampleRate = rate > 0.0 ? rate : options.sampleRate;
    bufferSize = bufferSizeSamples > 0 ? bufferSizeSamples : options.blockSize;
    activeInputs = limitChannels (inputChannels, options.numInputChannels);
    activeOutputs = limitChannels (outputChannels, options.numOutputChannels);
    inputBuffer.setSize (std::max (1, options.numInputChannels), bufferSize);
    outputBuffer.setSize (std::max (1, options.numOutputChannels), bufferSize);
    inputBuffer.clear();
    outputBuffer.clear();
    tonePhase = 0.0;

    if (options.outputRecording != juce::File() && options.numOutputChannels > 0)
    {
        options.outputRecording.deleteFile();
        if (auto stream = options.outputRecording.createOutputStream())
        {
            juce::WavAudioFormat wav;
            const auto channels = static_cast<unsigned int> (options.numOutputChannels);
            recording.reset (wav.createWriterFor (stream.get(), sampleRate, channels, 24, {}, 0));
            if (recording != nullptr)
                stream.release();   // the writer owns it now
        }
    }

    lastError = {};
    opened = true;
    type.deviceOpened (this);
    return {};
}

void VirtualAudioDeviceType::Device::close()
{
    stop();
    if (! opened)
        return;
    opened = false;
    recording.reset();   // completes the WAV header
    type.deviceClosed (this);
}

void VirtualAudioDeviceType::Device::start (juce::AudioIODeviceCallback* newCallback)
{
    if (! opened || newCallback == nullptr || running.load())
        return;
    callback = newCallback;
    callback->audioDeviceAboutToStart (this);
    blocksRun = 0;
    framesRun = 0;
    keepRunning = true;
    running = true;
    thread = std::make_unique<std::thread> ([this] { run(); });
}

void VirtualAudioDeviceType::Device::stop()
{
    stopThread();
    if (auto* old = std::exchange (callback, nullptr))
        old->audioDeviceStopped();
}

void VirtualAudioDeviceType::Device::pull()
{
    stop();
}

void VirtualAudioDeviceType::Device::stopThread()
{
    keepRunning = false;
    if (thread != nullptr && thread->joinable())
        thread->join();
    thread.reset();
    running = false;
}

bool VirtualAudioDeviceType::Device::showControlPanel()
{
    ++type.controlPanelRequests;
    return false;
}

void VirtualAudioDeviceType::Device::run()
{
    using clock = std::chrono::steady_clock;
    const double framesPerSecond = sampleRate * (1.0 + options.clockDriftPpm * 1.0e-6);
    const auto period = std::chrono::duration<double> (bufferSize / framesPerSecond);
    const int numInputs = options.numInputChannels;
    const int numOutputs = options.numOutputChannels;
    const double phaseStep = juce::MathConstants<double>::twoPi * options.inputToneHz / sampleRate;

    // The callback sees the active channels only, packed, as the framework's devices pass them.
    std::vector<const float*> inputs;
    std::vector<float*> outputs;
    for (int c = 0; c < numInputs; ++c)
        if (activeInputs[c])
            inputs.push_back (inputBuffer.getReadPointer (c));
    for (int c = 0; c < numOutputs; ++c)
        if (activeOutputs[c])
            outputs.push_back (outputBuffer.getWritePointer (c));
    std::vector<const float*> allOutputs;
    for (int c = 0; c < numOutputs; ++c)
        allOutputs.push_back (outputBuffer.getReadPointer (c));

    auto origin = clock::now();
    std::int64_t block = 0;
    while (keepRunning.load())
    {
        auto deadline = origin + std::chrono::duration_cast<clock::duration> (period * static_cast<double> (block + 1));
        const auto now = clock::now();
        if (now - deadline > std::chrono::duration<double> (maxSecondsBehind))
        {
            origin = now;
            block = 0;
            deadline = origin + std::chrono::duration_cast<clock::duration> (period);
        }
        std::this_thread::sleep_until (deadline);
        if (! keepRunning.load())
            break;

        for (int c = 0; c < numInputs; ++c)
        {
            auto* data = inputBuffer.getWritePointer (c);
            if (options.inputToneHz > 0.0 && activeInputs[c])
                for (int i = 0; i < bufferSize; ++i)
                    data[i] = tonePeak * static_cast<float> (std::sin (tonePhase + phaseStep * i));
            else
                juce::FloatVectorOperations::clear (data, bufferSize);
        }
        tonePhase = std::fmod (tonePhase + phaseStep * bufferSize, juce::MathConstants<double>::twoPi);
        outputBuffer.clear();

        const auto hostTimeNs = static_cast<std::uint64_t> (
            std::chrono::duration_cast<std::chrono::nanoseconds> (deadline.time_since_epoch()).count());
        juce::AudioIODeviceCallbackContext context;
        context.hostTimeNs = &hostTimeNs;
        callback->audioDeviceIOCallbackWithContext (inputs.data(), static_cast<int> (inputs.size()), outputs.data(),
                                                    static_cast<int> (outputs.size()), bufferSize, context);
        if (recording != nullptr)
            recording->writeFromFloatArrays (allOutputs.data(), numOutputs, bufferSize);

        ++block;
        ++blocksRun;
        framesRun += bufferSize;
    }
}
} // namespace corvanel
