#include "engine/RemoteDeviceClient.h"

#include "engine/Job.h"
#include "foundation/Logger.h"
#include "platform/ThreadPriority.h"
#include "foundation/JobExecutor.h"

#include <algorithm>

namespace
{
constexpr int kAsyncDataThreadPriority = 7;

int strideForProduct (std::int32_t productId)
{
    return (productId == 4 || productId == 6 || productId == 8) ? 2 : 4;
}
} // namespace

RemoteDeviceClient::RemoteDeviceClient (std::set<int> productIds, std::shared_ptr<DeviceSelectionSettingsIfc> settings,
                                        std::unique_ptr<IpcAudioConnectionSignalling> signallingConnection,
                                        std::unique_ptr<IpcConnectionAsyncData> asyncDataConnection,
                                        std::unique_ptr<SharedMemoryAudioConnection> audioConnection,
                                        std::shared_ptr<RemoteIpcMessageConnectionIfc> channel, int engineBufferSize)
    : selectionSettings (std::move (settings)),
      signalling (std::move (signallingConnection)),
      asyncData (std::move (asyncDataConnection)),
      audio (std::move (audioConnection)),
      blockSize (engineBufferSize),
      deviceList (std::make_shared<FernhollowDeviceList> (std::move (productIds))),
      messageConnection (std::move (channel))
{
    characteristicsThread = std::make_unique<InternalThread> ("CharacteristicsChangedThread",
                                                              [this] { characteristicsLoop(); });
    characteristicsThread->startThread();
    asyncData->setClient (this);
    audio->setClient (this);
}

RemoteDeviceClient::~RemoteDeviceClient()
{
    if (started.load())
        stop();
    retryTimer.stopTimer();
    characteristicsThread->stopThread (kCharacteristicsThreadStopMs);
    pool.removeAllJobs (true, kJobWaitMs);
    audio->setClient (nullptr);
    asyncData->setClient (nullptr);
    audio.reset();
    asyncData.reset();
    signalling.reset();
    messageConnection.reset();
    deviceList.reset();
    characteristicsThread.reset();
}

void RemoteDeviceClient::start()
{
    if (started.load())
        return;
    deviceList->addChangeListener (this);
    selectionSettings->getSelectionBroadcaster().addChangeListener (this);
    deviceList->setMessageConnection (messageConnection);
    messageConnection->setHost (hostName.toStdString());
    messageConnection->addListener (this);
    messageConnection->connect();
    started = true;
}

void RemoteDeviceClient::stop()
{
    stopRequested = true;
    retryTimer.stopTimer();
    characteristicsThread->stopThread (kCharacteristicsThreadStopMs);
    messageConnection->disconnect();
    messageConnection->removeListener (this);
    {
        // A job may be inside an open: wait for it, then close what it opened.
        std::lock_guard lock (deviceMutex);
        closeDevice (isDeviceOpen());
    }
    selectionSettings->getSelectionBroadcaster().removeChangeListener (this);
    deviceList->removeChangeListener (this);
    acceptingJobs = false;
    waitForThreadPoolJobs (pool, kJobWaitMs);
    started = false;
}

void RemoteDeviceClient::postJob (const char* name, std::function<void()> work)
{
    if (! acceptingJobs.load())
    {
        FH_LOG (spdlog::level::err, "No more jobs are accepted");
        return;
    }
    pool.addJob (new Job (name, std::move (work)), true);
}

//==============================================================================
void RemoteDeviceClient::connectionLost (IpcConnection* connection)
{
    postJob ("DeviceConnectionLost", [this, connection] {
        if (connection == asyncData.get() || connection == signalling.get() || connection == audio.get())
        {
            FH_LOG (spdlog::level::info, "Device disconnected");
            closeDevice (true);
            // The device may still be there (only a connection went): open it again.
            retryDeviceUpdate();
        }
    });
}

void RemoteDeviceClient::changeListenerCallback (SafeChangeBroadcaster* source)
{
    bool follow = source == deviceList.get();
    if (source == &selectionSettings->getSelectionBroadcaster())
        follow = selectionSettings->isSelectionChange (source->lastMessage);
    if (follow)
        postJob ("UpdateSelectedDevice", [this] { updateSelectedDevice(); });
}

void RemoteDeviceClient::deviceAttached (std::uint64_t uid)
{
    FH_LOG (spdlog::level::info, "deviceUId {:x} was attached. Wanted device is {:x}", uid, selectedUid.load());
    postJob ("RefreshDeviceList", [this] { refreshDeviceList(); });
}

