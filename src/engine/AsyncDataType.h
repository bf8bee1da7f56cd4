#pragma once

#include <cstdint>

// The data type carried in the sub-type of reads (0x20), their answers (0x21),
// writes (0x10) and the device's notifications (0x30).
namespace AsyncDataType
{
    inline constexpr std::uint8_t sound = 4;
    inline constexpr std::uint8_t soundParameter = 5;
    inline constexpr std::uint8_t soundSetup = 6;
    inline constexpr std::uint8_t fxParameter = 8;
    inline constexpr std::uint8_t kit = 13;
    inline constexpr std::uint8_t kitParameter = 14;
    inline constexpr std::uint8_t kitName = 15;
    inline constexpr std::uint8_t projectSettings = 24;
    inline constexpr std::uint8_t settingsParameter = 25;
    inline constexpr std::uint8_t totalRecallImage = 27;
    inline constexpr std::uint8_t soundPoolListing = 31;
    inline constexpr std::uint8_t soundBankListing = 33;
    inline constexpr std::uint8_t totalRecallState = 34;
    inline constexpr std::uint8_t totalRecallSessionId = 35;
    inline constexpr std::uint8_t kitPatternMute = 36;
    inline constexpr std::uint8_t patternSettings = 37;
}
