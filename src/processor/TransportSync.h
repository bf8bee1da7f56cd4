#pragma once

#include "processor/PluginDataRecord.h"
#include "processor/SongPositionSync.h"
#include "realtime/GenerationQueue.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <atomic>
#include <cstdint>

class AudioRingSet;

// Tempo, transport, song position and the notes of chosen MIDI channels, from the
// host callback to the device: per host block the callback queues the host's
// position and the qualifying note events, each stamped with the device sample at
// which it takes effect; on the shared-memory audio thread every sub-block of the
// device block gets one PluginDataRecord from the queues.
//
// The queues are single-producer (host audio thread) single-consumer (shared-memory
// audio thread). A reset is asked for from any thread and carried out by the
// consumer before its next record: queued entries from before the request are
// dropped, the position sync starts again and the record counter returns to 0.
class TransportSync
{
public:
    static constexpr std::size_t kNoteQueueSize = 2048;

    // Host audio thread, once per block before the block's inputs are written:
    // hostWritePosition is the host-to-device set's write position at the block's start.
    void pushHostBlock (std::int64_t hostWritePosition, int numSamples, const juce::MidiBuffer& midi,
                        const HostPosition& info, AudioRingSet& hostToDevice) noexcept;

    // Shared-memory audio thread: the record of the sub-block of numFrames device
    // samples starting at blockStart (reader samples of the host-to-device set).
    void fillRecord (PluginDataRecord& out, std::int64_t blockStart, int numFrames) noexcept;

    // Any thread: the consumer empties both queues, resets the position sync and the
    // record counter before its next record.
    void requestReset() noexcept { resetRequested.fetch_add (1, std::memory_order_acq_rel); }

    // MIDI channels (1..16) whose notes go to the device: first inclusive, end exclusive.
    void setNoteChannelRange (int first, int end) noexcept;
    void setSyncMode (int mode) noexcept { positions.setSyncMode (mode); }
    int getSyncMode() const noexcept { return positions.getSyncMode(); }
    void setHostIsCubaseFamily (bool cubase) noexcept { positions.setHostIsCubaseFamily (cubase); }

    // Not an audio thread: logs the warnings the consumer raised.
    void logWarnings();

private:
    struct Note
    {
        std::int64_t position = 0;
        std::uint8_t status = 0;
        std::uint8_t data1 = 0;
        std::uint8_t data2 = 0;
        std::uint32_t generation = 0;
    };

    void applyResetRequest() noexcept;

    GenerationQueue<Note, kNoteQueueSize> notes;
    SongPositionSync positions;
    std::atomic<int> firstChannel { 0 };
    std::atomic<int> endChannel { 0 };
    std::atomic<std::uint32_t> resetRequested { 0 };

    // Consumer state.
    std::uint32_t resetApplied = 0;
    std::uint16_t counter = 0;
};