void RemoteDeviceClient::deviceDetached (std::uint64_t uid)
{
    FH_LOG (spdlog::level::info, "deviceUId {} was detached", uid);
    postJob ("DeviceDetached", [this, uid] {
        if (uid == selectedUid.load())
        {
            FH_LOG (spdlog::level::info, "The device we want was detached ({:x})", selectedUid.load());
            closeDevice (true);
        }
        refreshDeviceList();
    });
}

void RemoteDeviceClient::deviceDescriptionUpdated (std::uint64_t uid)
{
    FH_LOG (spdlog::level::info, "Device description updated for {:x}", uid);
    postJob ("RefreshDeviceList", [this] { refreshDeviceList(); });
}

void RemoteDeviceClient::connectionStateChanged (bool protocolOk)
{
    // An engine of another protocol version opens nothing: worth a warning.
    FH_LOG (protocolOk ? spdlog::level::info : spdlog::level::warn, "Connection connected, protocol version is {}",
            protocolOk ? "ok" : "NOT OK!");
    if (protocolOk)
        postJob ("RefreshDeviceList", [this] { refreshDeviceList(); });
}

void RemoteDeviceClient::refreshDeviceList()
{
    if (! deviceList->refresh())
        retryDeviceUpdate();
}

void RemoteDeviceClient::retryDeviceUpdate()
{
    if (acceptingJobs.load() && ! stopRequested.load() && ! retryTimer.isTimerRunning())
    {
        FH_LOG (spdlog::level::info, "Trying the device again in {} ms", kDeviceRetryIntervalMs);
        retryTimer.startTimer (kDeviceRetryIntervalMs);
    }
}

void RemoteDeviceClient::retryTimerCallback()
{
    // Done once a device is open; given up while the engine is gone (its return
    // refreshes the list by itself).
    const bool engineThere = messageConnection != nullptr
                          && messageConnection->getProtocolVersion() == kPluginProtocolVersion;
    if (! acceptingJobs.load() || stopRequested.load() || ! engineThere || isDeviceOpen())
    {
        retryTimer.stopTimer();
        return;
    }

    // One retry at a time: a list request may take its whole time-out.
    if (retryJobQueued.exchange (true))
        return;
    postJob ("RetryDeviceUpdate", [this] {
        retryJobQueued = false;
        if (! isDeviceOpen())
            refreshDeviceList();
    });
}

//==============================================================================
void RemoteDeviceClient::updateSelectedDevice()
{
    const auto stored = static_cast<std::uint64_t> (selectionSettings->getSelectedDeviceUid());
    if (stored != selectedUid.load())
    {
        if (isDeviceOpen())
            closeDevice (true);
        selectedUid = stored;
    }

    if (! isDeviceOpen() && isAnyConnectionUp())
    {
        // A connection of the open device went and the job that closes it is
        // queued: that close tries the device again. Opening now would meet the
        // rest of the device still connected.
        FH_LOG (spdlog::level::debug, "A device is still closing; its close tries it again");
        return;
    }

    if (! isDeviceOpen())
    {
        if (selectionSettings->isAutoSelectDeviceEnabled())
        {
            const auto chosen = autoSelectDevice();
            if (! chosen)
            {
                selectedUid = 0;
                if (selectionSettings->getSelectedDeviceUid() != 0)
                    selectionSettings->setSelectedDeviceUid (0);
                return;
            }
            selectedUid = *chosen;
            selectionSettings->setSelectedDeviceUid (static_cast<std::int64_t> (*chosen));
        }
        else
        {
            if (selectedUid.load() == 0)
                return;
            if (! openDevice (selectedUid.load()))
            {
                FH_LOG (spdlog::level::info, "Failed to open device {:x}", selectedUid.load());
                return;
            }
        }
    }

    if (const auto name = deviceList->getDeviceName (selectedUid.load()))
        selectionSettings->setSelectedDeviceName (*name);
}

std::optional<std::uint64_t> RemoteDeviceClient::autoSelectDevice()
{
    for (const auto& text : deviceList->getDeviceDescriptions())
        FH_LOG (spdlog::level::info, "{}", text);

    for (const auto uid : deviceList->getDeviceUids())
    {
        if (deviceList->hasDevice (uid) && deviceList->getNumberOfAudioClients (uid) != 0)
            continue;
        if (openDevice (uid))
        {
            FH_LOG (spdlog::level::info, "Auto-selected device {:x}", uid);
            return uid;
        }
        FH_LOG (spdlog::level::info, "Failed to open device {:x}", uid);
    }

    FH_LOG (spdlog::level::info, "No device available for auto-selection.");
    return std::nullopt;
}

