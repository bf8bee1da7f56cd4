#pragma once

#include "model/storage/Serializer.h"
#include "model/storage/StorageIndexTables.h"

#include <cstring>

// Pieces shared by the storage readers.
namespace Vantu::readerDetail
{
// The name when it is a valid device name, otherwise the fallback.
inline void readName (char* dst, const char* src16, const char* fallback)
{
    std::memset (dst, 0, 16);
    if (isValidDeviceName (src16))
        std::memcpy (dst, src16, 16);
    else
        std::strncpy (dst, fallback, 16);
}

// LFO destination slots (4 and 12) hold a destination number in their high
// byte; it becomes the runtime slot of that number × 256 (0 outside the table).
template <std::size_t N>
void convertLfoDestinations (std::int16_t* slots, const std::array<std::int8_t, N>& table)
{
    for (int slot : { 4, 12 })
    {
        const int d = (static_cast<std::uint16_t> (slots[slot]) >> 8) & 0xFF;
        slots[slot] = static_cast<std::int16_t> (indexTables::slotOf (table, d) * 256);
    }
}
} // namespace Vantu::readerDetail
