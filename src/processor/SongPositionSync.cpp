#include "processor/SongPositionSync.h"

#include "processor/PluginDataRecord.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
// Offsets within bytes 2..15 of the record.
constexpr int kTempo = PluginDataRecord::kTempo - 2;
constexpr int kSongPosition = PluginDataRecord::kSongPosition - 2;
constexpr int kAdvance = PluginDataRecord::kAdvance - 2;
constexpr int kSampleOffset = PluginDataRecord::kSampleOffset - 2;
constexpr int kState = PluginDataRecord::kTransportState - 2;

std::int64_t sixteenthsOf (double ppq) noexcept
{
    return static_cast<std::int64_t> (ppq * 4.0);
}
} // namespace

std::int64_t SongPositionSync::ticksOf (double quarters) noexcept
{
    return static_cast<std::int64_t> (quarters * 4.0 * kTicksPerSixteenth + 0.5);
}

void SongPositionSync::reset (std::uint32_t newGeneration) noexcept
{
    queue.setGeneration (newGeneration);
    current = Entry {};
    ticksSent = 0;
    lastOutput = HostPosition {};
    previous = current;
    previous.info.bpm = 0.0;   // no bar crossing is measured against it
}

bool SongPositionSync::dropOne() noexcept
{
    Entry oldest;
    if (! queue.peek (oldest))
        return false;
    queue.pop();
    return true;
}

bool SongPositionSync::popUpTo (std::int64_t blockStart, std::int64_t blockEnd, Entry& out, int& offset,
                                int& count) noexcept
{
    count = 0;
    Entry oldest;
    std::int64_t firstPosition = 0;
    while (count < kMaxPopped && queue.peek (oldest))
    {
        if (oldest.devicePosition <= blockEnd)
        {
            queue.pop();
            if (count == 0)
            {
                out = oldest;
                firstPosition = oldest.devicePosition;
            }
            else
            {
                out.hostBlockSize += oldest.hostBlockSize;
            }
            ++count;
            continue;
        }
        if (oldest.devicePosition > blockEnd + kStaleDistance)
            dropOne();   // a stale entry
        break;
    }
    if (count > 0)
    {
        offset = static_cast<int> (std::max<std::int64_t> (firstPosition - blockStart, 0));
        if (out.info.bpm >= kMinBpm && out.info.bpm <= kMaxBpm)
            return true;
    }
    else
    {
        offset = 0;
    }
    out.info = HostPosition {};
    return false;
}