bool RemoteDeviceClient::openDevice (std::uint64_t uid)
{
    std::lock_guard lock (deviceMutex);
    return openDeviceLocked (uid);
}

bool RemoteDeviceClient::openDeviceLocked (std::uint64_t uid)
{
    if (! started.load() || stopRequested.load())
    {
        FH_LOG (spdlog::level::err, "Device is not initialized.");
        return false;
    }
    if (isDeviceOpen())
    {
        FH_LOG (spdlog::level::err, "Device is already open.");
        return false;
    }
    if (uid == 0)
    {
        FH_LOG (spdlog::level::err, "No selected device uid.");
        return false;
    }
    if (! deviceList->hasDevice (uid))
    {
        FH_LOG (spdlog::level::err, "Device with uid {} is not in our list.", uid);
        return false;
    }
    if (deviceList->getProtocolVersion (uid) != deviceList->getRequiredProtocolVersion())
    {
        FH_LOG (spdlog::level::err, "Device is not running compatible OS Version for this version of Fernhollow.");
        return false;
    }
    if (deviceList->getNumberOfAudioClients (uid) != 0)
    {
        FH_LOG (spdlog::level::err, "Device is already streaming audio to another client!");
        return false;
    }

    pluginDataStride = strideForProduct (deviceList->getProductId (uid));

    if (messageConnection == nullptr)
    {
        FH_LOG (spdlog::level::err, "No ipc message connection!");
        return false;
    }

    // From here on a failure is the engine's (no answer, no ports, no shared
    // block): the device is listed and free, so it is tried again.
    DeviceConnectionData connection;
    if (! messageConnection->requestDeviceConnection (uid, connection))
    {
        FH_LOG (spdlog::level::err, "Device connection request failed! DeviceConnectionData: {}",
                describeDeviceConnectionData (connection));
        retryDeviceUpdate();
        return false;
    }
    FH_LOG (spdlog::level::info, "Device connection request successful. DeviceConnectionData: {}",
            describeDeviceConnectionData (connection));

    if (connection.audioPort < 0)
    {
        FH_LOG (spdlog::level::err, "Device is not available");
        retryDeviceUpdate();
        return false;
    }

    auto failSockets = [this] {
        FH_LOG (spdlog::level::err, "Could not connect to IPC server!");
        closeDevice (false);
        retryDeviceUpdate();
        return false;
    };

    asyncData->addListener (this);
    if (! asyncData->getSocket().connect (hostName, connection.pluginAsyncPort))
        return failSockets();
    asyncData->notifyConnectionResult (asyncData->getConnectResult());
    asyncData->startThread (threadPriorityFromLevel (kAsyncDataThreadPriority));

    signalling->addListener (this);
    if (! signalling->getSocket().connect (hostName, connection.audioPort))
        return failSockets();
    signalling->notifyConnectionResult (signalling->getConnectResult());

    audio->addListener (this);
    if (! audio->connect (connection.audioStreamId))
    {
        FH_LOG (spdlog::level::err, "Could not connect to shared memory!");
        closeDevice (false);
        retryDeviceUpdate();
        return false;
    }

    audio->startAudioThread();

    if (auto* listener = deviceListener.load())
        listener->deviceOpened();

    FH_LOG (spdlog::level::info, "Opened device with UID={:x}", uid);
    return true;
}

void RemoteDeviceClient::closeDevice (bool notify)
{
    std::lock_guard lock (deviceMutex);
    FH_LOG (spdlog::level::info, "Closing device");

    audio->removeListener (this);
    signalling->removeListener (this);
    asyncData->removeListener (this);

    if (audio->isConnected())
    {
        audio->stopAudioThread();
        audio->reportConnectionLost();
    }

    signalling->stop();
    asyncData->stop();

    if (notify)
        if (auto* listener = deviceListener.load())
            listener->deviceClosed();
}

bool RemoteDeviceClient::isDeviceOpen() const
{
    if (! started.load())
    {
        FH_LOG (spdlog::level::err, "Device is not initialized.");
        return false;
    }
    return asyncData->isConnected() && (audio->isConnected() || signalling->isConnected());
}

bool RemoteDeviceClient::isAnyConnectionUp() const
{
    return asyncData->isConnected() || signalling->isConnected() || audio->isConnected();
}

bool RemoteDeviceClient::isSelectedDeviceListed() const
{
    if (! started.load())
    {
        FH_LOG (spdlog::level::err, "Device is not initialized.");
        return false;
    }
    return deviceList->hasDevice (selectedUid.load());
}

