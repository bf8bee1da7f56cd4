#pragma once

#include <array>
#include <cstdint>

// Storage order to runtime slot: sound words 0..53, effects words 0..66,
// MIDI words 0..40. A destination number converts through the same table.
namespace Vantu::indexTables
{
inline constexpr std::array<std::int8_t, 54> sound = {
    0, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15, 8, 16,
    17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35,
    37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51,
    53, 52, 36,
};

inline constexpr std::array<std::int8_t, 67> fx = {
    0, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15, 8, 16,
    17, 18, 19, 20, 21, 22, 23, 24, 25,
    27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52,
    54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67,
    53,
};

inline constexpr std::array<std::int8_t, 41> midi = {
    0, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15, 8, 16,
    17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40,
};

// Converts a destination number through a table; outside it gives slot 0.
template <std::size_t N>
constexpr int slotOf (const std::array<std::int8_t, N>& table, int destination)
{
    return destination >= 0 && destination < int (N) ? table[std::size_t (destination)] : 0;
}
} // namespace Vantu::indexTables
