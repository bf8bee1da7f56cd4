#include "PerformanceRecords.h"

namespace fhemu
{
std::optional<std::vector<RealtimeController>> decodeRealtimeControllers (const RecordedTransaction& transaction)
{
    using namespace performance;
    if (transaction.header.command != realtimeControllersCommand || transaction.payload.size() != realtimeRecordSize)
        return std::nullopt;

    const auto word = [&] (std::size_t index) { return wire::get16 (&transaction.payload[2 * index]); };
    std::vector<RealtimeController> tracks;
    const auto mask = word (0);
    for (int track = 0; track < realtimeTracks; ++track)
    {
        if ((mask & (1u << track)) == 0)
            continue;
        const std::size_t slot = 1 + 5 * static_cast<std::size_t> (track);
        tracks.push_back ({ track, word (slot), word (slot + 1), word (slot + 2), word (slot + 3), word (slot + 4) });
    }
    return tracks;
}

std::optional<std::uint8_t> decodeChannel16Note (const RecordedTransaction& transaction)
{
    if (transaction.header.command != performance::channel16NoteCommand || transaction.payload.size() != 1)
        return std::nullopt;
    return transaction.payload[0];
}
} // namespace fhemu
