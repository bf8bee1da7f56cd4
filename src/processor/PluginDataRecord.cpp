#include "processor/PluginDataRecord.h"

void PluginDataRecord::clear() noexcept
{
    bytes.fill (0);
    bytes[0] = kMarker;
    for (int slot = 0; slot < kNoteSlots; ++slot)
        bytes[static_cast<std::size_t> (kFirstNoteByte + slot * 4)] = kFreeSlot;
}
