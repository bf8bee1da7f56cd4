#include "engine/SharedMemoryAudioConnection.h"

#include "foundation/Logger.h"
#include "foundation/ScopedThreadCharacteristics.h"

#include <chrono>

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
    {
        if (loopRunning.load())
            return;
        audioThread.join();   // a loop that ended by itself
    }
    stopFlag = false;
    loopRunning = true;
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

namespace
{
std::int64_t monotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds> (steady_clock::now().time_since_epoch()).count();
}
} // namespace

void SharedMemoryAudioConnection::logTimeOut (int timeOutsInARow, std::int64_t now, std::int64_t& lastLineAt)
{
    constexpr std::int64_t countInterval = 1000;
    if (timeOutsInARow == 1)
    {
        FH_LOG (spdlog::level::err, "Timed out waiting for input from the server");
        lastLineAt = now;
    }
    else if (now - lastLineAt >= countInterval)
    {
        FH_LOG (spdlog::level::err, "Timed out waiting for input from the server ({} times in a row)", timeOutsInARow);
        lastLineAt = now;
    }
}

void SharedMemoryAudioConnection::audioThreadLoop()
{
    auto characteristics = makeThreadCharacteristicsGuard (kTaskTypeProAudio, kPriorityCritical, scheduler);

    auto* data = block.load();
    if (data == nullptr)
    {
        loopRunning = false;
        return;
    }

    // Nothing of the block is touched while the file may be shorter than the block.
    auto end = user->isIntact() ? LoopEnd::stopped : LoopEnd::shrunk;
    if (end == LoopEnd::stopped)
        data->clientAttached = 1;

    int timeOutsInARow = 0;
    std::int64_t lastBlockAt = monotonicMs(), lastTimeOutLineAt = 0;

    while (end == LoopEnd::stopped && ! stopFlag.load())
    {
        if (! user->waitForInput (inputTimeoutMs))
        {
            // No block in flight: nothing real-time is going on while this is logged.
            const auto now = monotonicMs();
            logTimeOut (++timeOutsInARow, now, lastTimeOutLineAt);
            user->waitForOutputSignal (0);
            if (now - lastBlockAt >= stallLimitMs.load())
                end = LoopEnd::stalled;
            continue;
        }

        if (timeOutsInARow > 1)
            FH_LOG (spdlog::level::info, "Input from the server again after {} time-outs", timeOutsInARow);
        timeOutsInARow = 0;
        lastBlockAt = monotonicMs();

        if (! user->isIntact())
        {
            end = LoopEnd::shrunk;
            break;
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

    if (end != LoopEnd::shrunk && user->isIntact())
        data->clientAttached = 0;
    user->close();
    block = nullptr;
    lastBlockSize = 0;
    lastStreamValue2 = 0;
    loopRunning = false;

    if (end == LoopEnd::stalled)
        FH_LOG (spdlog::level::err, "No audio block from the server for {} ms; closing the audio connection",
                stallLimitMs.load());
    else if (end == LoopEnd::shrunk)
        FH_LOG (spdlog::level::err, "The shared audio block is shorter than its {} bytes; closing the audio connection",
                SharedBlockUsedBytes<SharedMemoryAudioData>::value);
    if (end != LoopEnd::stopped)
        notifyConnectionLost();
}
