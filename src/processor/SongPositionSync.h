#pragma once

#include "processor/HostPosition.h"
#include "realtime/BoundedQueue.h"
#include "realtime/GenerationQueue.h"

#include <atomic>
#include <cstdint>

// Turns the host positions that the host callback queues into the tempo, song
// position, advance and transport fields of the plug-in data records. The host
// callback produces (push); the shared-memory audio thread consumes (everything
// else). Neither side waits or allocates; the two warnings this can raise are
// queued for a thread that may log (takeWarning).
class SongPositionSync
{
public:
    static constexpr std::size_t kQueueSize = 1024;
    static constexpr int kMaxPopped = 1024;
    static constexpr std::int64_t kStaleDistance = 48000;
    static constexpr double kTicksPerSixteenth = 5400000.0;
    static constexpr double kMinBpm = 30.0;
    static constexpr double kMaxBpm = 300.0;

    enum SyncMode
    {
        noSync = 0,
        clockOnly = 1,
        clockAndTransport = 2,
        clockTransportAndSongPosition = 3
    };

    struct Entry
    {
        std::int64_t devicePosition = 0;   // the device sample at which the host block starts
        HostPosition info;
        int hostBlockSize = 0;
        std::uint32_t generation = 0;      // entries of an older generation are dropped
    };

    enum class WarningKind
    {
        unexpectedPosition,   // values: the last song position sent, the new one
        negativeAdvance
    };
    struct Warning
    {
        WarningKind kind = WarningKind::negativeAdvance;
        std::int64_t a = 0;
        std::int64_t b = 0;
    };

    // Host audio thread: false (dropped) when the queue is full.
    bool push (const Entry& entry) noexcept { return queue.push (entry); }

    // Consumer: starts again for `generation`; queued entries of other generations are
    // dropped as they come up. The last output bytes, the last song position sent,
    // the hold count and the pending song position stay.
    void reset (std::uint32_t generation) noexcept;

    // Consumer: the host positions due by blockEnd (device samples). The first is copied
    // to out, every later one only adds its host block size; an entry more than
    // kStaleDistance beyond blockEnd is dropped (one per call). offset: the first
    // entry's distance from blockStart. False, with out holding the defaults, when
    // none was due or its tempo lies outside 30..300 BPM.
    bool popUpTo (std::int64_t blockStart, std::int64_t blockEnd, Entry& out, int& offset, int& count) noexcept;

    // Consumer: removes the oldest queued host position (of the current generation);
    // false when there is none.
    bool dropOne() noexcept;

    // Consumer: bytes 2..15 of the record for the sub-block [blockStart, blockEnd]. True
    // when a host position was taken for it.
    bool fillTransport (std::int64_t blockStart, std::int64_t blockEnd, std::uint8_t* bytes2to15) noexcept;

    // Any thread (the host callback, every block with a play head).
    void setSyncMode (int mode) noexcept { syncMode.store (mode, std::memory_order_relaxed); }
    int getSyncMode() const noexcept { return syncMode.load (std::memory_order_relaxed); }
    // Set before streaming.
    void setHostIsCubaseFamily (bool cubase) noexcept { hostIsCubase.store (cubase); }

    // A thread that may log: the oldest warning not yet taken.
    bool takeWarning (Warning& out) noexcept { return warnings.pop (out); }

private:
    static std::int64_t ticksOf (double quarters) noexcept;
    void warn (WarningKind kind, std::int64_t a, std::int64_t b) noexcept { warnings.push (Warning { kind, a, b }); }

    GenerationQueue<Entry, kQueueSize> queue;
    BoundedQueue<Warning, 64> warnings;
    std::atomic<int> syncMode { 0 };
    std::atomic<bool> hostIsCubase { false };

    // Consumer state.
    Entry current;
    Entry previous;
    HostPosition lastOutput;
    std::uint8_t lastBytes[14] {};
    std::int64_t ticksSent = 0;
    int lastSongPositionSent = -1;
    int holdCount = 0;
    int pendingSongPosition = -1;
};
