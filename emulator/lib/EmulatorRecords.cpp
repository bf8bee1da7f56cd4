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

namespace fhemu::records
{
namespace
{
    constexpr std::size_t soundWordsAt = 28;
    constexpr std::size_t soundSetupAt = 172;
    constexpr std::size_t soundModulationAt = 180;
    constexpr std::size_t soundPlayAt = 240;

    constexpr std::size_t kitLevelsAt = 20;
    constexpr std::size_t kitSoundsAt = 46;
    constexpr std::size_t kitFxAt = 3058;
    constexpr std::size_t kitMidiAt = 3214;
    constexpr std::size_t parameterBlockSize = 156;
    constexpr std::size_t kitMasksAt = 5086;
    constexpr std::size_t kitTrigsAt = 5092;

    void putWords (std::vector<std::uint8_t>& b, std::size_t at, const ParameterWords& words)
    {
        for (std::size_t i = 0; i < words.size(); ++i)
            putWord (b, at + 2 * i, static_cast<std::uint16_t> (words[i]));
    }
} // namespace

void putWord (std::vector<std::uint8_t>& record, std::size_t at, std::uint16_t value)
{
    record[at] = static_cast<std::uint8_t> (value >> 8);
    record[at + 1] = static_cast<std::uint8_t> (value);
}

std::uint16_t wordAt (const std::vector<std::uint8_t>& record, std::size_t at)
{
    return wire::get16 (&record[at]);
}

std::vector<std::uint8_t> encodeSound (const Sound& sound)
{
    const auto& s = sound.setup;
    std::vector<std::uint8_t> b (soundSize, 0);
    putWord (b, 0, static_cast<std::uint16_t> (sound.leadingWord >> 16));
    putWord (b, 2, static_cast<std::uint16_t> (sound.leadingWord));
    putWord (b, 4, 0);
    putWord (b, 6, static_cast<std::uint16_t> (newestSoundVersion));
    putWord (b, 8, static_cast<std::uint16_t> (s.tags >> 16));
    putWord (b, 10, static_cast<std::uint16_t> (s.tags));
    std::memcpy (b.data() + 12, s.name.data(), std::min<std::size_t> (16, s.name.size()));
    putWords (b, soundWordsAt, sound.words);

    const std::uint8_t setupBytes[] = { s.machineType, s.velocityVolMode, s.envResetMask, s.filterKeyTracking,
                                        s.transposable, s.pitchBendDepth, static_cast<std::uint8_t> (s.transpose) };
    std::memcpy (b.data() + soundSetupAt, setupBytes, sizeof (setupBytes));
    for (int src = 0; src < 5; ++src)
        for (int slot = 0; slot < 4; ++slot)
        {
            const auto at = soundModulationAt + std::size_t (src * 12 + slot * 3);
            putWord (b, at, static_cast<std::uint16_t> (s.modulation[src][slot].depth));
            b[at + 2] = s.modulation[src][slot].destination;
        }
    const std::uint8_t playBytes[] = { s.playMode, s.monoNotePriority, s.portamentoAmount, s.portamentoType,
                                       s.portamentoStyle, s.portamentoSlope, s.portamentoGating };
    std::memcpy (b.data() + soundPlayAt, playBytes, sizeof (playBytes));
    putWord (b, 247, static_cast<std::uint16_t> (sound.trailingWord >> 16));
    putWord (b, 249, static_cast<std::uint16_t> (sound.trailingWord));
    return b;
}

bool decodeSound (const std::vector<std::uint8_t>& b, Sound& sound)
{
    if (b.size() < soundSize || wire::get32 (&b[4]) != newestSoundVersion)
        return false;
    auto& s = sound.setup;
    sound.leadingWord = wire::get32 (&b[0]);
    s.tags = wire::get32 (&b[8]);
    const auto* name = reinterpret_cast<const char*> (&b[12]);
    s.name.assign (name, static_cast<std::size_t> (std::find (name, name + 16, '\0') - name));
    for (std::size_t i = 0; i < numParameterWords; ++i)
        sound.words[i] = static_cast<std::int16_t> (wire::get16 (&b[soundWordsAt + 2 * i]));
    s.machineType = b[172];
    s.velocityVolMode = b[173];
    s.envResetMask = b[174];
    s.filterKeyTracking = b[175];
    s.transposable = b[176];
    s.pitchBendDepth = b[177];
    s.transpose = static_cast<std::int8_t> (b[178]);
    for (int src = 0; src < 5; ++src)
        for (int slot = 0; slot < 4; ++slot)
        {
            const auto at = soundModulationAt + std::size_t (src * 12 + slot * 3);
            s.modulation[src][slot].depth = static_cast<std::int16_t> (wire::get16 (&b[at]));
            s.modulation[src][slot].destination = b[at + 2];
        }
    s.playMode = b[240];
    s.monoNotePriority = b[241];
    s.portamentoAmount = b[242];
    s.portamentoType = b[243];
    s.portamentoStyle = b[244];
    s.portamentoSlope = b[245];
    s.portamentoGating = b[246];
    sound.trailingWord = wire::get32 (&b[247]);
    return true;
}

std::vector<std::uint8_t> encodeKit (const Kit& kit)
{
    std::vector<std::uint8_t> b (kitSize, 0);
    putWord (b, 2, static_cast<std::uint16_t> (newestKitVersion));
    std::memcpy (b.data() + 4, kit.name.data(), std::min<std::size_t> (16, kit.name.size()));
    for (std::size_t t = 0; t < kit.trackLevel.size(); ++t)
        putWord (b, kitLevelsAt + 2 * t, static_cast<std::uint16_t> (kit.trackLevel[t]));
    for (std::size_t t = 0; t < kit.sounds.size(); ++t)
    {
        const auto sound = encodeSound (kit.sounds[t]);
        std::copy (sound.begin(), sound.end(), b.begin() + static_cast<std::ptrdiff_t> (kitSoundsAt + t * soundSize));
    }
    putWord (b, kitFxAt, static_cast<std::uint16_t> (kit.fxBlockVersion >> 16));
    putWord (b, kitFxAt + 2, static_cast<std::uint16_t> (kit.fxBlockVersion));
    putWords (b, kitFxAt + 4, kit.fxWords);
    for (std::size_t t = 0; t < kit.midiWords.size(); ++t)
    {
        const auto at = kitMidiAt + t * parameterBlockSize;
        putWords (b, at + 4, kit.midiWords[t]);
        putWord (b, at + 148, kit.midiExtra[t]);
    }
    putWord (b, kitMasksAt, static_cast<std::uint16_t> (kit.mainMuteMask));
    putWord (b, kitMasksAt + 2, static_cast<std::uint16_t> (kit.fxMuteMask));
    putWord (b, kitMasksAt + 4, kit.thirdMask);
    for (std::size_t i = 0; i < kit.trigs.size(); ++i)
    {
        const auto at = kitTrigsAt + 10 * i;
        b[at] = kit.trigs[i].paramIndex;
        b[at + 1] = kit.trigs[i].trig;
        for (std::size_t v = 0; v < 4; ++v)
            putWord (b, at + 2 + 2 * v, kit.trigs[i].values[v]);
    }
    return b;
}

std::vector<std::uint8_t> defaultProjectSettings()
{
    std::vector<std::uint8_t> b (settingsSize, 0);
    putWord (b, 2, static_cast<std::uint16_t> (settingsVersion));
    putWord (b, 4, 14400);   // 120 BPM
    b[6] = 1;
    b[21] = 3;
    b[22] = 2;
    b[24] = 64;
    b[26] = 64;
    b[27] = 9;
    for (std::uint8_t t = 0; t < 12; ++t)
        b[28 + t] = t;
    b[40] = 8;
    b[41] = 0xFF;
    b[42] = 0xFF;
    b[45] = 3;
    b[46] = 1;
    b[48] = 1;
    b[50] = 1;
    b[54] = 1;
    b[55] = 1;
    b[58] = 1;
    b[60] = 1;
    b[61] = 1;
    b[65] = 0x01;
    b[settingsAt::dualMono] = 1;
    for (std::size_t t = 0; t < 13; ++t)
        putWord (b, settingsAt::trackLevel + 2 * t, 25600);
    return b;
}

std::vector<std::uint8_t> encodeListing (const std::vector<ListingEntry>& entries)
{
    std::vector<std::uint8_t> b (entries.size() * listingEntrySize, 0);
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        const auto at = i * listingEntrySize;
        const auto& e = entries[i];
        b[at] = e.machineType;
        b[at + 1] = e.flag;
        putWord (b, at + 2, e.number);
        putWord (b, at + 4, static_cast<std::uint16_t> (e.tags >> 16));
        putWord (b, at + 6, static_cast<std::uint16_t> (e.tags));
        std::memcpy (b.data() + at + 8, e.name.data(), std::min<std::size_t> (16, e.name.size()));
    }
    return b;
}

std::vector<std::uint8_t> encodePatternSettings (std::uint16_t muteMask)
{
    return { static_cast<std::uint8_t> (muteMask >> 8), static_cast<std::uint8_t> (muteMask) };
}

std::vector<std::uint8_t> encodeSessionId (std::uint32_t sessionId)
{
    Bytes b;
    wire::put32 (b, sessionId);
    return b;
}
} // namespace fhemu::records
