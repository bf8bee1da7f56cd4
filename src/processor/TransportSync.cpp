#include "processor/TransportSync.h"

#include "foundation/Logger.h"
#include "realtime/AudioRingSet.h"

#include <algorithm>
#include <cmath>

void TransportSync::setNoteChannelRange (int first, int end) noexcept
{
    firstChannel.store (first);
    endChannel.store (end);
}

void TransportSync::pushHostBlock (std::int64_t hostWritePosition, int numSamples, const juce::MidiBuffer& midi,
                                   const HostPosition& info, AudioRingSet& hostToDevice) noexcept
{
    const auto generation = resetRequested.load (std::memory_order_acquire);
    const double target = hostToDevice.getTargetLatency();
    const int first = firstChannel.load (std::memory_order_relaxed);
    const int end = endChannel.load (std::memory_order_relaxed);
    for (const auto metadata : midi)
    {
        if (metadata.numBytes < 1)
            continue;
        const std::uint8_t status = metadata.data[0];
        const int channel = (status & 0x0F) + 1;
        if (status < 0x80 || status > 0x9F || channel < first || channel >= end)
            continue;
        Note note;
        note.position = hostToDevice.toReaderPosition (
            std::llround (static_cast<double> (hostWritePosition + metadata.samplePosition) + target));
        note.status = status;
        note.data1 = metadata.numBytes > 1 ? metadata.data[1] : 0;
        note.data2 = metadata.numBytes > 2 ? metadata.data[2] : 0;
        note.generation = generation;
        notes.push (note);   // dropped when full
    }

    SongPositionSync::Entry entry;
    entry.devicePosition = hostToDevice.toReaderPosition (std::llround (static_cast<double> (hostWritePosition) + target));
    entry.info = info;
    entry.hostBlockSize = numSamples;
    entry.generation = generation;
    positions.push (entry);   // dropped when full
}

void TransportSync::applyResetRequest() noexcept
{
    const auto requested = resetRequested.load (std::memory_order_acquire);
    if (requested == resetApplied)
        return;
    resetApplied = requested;
    notes.setGeneration (resetApplied);
    positions.reset (resetApplied);
    counter = 0;
}

void TransportSync::fillRecord (PluginDataRecord& out, std::int64_t blockStart, int numFrames) noexcept
{
    applyResetRequest();
    out.clear();
    auto* bytes = out.bytes.data();
    const std::int64_t blockEnd = blockStart + numFrames - 1;
    if (positions.fillTransport (blockStart, blockEnd, bytes + 2))
        bytes[PluginDataRecord::kFlags] |= PluginDataRecord::kHasPosition;

    int used = 0;
    Note note;
    while (used < PluginDataRecord::kNoteSlots && notes.peek (note))
    {
        if (note.position > blockEnd)
            break;   // stays queued for a later sub-block
        notes.pop();
        auto* slot = bytes + PluginDataRecord::kFirstNoteByte + used * 4;
        const bool noteOn = (note.status & 0xF0) == 0x90 && note.data2 != 0;
        slot[0] = note.data1;
        slot[1] = noteOn ? note.data2 : 0;
        const auto offset = static_cast<std::uint16_t> (std::max<std::int64_t> (note.position - blockStart, 0) & 0xFFF);
        PluginDataRecord::putU16 (slot + 2, static_cast<std::uint16_t> (((note.status & 0x0F) << 12) | offset));
        ++used;
    }
    if (used > 0)
        bytes[PluginDataRecord::kFlags] |= static_cast<std::uint8_t> (PluginDataRecord::kHasNotes | ((used - 1) & 0x0F));

    PluginDataRecord::putU16 (bytes + PluginDataRecord::kCounter, counter);
    ++counter;
}

void TransportSync::logWarnings()
{
    SongPositionSync::Warning warning;
    while (positions.takeWarning (warning))
    {
        if (warning.kind == SongPositionSync::WarningKind::unexpectedPosition)
            FH_LOG (spdlog::level::warn, "Unexpected pos. Was at SPP={}, , now at SPP={}.", warning.a, warning.b);
        else
            FH_LOG (spdlog::level::warn, "Warning: ppqDiffInt < 0");
    }
}
