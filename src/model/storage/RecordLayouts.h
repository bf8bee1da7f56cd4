#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Byte-order plans: for each record type and version, the list of fields
// with their widths. Running a plan over a record turns big-endian into host
// order and back (the swap is its own inverse); bytes that no field covers
// (the pads of sound records) are not written.
namespace Vantu::layout
{
struct Field
{
    std::uint32_t offset;
    std::uint8_t width;    // 1: bytes copied, 2: uint16 reversed, 4: uint32 reversed
    std::uint32_t count;   // number of elements of that width
};

using Plan = std::vector<Field>;

// Plans; nullptr for an unknown version.
const Plan* soundPlan (std::uint32_t version) noexcept;
const Plan* kitPlan (std::uint32_t version) noexcept;
const Plan& projectSettingsPlan();
const Plan& soundSetupPlan();
const Plan& soundListingPlan (int entries);   // 128 (pool) or 256 (bank)

// Appends the fields of a sound of the given version placed at base.
void appendSoundFields (Plan& plan, std::uint32_t version, std::uint32_t base);

// Size in bytes that a plan covers (end of its last field).
std::size_t planEnd (const Plan& plan) noexcept;

enum class Direction
{
    wireToHost,
    hostToWire
};

// Runs the plan from src into dst (both at least planEnd bytes long).
void convert (const void* src, void* dst, const Plan& plan, Direction direction) noexcept;
} // namespace Vantu::layout