bool RemoteDeviceClient::sendAsyncData (const std::uint8_t* data, unsigned length)
{
    if (! started.load())
    {
        FH_LOG (spdlog::level::err, "Device is not initialized.");
        return false;
    }
    if (! asyncData->isConnected())
        return false;
    return asyncData->getSocket().write (data, static_cast<int> (length));
}

std::uint32_t RemoteDeviceClient::connectionGeneration() const
{
    return asyncData->getSocket().getConnectionGeneration();
}

void RemoteDeviceClient::asyncDataReceived (IpcConnectionAsyncData*, const std::vector<std::uint8_t>& payload)
{
    if (auto* listener = deviceListener.load())
        listener->asyncDataReceived (payload.data(), static_cast<int> (payload.size()));
}

//==============================================================================
// Audio thread: no lock, no allocation, no logging.
void RemoteDeviceClient::streamCharacteristicsChanged (IpcConnectionAudioDataCommon*, std::uint16_t newBlockSize,
                                                       std::uint16_t newStreamValue2)
{
    latestCharacteristics = static_cast<std::uint64_t> (newBlockSize) | (static_cast<std::uint64_t> (newStreamValue2) << 32);
    pendingCharacteristics.fetch_add (1);
    characteristicsThread->notify();
}

void RemoteDeviceClient::audioBlockReceived (IpcConnectionAudioDataCommon*, SharedMemoryAudioData* block)
{
    if (pendingCharacteristics.load() != 0)
        return;

    const double timeStamp = block->timeStampMs;
    // The connection has checked the block; each value is still read once and bounded,
    // so that nothing the engine rewrites meanwhile can index past the block.
    const int samples = std::min<int> (block->blockSize, SharedMemoryAudioData::kMaxSamples);
    auto* listener = deviceListener.load();
    if (samples == 0 || listener == nullptr)
        return;

    const int stride = pluginDataStride.load();
    if (samples * stride <= SharedMemoryAudioData::kPluginDataBytes)
        listener->fillPluginData (block->pluginData,
                                  std::clamp<int> (block->pluginDataCapacity, 0, SharedMemoryAudioData::kPluginDataBytes),
                                  samples, stride);

    const int numDevice = std::min<int> (block->numDeviceChannels, SharedMemoryAudioData::kMaxDeviceChannels);
    const int numHost = std::min<int> (block->numHostChannels, SharedMemoryAudioData::kMaxHostChannels);

    const float gain = outputGain.load();
    if (gain != 1.0f)
        for (int ch = 0; ch < numDevice; ++ch)
            for (int i = 0; i < samples; ++i)
                block->deviceChannels[ch][i] *= gain;

    for (int ch = 0; ch < numDevice; ++ch)
        deviceChannelPointers[ch] = block->deviceChannels[ch];
    for (int ch = 0; ch < numHost; ++ch)
        hostChannelPointers[ch] = block->hostChannels[ch];

    listener->audioBlockReceived (deviceChannelPointers, numDevice, hostChannelPointers, numHost, samples, timeStamp);
    listener->engineDataReceived (block->engineData,
                                  std::clamp<int> (block->engineDataLength, 0, SharedMemoryAudioData::kEngineDataBytes));
}

// "CharacteristicsChangedThread": reports stream changes off the audio thread.
void RemoteDeviceClient::characteristicsLoop()
{
    auto& thread = *characteristicsThread;
    while (! thread.threadShouldExit())
    {
        thread.wait (-1);
        while (pendingCharacteristics.load() > 0 && ! thread.threadShouldExit())
        {
            const auto pair = latestCharacteristics.load();
            const int newBlockSize = static_cast<int> (pair & 0xffffffffu);
            const int newValue2 = static_cast<int> (pair >> 32);

            if (newBlockSize != 0 && newBlockSize != blockSize.load() && ! audio->isStopping())
            {
                std::unique_lock<std::recursive_mutex> attempt (audio->getAudioThreadMutex(), std::try_to_lock);
                if (! attempt.owns_lock())
                    FH_LOG (spdlog::level::warn, "Failed to lock mutex before setting thread priority, maybe we are being "
                                                 "stopped. Thread priority not set.");
            }

            blockSize = newBlockSize;
            streamValue2 = newValue2;

            if (auto* listener = deviceListener.load())
                listener->streamCharacteristicsChanged();

            if (pendingCharacteristics.fetch_sub (1) - 1 == 0)
                break;
        }
    }
}
