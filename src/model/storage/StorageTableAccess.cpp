#include "model/storage/StorageTableAccess.h"

#include <array>

// PROVISIONAL: local stand-ins until the machine and parameter tables land.
namespace Vantu::storageTables
{
namespace
{
constexpr std::array<int, 40> trackMasks = {
    0xFF0, 0xFF0, 0xFF0, 0xFF0, 0xFF0, 0xFF0, 0xFF0, 0xFF0,   // 0..7
    0x007, 0x007, 0x007, 0x007, 0x007, 0x007, 0x007, 0x007,   // 8..15
    0x007, 0x007, 0x007, 0x007, 0x007,                        // 16..20
    0x000,                                                     // 21
    0x008, 0x008, 0x008, 0x008, 0x008, 0x008, 0x008, 0x008, 0x008, 0x008,   // 22..31
    0x00F, 0x00F, 0x00F, 0xFFF,                                // 32..35
    0xFF0, 0xFF0, 0xFF0, 0x007,                                // 36..39
};
} // namespace

int machineTrackMask (int machineType) noexcept
{
    return machineType >= 0 && machineType < 40 ? trackMasks[std::size_t (machineType)] : 0;
}

int soundSlotDefault (int, int, bool) noexcept { return 0; }
int fxSlotDefault (int) noexcept { return 0; }
int midiSlotDefault (int) noexcept { return 0; }
int assignableDestinationSlot (int, int) noexcept { return 0; }
} // namespace Vantu::storageTables
