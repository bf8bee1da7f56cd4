#include "EmulatorRecords.h"

#include <algorithm>
#include <cstring>

namespace fhemu::records
{
namespace
{
    void putAt16 (std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v)
    {
        b[at] = static_cast<std::uint8_t> (v >> 8);
        b[at + 1] = static_cast<std::uint8_t> (v);
    }
    void putAt32 (std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
    {
        putAt16 (b, at, static_cast<std::uint16_t> (v >> 16));
        putAt16 (b, at + 2, static_cast<std::uint16_t> (v));
    }
    void putName (std::vector<std::uint8_t>& b, std::size_t at, const std::string& name)
    {
        std::memcpy (b.data() + at, name.data(), std::min<std::size_t> (16, name.size()));
    }

    constexpr std::size_t setupModulation = 36;
}

std::vector<std::uint8_t> sound (std::uint32_t version, const std::string& name, std::uint8_t machineType,
                                 std::uint32_t tags)
{
    std::vector<std::uint8_t> b (soundSize, 0);
    putAt32 (b, 4, version);
    putAt32 (b, 8, tags);
    putName (b, 12, name);
    b[172] = machineType;
    return b;
}

std::vector<std::uint8_t> kit (std::uint32_t version, const std::string& name)
{
    std::vector<std::uint8_t> b (kitSize, 0);
    putAt32 (b, 0, version);
    putName (b, 4, name);
    return b;
}

std::vector<std::uint8_t> projectSettings (std::uint8_t activeEditTrack, std::uint16_t muteMask)
{
    std::vector<std::uint8_t> b (settingsSize, 0);
    putAt32 (b, 0, settingsVersion);
    b[7] = activeEditTrack;
    putAt16 (b, 12, muteMask);
    return b;
}

std::vector<std::uint8_t> encodeSoundSetup (const SoundSetup& s)
{
    std::vector<std::uint8_t> b (soundSetupSize, 0);
    putAt16 (b, 0, s.track);
    putAt32 (b, 2, s.tags);
    putName (b, 6, s.name);
    const std::uint8_t bytes[] = { s.machineType, s.velocityVolMode, s.envResetMask, s.filterKeyTracking,
                                   s.transposable, s.pitchBendDepth, static_cast<std::uint8_t> (s.transpose),
                                   s.playMode, s.monoNotePriority, s.portamentoAmount, s.portamentoType,
                                   s.portamentoStyle, s.portamentoSlope, s.portamentoGating };
    std::memcpy (b.data() + 22, bytes, sizeof (bytes));
    for (int src = 0; src < 5; ++src)
        for (int slot = 0; slot < 4; ++slot)
        {
            const auto at = setupModulation + std::size_t (src * 12 + slot * 3);
            putAt16 (b, at, static_cast<std::uint16_t> (s.modulation[src][slot].depth));
            b[at + 2] = s.modulation[src][slot].destination;
        }
    return b;
}

bool decodeSoundSetup (const std::vector<std::uint8_t>& b, SoundSetup& s)
{
    if (b.size() < soundSetupSize)
        return false;
    s.track = wire::get16 (&b[0]);
    s.tags = wire::get32 (&b[2]);
    const auto* name = reinterpret_cast<const char*> (&b[6]);
    s.name.assign (name, static_cast<std::size_t> (std::find (name, name + 16, '\0') - name));
    s.machineType = b[22];
    s.velocityVolMode = b[23];
    s.envResetMask = b[24];
    s.filterKeyTracking = b[25];
    s.transposable = b[26];
    s.pitchBendDepth = b[27];
    s.transpose = static_cast<std::int8_t> (b[28]);
    s.playMode = b[29];
    s.monoNotePriority = b[30];
    s.portamentoAmount = b[31];
    s.portamentoType = b[32];
    s.portamentoStyle = b[33];
    s.portamentoSlope = b[34];
    s.portamentoGating = b[35];
    for (int src = 0; src < 5; ++src)
        for (int slot = 0; slot < 4; ++slot)
        {
            const auto at = setupModulation + std::size_t (src * 12 + slot * 3);
            s.modulation[src][slot].depth = static_cast<std::int16_t> (wire::get16 (&b[at]));
            s.modulation[src][slot].destination = b[at + 2];
        }
    return true;
}
} // namespace fhemu::records