bool SongPositionSync::fillTransport (std::int64_t blockStart, std::int64_t blockEnd, std::uint8_t* bytes) noexcept
{
    std::memcpy (bytes, lastBytes, sizeof (lastBytes));
    PluginDataRecord::putI32 (bytes + kSongPosition, -1);
    PluginDataRecord::putI32 (bytes + kAdvance, 0);
    bytes[kSampleOffset] = 0;

    Entry popped;
    int offset = 0;
    int count = 0;
    if (! popUpTo (blockStart, blockEnd, popped, offset, count))
        return false;

    current = popped;
    auto& now = current.info;
    const auto& before = previous.info;
    const double bpm = std::clamp (now.bpm, kMinBpm, kMaxBpm);
    const int mode = syncMode.load (std::memory_order_relaxed);

    const bool onBeat = std::abs (std::fmod (now.ppqPosition, 1.0)) < 0.001;
    const bool barCrossed = std::ceil (now.ppqPosition / 4.0) > std::ceil (before.ppqPosition / 4.0) && before.bpm >= kMinBpm;
    const auto nowSixteenths = sixteenthsOf (now.ppqPosition);
    const auto beforeSixteenths = sixteenthsOf (before.ppqPosition);
    const bool pendingReached = (beforeSixteenths < pendingSongPosition && pendingSongPosition <= nowSixteenths)
                             || nowSixteenths == pendingSongPosition;
    const auto ticks = ticksOf (now.ppqPosition);
    auto advance = ticks - ticksSent;

    bool running = now.isPlaying;
    if (holdCount > 0)
    {
        running = false;
        now.isPlaying = false;
        --holdCount;
    }

    int songPosition = -1;
    if (mode == clockTransportAndSongPosition)
    {
        const bool jump = before.isPlaying && running && now.timeInSamples != before.timeInSamples
                       && now.timeInSamples != before.timeInSamples + previous.hostBlockSize;
        if (! before.isPlaying && now.isPlaying)
        {
            songPosition = static_cast<int> (std::ceil (now.ppqPosition * 4.0));
            if (songPosition == lastSongPositionSent)
            {
                songPosition = -1;
            }
            else
            {
                running = false;
                warn (WarningKind::unexpectedPosition, lastSongPositionSent, songPosition);
                pendingSongPosition = songPosition;
            }
        }
        else if (! before.isPlaying && ! now.isPlaying)
        {
            songPosition = now.ppqPosition != before.ppqPosition ? static_cast<int> (std::ceil (now.ppqPosition * 4.0)) : -1;
        }
        else if (before.isPlaying && ! now.isPlaying)
        {
            songPosition = static_cast<int> (now.ppqPositionOfLastBarStart * 4.0);
        }
        else if (jump && ! hostIsCubase.load (std::memory_order_relaxed))
        {
            running = false;
            holdCount = 1;
            songPosition = static_cast<int> (std::ceil (now.ppqPosition * 4.0));
            pendingSongPosition = songPosition;
        }
        if (songPosition >= 0)
            lastSongPositionSent = songPosition;
    }

    if (mode == clockAndTransport)
    {
        lastSongPositionSent = -1;
        if (now.isLooping && now.ppqPosition < lastOutput.ppqPosition && now.ppqPosition >= now.ppqLoopStart
            && now.ppqPosition <= now.ppqLoopEnd)
            advance = ticksOf (now.ppqLoopEnd - lastOutput.ppqPosition) + ticksOf (now.ppqPosition - now.ppqLoopStart);
    }

    std::uint8_t state = bytes[kState];
    if (mode == noSync || mode == clockOnly)
    {
        state = static_cast<std::uint8_t> (mode);
        running = false;
        advance = 0;
    }
    else if (mode == clockAndTransport || mode == clockTransportAndSongPosition)
    {
        if (now.ppqPosition < 0.0)
        {
            running = false;
        }
        else if (running && ! lastOutput.isPlaying)
        {
            // A start waits for a beat, a bar line or the pending song position.
            advance = 0;
            if (pendingSongPosition >= 0 && pendingReached)
            {
                advance = ticks - ticksOf (pendingSongPosition / 4.0);
                pendingSongPosition = -1;
            }
            else if (onBeat)
            {
            }
            else if (barCrossed)
            {
                const double from = lastSongPositionSent >= 0 ? lastSongPositionSent / 4.0
                                                              : std::ceil (before.ppqPosition / 4.0) * 4.0;
                advance = ticks - ticksOf (from);
            }
            else
            {
                running = false;
            }
        }
        state = running ? PluginDataRecord::running
                        : (lastOutput.isPlaying ? PluginDataRecord::stoppedNow : PluginDataRecord::stopped);
        if (running && advance < 0)
        {
            warn (WarningKind::negativeAdvance, advance, 0);
            advance = 0;
        }
        if (! running)
            advance = 0;
    }
    else
    {
        running = false;   // an unknown mode keeps the state byte and sends no advance
        advance = 0;
    }

    PluginDataRecord::putU16 (bytes + kTempo, static_cast<std::uint16_t> (bpm * 120.0));
    PluginDataRecord::putI32 (bytes + kSongPosition, songPosition);
    PluginDataRecord::putI32 (bytes + kAdvance, static_cast<std::int32_t> (advance));
    bytes[kSampleOffset] = static_cast<std::uint8_t> (offset & 0xFF);
    bytes[kState] = state;

    std::memcpy (lastBytes, bytes, sizeof (lastBytes));
    lastOutput = now;
    lastOutput.bpm = bpm;
    lastOutput.isPlaying = running;
    ticksSent = ticks;
    previous = current;
    return true;
}
