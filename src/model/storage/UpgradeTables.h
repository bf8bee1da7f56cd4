#pragma once

#include <cstdint>

// Conversion tables of the sound and effects upgrades. Indices and results
// are 7-bit device values.
namespace Vantu::upgradeTables
{
extern const std::uint8_t overdriveCurve[128];
extern const std::uint8_t ampDecayTable[128];

// [old attack][old hold] -> new attack / new hold.
extern const std::uint8_t (&ampAttackTable)[128][128];
extern const std::uint8_t (&ampHoldTable)[128][128];

// Old LFO destination numbers of sound version 0 to those of version 1.
int convertLfoDestinationV0 (int destination) noexcept;
} // namespace Vantu::upgradeTables
