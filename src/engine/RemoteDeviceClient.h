#pragma once

#include "engine/DeviceSelectionSettingsIfc.h"
#include "engine/FernhollowDeviceList.h"
#include "engine/IpcAsyncOutputStream.h"
#include "engine/IpcAudioConnectionSignalling.h"
#include "engine/IpcConnectionAsyncData.h"
#include "engine/RemoteIpcMessageConnectionIfc.h"
#include "engine/SharedMemoryAudioConnection.h"
#include "foundation/InternalThread.h"
#include "foundation/SafeChangeBroadcaster.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>


// The processor's gateway to the engine: follows the engine's device reports, chooses
// a device (the stored one, or the first free one), opens it (asynchronous data,
// audio signalling, shared audio) and closes it again, and hands everything that
// arrives to one DeviceListener. Every decision that may block runs as a job on the
// client's own pool of one thread, so decisions never overlap.
class RemoteDeviceClient : public IpcConnection::ConnectionListener,
                           public IpcConnectionAudioDataCommon::Client,
                           public IpcConnectionAsyncData::Client,
                           public SafeChangeListener,
                           public IpcAsyncOutputStream::AsyncInterface,
                           public RemoteIpcMessageConnectionIfc::Listener
{
public:
    // Implemented by the processor. Every operation returns promptly and throws nothing.
    class DeviceListener
    {
    public:
        virtual ~DeviceListener() = default;
        // Job thread.
        virtual void deviceOpened() = 0;
        // Job thread, or the thread that calls stop.
        virtual void deviceClosed() = 0;
        // Characteristics thread; read getBlockSize and getStreamValue2.
        virtual void streamCharacteristicsChanged() = 0;
        // Audio thread: reads the device channels, writes the host channels in place.
        virtual void audioBlockReceived (float* const* deviceChannels, int numDeviceChannels, float* const* hostChannels,
                                         int numHostChannels, int numSamples, double timeStampMs) = 0;
        // Audio thread.
        virtual void engineDataReceived (const std::uint8_t* data, int length) = 0;
        // Audio thread.
        virtual void fillPluginData (std::uint8_t* data, int capacity, int numSamples, int stride) = 0;
        // "Async data IPC Client" thread.
        virtual void asyncDataReceived (const std::uint8_t* data, int length) = 0;
    };

    static constexpr int kCharacteristicsThreadStopMs = 6000;
    static constexpr int kJobWaitMs = 6000;
    // After a lost data socket, a failed list request or an open the engine
    // refused, the device update runs again this often (the message channel's own
    // retry period) until a device is open or the engine is gone.
    static constexpr int kDeviceRetryIntervalMs = 1000;

    RemoteDeviceClient (std::set<int> supportedProductIds, std::shared_ptr<DeviceSelectionSettingsIfc> selectionSettings,
                        std::unique_ptr<IpcAudioConnectionSignalling> signalling,
                        std::unique_ptr<IpcConnectionAsyncData> asyncData,
                        std::unique_ptr<SharedMemoryAudioConnection> audio,
                        std::shared_ptr<RemoteIpcMessageConnectionIfc> messageConnection, int engineBufferSize);
    ~RemoteDeviceClient() override;

    // Message thread; each once in the client's life.
    void start();
    void stop();

    void setDeviceListener (DeviceListener* listener) { deviceListener = listener; }
    void setOutputGain (float gain) { outputGain = gain; }

    std::shared_ptr<FernhollowDeviceList> getDeviceList() const { return deviceList; }
    std::shared_ptr<RemoteIpcMessageConnectionIfc> getMessageConnection() const { return messageConnection; }
    std::uint64_t getSelectedDeviceUid() const { return selectedUid.load(); }
    bool isStarted() const { return started.load(); }
    int getBlockSize() const { return blockSize.load(); }
    int getStreamValue2() const { return streamValue2.load(); }
    int getPluginDataStride() const { return pluginDataStride.load(); }

    // Job thread (open and close are also held apart by their own lock).
    bool openDevice (std::uint64_t uid);
    void closeDevice (bool notify);

    // Any thread.
    bool isDeviceOpen() const;
    bool isSelectedDeviceListed() const;
    bool sendAsyncData (const std::uint8_t* data, unsigned length) override;
    std::uint32_t connectionGeneration() const override;

    // Work posted on the client's job thread (tests wait for it to drain).
    int getNumPendingJobs() const { return pool.getNumJobs(); }

private:
    // IpcConnection::ConnectionListener
    void connectionResult (IpcConnection*, bool) override {}
    void connectionLost (IpcConnection* connection) override;
    // IpcConnectionAudioDataCommon::Client (audio thread)
    void streamCharacteristicsChanged (IpcConnectionAudioDataCommon*, std::uint16_t blockSize,
                                       std::uint16_t streamValue2) override;
    void audioBlockReceived (IpcConnectionAudioDataCommon*, SharedMemoryAudioData* block) override;
    // IpcConnectionAsyncData::Client
    void asyncDataReceived (IpcConnectionAsyncData*, const std::vector<std::uint8_t>& payload) override;
    // SafeChangeListener (message thread)
    void changeListenerCallback (SafeChangeBroadcaster* source) override;
    // RemoteIpcMessageConnectionIfc::Listener (message channel reader thread)
    void deviceAttached (std::uint64_t uid) override;
    void deviceDetached (std::uint64_t uid) override;
    void deviceDescriptionUpdated (std::uint64_t uid) override;
    void valueMessageReceived (std::uint32_t) override {}
    void connectionStateChanged (bool protocolOk) override;
    void disconnected() override {}

    void postJob (const char* name, std::function<void()> work);
    // Whether any of the device's three connections still stands (any thread).
    bool isAnyConnectionUp() const;
    // Job thread: fetches the device list; a failed fetch starts the retry.
    void refreshDeviceList();
    // Any thread: the device update is tried again every kDeviceRetryIntervalMs.
    void retryDeviceUpdate();
    void retryTimerCallback();   // message thread
    void updateSelectedDevice();
    std::optional<std::uint64_t> autoSelectDevice();
    bool openDeviceLocked (std::uint64_t uid);
    void characteristicsLoop();

    juce::ThreadPool pool { 1 };
    std::atomic<bool> acceptingJobs { true };
    std::atomic<int> pluginDataStride { 4 };
    std::shared_ptr<DeviceSelectionSettingsIfc> selectionSettings;
    std::unique_ptr<IpcAudioConnectionSignalling> signalling;
    std::unique_ptr<IpcConnectionAsyncData> asyncData;
    std::unique_ptr<SharedMemoryAudioConnection> audio;
    std::atomic<int> blockSize;
    std::atomic<int> streamValue2 { 0 };
    std::shared_ptr<FernhollowDeviceList> deviceList;
    std::shared_ptr<RemoteIpcMessageConnectionIfc> messageConnection;
    std::atomic<std::uint64_t> selectedUid { 0 };
    std::atomic<bool> started { false };
    std::atomic<bool> stopRequested { false };
    float* deviceChannelPointers[SharedMemoryAudioData::kMaxDeviceChannels] {};
    float* hostChannelPointers[SharedMemoryAudioData::kMaxHostChannels] {};
    std::atomic<float> outputGain { 1.0f };
    std::atomic<DeviceListener*> deviceListener { nullptr };
    const juce::String hostName { "127.0.0.1" };

    // Open and close never run at once: stop closes on the message thread while a
    // job may still be opening.
    std::recursive_mutex deviceMutex;

    struct RetryTimer : public juce::Timer
    {
        explicit RetryTimer (RemoteDeviceClient& c) : client (c) {}
        void timerCallback() override { client.retryTimerCallback(); }
        RemoteDeviceClient& client;
    };
    RetryTimer retryTimer { *this };
    std::atomic<bool> retryJobQueued { false };

    std::atomic<int> pendingCharacteristics { 0 };
    std::atomic<std::uint64_t> latestCharacteristics { 0 };
    std::unique_ptr<InternalThread> characteristicsThread;
};
