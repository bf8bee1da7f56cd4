#include "engine/SharedMemoryAudioConnection.h"

#include "foundation/Logger.h"
#include "foundation/ScopedThreadCharacteristics.h"

namespace
{
constexpr int kTaskTypeProAudio = 1;
constexpr int kPriorityCritical = 3;
} // namespace

SharedMemoryAudioConnection::SharedMemoryAudioConnection (std::unique_ptr<User> u, int timeoutMs, SchedulerBackend& s)
    : user (std::move (u)), inputTimeoutMs (timeoutMs), scheduler (s)
{
}

SharedMemoryAudioConnection::~SharedMemoryAudioConnection()
{
    stopAudioThread();
    user.reset();
}

bool SharedMemoryAudioConnection::connect (const juce::String& audioStreamName)
{
    if (isConnected())
        return false;

    try
    {
        user->open (audioStreamName.toStdString());
    }
    catch (const std::exception& e)
    {
        FH_LOG (spdlog::level::err, "Execption while trying to connect: {}", e.what());
        block = nullptr;
        return false;
    }

    block = user->getData();
    if (block.load() == nullptr)
        return false;

    notifyConnectionResult (true);
    return true;
}

void SharedMemoryAudioConnection::startAudioThread()
{
    std::lock_guard lock (threadMutex);
    if (audioThread.joinable())
        return;
    stopFlag = false;
    audioThread = std::thread ([this] { audioThreadLoop(); });
}

void SharedMemoryAudioConnection::stopAudioThread()
{
    stopFlag = true;
    std::lock_guard lock (threadMutex);
    if (audioThread.joinable())
    {
        audioThread.join();
        if (const auto dropped = droppedBlocks.exchange (0); dropped > 0)
            FH_LOG (spdlog::level::err, "Dropped {} audio blocks whose sizes did not fit the shared block", dropped);
    }
    else
    {
        // Connected but never started (an open that failed after mapping): release the block.
        user->close();
        block = nullptr;
    }
}

bool SharedMemoryAudioConnection::isAudioThreadRunning()
{
    std::lock_guard lock (threadMutex);
    return audioThread.joinable() && block.load() != nullptr;
}

void SharedMemoryAudioConnection::audioThreadLoop()
{
    auto characteristics = makeThreadCharacteristicsGuard (kTaskTypeProAudio, kPriorityCritical, scheduler);

    auto* data = block.load();
    if (data == nullptr)
        return;

    data->clientAttached = 1;

    while (! stopFlag.load())
    {
        if (! user->waitForInput (inputTimeoutMs))
        {
            // No block in flight: nothing real-time is going on while this is logged.
            FH_LOG (spdlog::level::err, "Timed out waiting for input from the server");
            user->waitForOutputSignal (0);
            continue;
        }

        // Everything the engine wrote is checked before any of it is used as an index.
        if (! isAudioBlockInRange (*data))
        {
            droppedBlocks.fetch_add (1, std::memory_order_relaxed);
            user->signalOutput();
            continue;
        }

        const int blockSize = data->blockSize;
        const int streamValue2 = data->streamValue2;
        const bool changed = blockSize != lastBlockSize || streamValue2 != lastStreamValue2;
        if (changed)
        {
            lastBlockSize = blockSize;
            lastStreamValue2 = streamValue2;
        }

        if (auto* c = client.load())
        {
            if (changed)
                c->streamCharacteristicsChanged (this, static_cast<std::uint16_t> (blockSize),
                                                 static_cast<std::uint16_t> (streamValue2));
            c->audioBlockReceived (this, data);
        }

        user->signalOutput();
    }

    user->close();
    data->clientAttached = 0;
    block = nullptr;
    lastBlockSize = 0;
    lastStreamValue2 = 0;
}
