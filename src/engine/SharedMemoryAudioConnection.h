#pragma once

#include "engine/EngineLimits.h"
#include "engine/IpcConnection.h"
#include "engine/SharedMemoryUser.h"
#include "platform/SchedulerBackend.h"
#include "engine/SharedMemoryAudioData.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

// The receiving side of the shared audio block.
class IpcConnectionAudioDataCommon
{
public:
    class Client
    {
    public:
        virtual ~Client() = default;
        // Audio thread: the block's size or second stream value differs from the last block's.
        virtual void streamCharacteristicsChanged (IpcConnectionAudioDataCommon* connection, std::uint16_t blockSize,
                                                   std::uint16_t streamValue2) = 0;
        // Audio thread: once per block, after the engine posted it and before it is answered.
        virtual void audioBlockReceived (IpcConnectionAudioDataCommon* connection, SharedMemoryAudioData* block) = 0;
    };

    virtual ~IpcConnectionAudioDataCommon() = default;

    // Set by the owner while the audio thread does not run.
    void setClient (Client* c) { client = c; }

protected:
    std::atomic<Client*> client { nullptr };
};

// The shared-memory audio connection of an open device: maps the engine's block and
// runs the audio thread that waits for every block, hands it to the client and
// answers it. The thread runs in the "Pro Audio" class at critical priority.
class SharedMemoryAudioConnection final : public IpcConnection, public IpcConnectionAudioDataCommon
{
public:
    using User = SharedMemoryUserIfc<SharedMemoryAudioData>;

    explicit SharedMemoryAudioConnection (std::unique_ptr<User> user, int inputTimeoutMs = 100,
                                          SchedulerBackend& scheduler = systemSchedulerBackend());
    ~SharedMemoryAudioConnection() override;

    // How long the engine may post nothing before the connection is closed as
    // stalled (set before the audio thread starts).
    void setStallLimit (int milliseconds) { stallLimitMs = milliseconds; }

    bool isConnected() const override { return block.load() != nullptr; }
    bool getConnectResult() const override { return true; }

    // Opens the block and semaphores of the stream name (job thread). False when
    // already connected or when they cannot be opened.
    bool connect (const juce::String& audioStreamName);

    void startAudioThread();
    // Ends the audio loop and joins its thread; the block is released (isConnected false).
    // The loop also ends by itself, reporting the connection lost, when the engine
    // stalls or shrinks the shared file; the next start joins that thread.
    void stopAudioThread();

    // Tells the remaining listeners that the connection is gone (after stopAudioThread).
    void reportConnectionLost() { notifyConnectionLost(); }

    bool isStopping() const noexcept { return stopFlag.load(); }
    bool isAudioThreadRunning();
    // Held while the audio thread is started or joined.
    std::recursive_mutex& getAudioThreadMutex() noexcept { return threadMutex; }

    // Blocks whose sizes, counts or lengths did not fit the block, dropped unread.
    std::uint64_t getNumDroppedBlocks() const noexcept { return droppedBlocks.load(); }

private:
    enum class LoopEnd
    {
        stopped,
        stalled,
        shrunk
    };

    void audioThreadLoop();
    // Audio thread, while no block is in flight: the first time-out of a stall is
    // logged, then a count once a second.
    void logTimeOut (int timeOutsInARow, std::int64_t now, std::int64_t& lastLineAt);

    std::unique_ptr<User> user;
    const int inputTimeoutMs;
    SchedulerBackend& scheduler;
    std::atomic<SharedMemoryAudioData*> block { nullptr };
    int lastBlockSize = 0;
    int lastStreamValue2 = 0;
    std::thread audioThread;
    std::atomic<bool> stopFlag { false };
    std::atomic<bool> loopRunning { false };
    std::atomic<int> stallLimitMs { EngineLimits::audioStallLimitMs };
    std::recursive_mutex threadMutex;
    std::atomic<std::uint64_t> droppedBlocks { 0 };
};
