#include "RecordDump.h"

#include "model/storage/ByteOrder.h"
#include "model/storage/Serializer.h"
#include "model/storage/StorageUpgrade.h"
#include "model/storage/WireFactories.h"

#include <fmt/format.h>

#include <cstring>
#include <memory>
#include <string_view>

namespace recorddump
{
namespace
{
using namespace Vantu;

std::string nameText (const char* name16)
{
    std::string s;
    for (int i = 0; i < 16 && name16[i] != '\0'; ++i)
    {
        const auto c = static_cast<unsigned char> (name16[i]);
        s += (c >= 0x20 && c < 0x7F) ? std::string (1, char (c)) : fmt::format ("\\x{:02X}", c);
    }
    return "\"" + s + "\"";
}

void printWords (std::FILE* out, std::string_view indent, const void* base, std::size_t offset, int count)
{
    for (int k = 0; k < count; k += 8)
    {
        fmt::print (out, "{}{:2}:", indent, k);
        for (int i = k; i < std::min (count, k + 8); ++i)
            fmt::print (out, " {:6}", bytes::load<std::int16_t> (base, offset + 2 * std::size_t (i)));
        fmt::print (out, "\n");
    }
}

void printStoredSound (std::FILE* out, std::string_view indent, const std::uint8_t* s)
{
    namespace so = soundOffsets;
    const auto version = bytes::load<std::uint32_t> (s, so::version);
    fmt::print (out, "{}version {}  leading word 0x{:08X}  tags 0x{:08X}  name {}\n", indent, version,
                bytes::load<std::uint32_t> (s, so::leadingWord), bytes::load<std::uint32_t> (s, so::tags),
                nameText (reinterpret_cast<const char*> (s + so::name)));
    if (soundStorageSize (version) == 0)
    {
        fmt::print (out, "{}(unknown version: nothing else has a meaning)\n", indent);
        return;
    }
    fmt::print (out, "{}machine type {}  velocity mode {}  env reset mask {}  key tracking {}  transposable {}",
                indent, s[172], s[173], s[174], s[175], s[176]);
    if (version >= 1)
        fmt::print (out, "  pitch bend depth {}", s[177]);
    if (version >= 3)
        fmt::print (out, "  transpose {}", static_cast<std::int8_t> (s[178]));
    fmt::print (out, "\n{}parameter words:\n", indent);
    printWords (out, std::string (indent) + "  ", s, so::params, kSoundParamWords);

    static constexpr const char* sources[] = { "velocity", "pitch bend", "mod wheel", "breath", "aftertouch" };
    const int blocks = version == 0 ? 1 : 5;
    for (int b = 0; b < blocks; ++b)
    {
        fmt::print (out, "{}{:<11}", indent, sources[b]);
        for (int e = 0; e < 4; ++e)
        {
            if (version <= 1)
            {
                const std::size_t at = 180 + std::size_t (8 * b + 2 * e);
                fmt::print (out, "  {}->{}", static_cast<std::int8_t> (s[at]), s[at + 1]);
            }
            else
            {
                const std::size_t at = 180 + std::size_t (12 * b + 3 * e);
                fmt::print (out, "  {}->{}", bytes::load<std::int16_t> (s, at), s[at + 2]);
            }
        }
        fmt::print (out, "\n");
    }
    if (version == 5)
        fmt::print (out, "{}play mode {}  mono priority {}  portamento amount {} type {} style {} slope {} gating {}\n",
                    indent, s[240], s[241], s[242], s[243], s[244], s[245], s[246]);
    const std::size_t trailing = version == 0 ? 188 : version == 1 ? 220 : version == 5 ? 247 : 240;
    fmt::print (out, "{}trailing word 0x{:08X}\n", indent, bytes::load<std::uint32_t> (s, trailing));
}

void printSoundData (std::FILE* out, std::string_view indent, const soundData_t& d)
{
    fmt::print (out, "{}name {}  tags 0x{:08X}  machine type {}  velocity mode {}  env reset mask {}  key tracking {}  "
                     "transposable {}  pitch bend depth {}  transpose {}\n",
                indent, nameText (d.name), d.tags, d.machineType, d.velocityVolMode, d.envResetMask,
                d.filterKeyTracking, d.transposable, d.pitchbendDepth, d.transpose);
    fmt::print (out, "{}slots:\n", indent);
    printWords (out, std::string (indent) + "  ", d.params, 0, kRuntimeSlots);
    static constexpr const char* sources[] = { "velocity", "pitch bend", "mod wheel", "breath", "aftertouch" };
    for (int b = 0; b < 5; ++b)
    {
        fmt::print (out, "{}{:<11}", indent, sources[b]);
        for (const auto& e : d.modulation[b])
            fmt::print (out, "  {}->slot {}", e.depth, e.slot);
        fmt::print (out, "\n");
    }
    fmt::print (out, "{}play mode {}  mono priority {}  portamento amount {} type {} style {} slope {} gating {}\n",
                indent, d.playMode, d.monoNotePriority, d.portamentoAmount, d.portamentoType, d.portamentoStyle,
                d.portamentoSlope, d.portamentoGating);
}

void dumpSound (const std::vector<std::uint8_t>& bytes, bool read, std::FILE* out)
{
    auto sound = makeSharedSoundStorage (bytes.data(), bytes.size());
    fmt::print (out, "Sound record ({} bytes in file)\n", bytes.size());
    printStoredSound (out, "  ", sound->raw);
    if (! read)
        return;
    std::fflush (out);
    const bool upgraded = upgradeSoundStorage (sound.get());
    auto data = std::make_unique<soundData_t>();
    std::memset (data.get(), 0, sizeof (*data));
    const bool ok = upgraded && Serializer::readSound (data.get(), sound.get());
    std::fflush (stdout);
    fmt::print (out, "Read as version 5: {}\n", ok ? "yes" : "no");
    if (ok)
        printSoundData (out, "  ", *data);
}

void printTrigs (std::FILE* out, const std::uint8_t* k, std::size_t at)
{
    for (int e = 0; e < kKitTrigEntries; ++e)
    {
        const auto* t = k + at + std::size_t (e) * sizeof (kitTrigEntry_t);
        fmt::print (out, "  trig entry {}: param_idx {} trig {} values", e + 1, t[0], t[1]);
        for (int i = 0; i < 4; ++i)
            fmt::print (out, " 0x{:04X}", bytes::load<std::uint16_t> (t, 2 + 2 * std::size_t (i)));
        fmt::print (out, "\n");
    }
}

void dumpKit (const std::vector<std::uint8_t>& bytes, bool read, std::FILE* out)
{
    auto kit = makeSharedKitStorage (bytes.data(), bytes.size());
    const auto* k = kit->raw;
    fmt::print (out, "Kit record ({} bytes in file)\n  version {}\n", bytes.size(), kit->version);
    const auto* layout = kitLayout (kit->version);
    if (layout == nullptr)
    {
        fmt::print (out, "  (unknown version: nothing else has a meaning)\n");
    }
    else
    {
        fmt::print (out, "  name {}\n  track levels:", nameText (reinterpret_cast<const char*> (k + kitOffsets::name)));
        for (int i = 0; i < kKitTrackLevels; ++i)
            fmt::print (out, " {}", bytes::load<std::int16_t> (k, kitOffsets::trackLevel + 2 * std::size_t (i)));
        fmt::print (out, "\n");
        for (int t = 0; t < kKitTracks; ++t)
        {
            fmt::print (out, "  sound T{}:\n", t + 1);
            printStoredSound (out, "    ", k + kitOffsets::sounds + std::size_t (t) * layout->soundSize);
        }
        fmt::print (out, "  FX block version {}:\n", bytes::load<std::uint32_t> (k, layout->fxParams));
        printWords (out, "    ", k, layout->fxParams + 4, 72);
        for (int t = 0; t < kKitTracks; ++t)
        {
            const auto at = layout->midiParams + std::size_t (t) * sizeof (kitMidiParams_t);
            fmt::print (out, "  MIDI block T{} version {} extra word 0x{:04X}:\n", t + 1,
                        bytes::load<std::uint32_t> (k, at), bytes::load<std::uint16_t> (k, at + 148));
            printWords (out, "    ", k, at + 4, 41);
        }
        fmt::print (out, "  main mute mask 0x{:04X}  FX mute mask 0x{:04X}  third mask word 0x{:04X}\n",
                    bytes::load<std::uint16_t> (k, layout->masks), bytes::load<std::uint16_t> (k, layout->masks + 2),
                    bytes::load<std::uint16_t> (k, layout->masks + 4));
        if (layout->trigs != 0)
            printTrigs (out, k, layout->trigs);
    }
    if (! read)
        return;

    std::fflush (out);
    const bool upgraded = upgradeKitStorage (kit.get());
    auto data = std::make_unique<kitData_t>();
    std::memset (data.get(), 0, sizeof (*data));
    const bool ok = upgraded && Serializer::readKit (data.get(), kit.get());
    std::fflush (stdout);
    fmt::print (out, "Read as version 7: {}\n", ok ? "yes" : "no");
    if (! ok)
        return;
    fmt::print (out, "  name {}\n  track levels:", nameText (data->name));
    for (auto level : data->trackLevel)
        fmt::print (out, " {}", level);
    fmt::print (out, "\n");
    for (int t = 0; t < kKitTracks; ++t)
    {
        fmt::print (out, "  sound T{}:\n", t + 1);
        printSoundData (out, "    ", data->sounds[t]);
    }
    fmt::print (out, "  FX slots:\n");
    printWords (out, "    ", data->fxParams, 0, kRuntimeSlots);
    for (int t = 0; t < kKitTracks; ++t)
    {
        fmt::print (out, "  MIDI set T{} (extra {}):\n", t + 1, data->midiParams[t].extra);
        printWords (out, "    ", data->midiParams[t].params, 0, 41);
    }
    fmt::print (out, "  main mute mask {}  FX mute mask {}  third mask word 0x{:04X}\n", data->trackMuteFromMainMask,
                data->trackMuteFromFxMask, data->thirdMask);
    for (int e = 0; e < kKitTrigEntries; ++e)
    {
        const auto& t = data->trigs[e];
        fmt::print (out, "  trig entry {}: param_idx {} trig {} values {} {} {} {}  per track:", e + 1, t.paramIdx, t.trig,
                    t.values[0], t.values[1], t.values[2], t.values[3]);
        for (auto i : t.trackParamIndex)
            fmt::print (out, " {}", i);
        fmt::print (out, "\n");
    }
}

void dumpSettings (const std::vector<std::uint8_t>& bytes, bool read, std::FILE* out)
{
    const auto s = makeSharedProjectSettings (bytes.data(), bytes.size());
    fmt::print (out, "Project settings record ({} bytes in file)\n  version {}\n", bytes.size(), +s->version);
    fmt::print (out, "  tempo {}  pattern tempo {}  edit track {}  play track {}  param page {}  scale page {}  bank {}  pattern {}\n",
                +s->globalTempo, +s->patternTempoEnabled, +s->activeEditTrack, +s->activePlayTrack, +s->activeParamPage,
                +s->activeScalePage, +s->activeBank, +s->activePattern);
    fmt::print (out, "  mute mask 0x{:04X}  main mute mask {}  FX mute mask {}  global levels {}  dual mono {}  output mode 0x{:02X}\n",
                +s->trackMuteMask, +s->track_mute_from_main_mask, +s->track_mute_from_fx_mask, +s->globalLevels,
                +s->dual_mono, +s->pre_post_and_internal_output_mode);
    fmt::print (out, "  MIDI channels:");
    for (auto c : s->midiChannel)
        fmt::print (out, " {}", c);
    fmt::print (out, "  auto {}\n  track levels:", +s->midiAutoChannel);
    for (int i = 0; i < 13; ++i)
        fmt::print (out, " {}", bytes::load<std::int16_t> (s.get(), offsetof (projectSettingsStorage_v2_t, trackLevel) + 2 * std::size_t (i)));
    fmt::print (out, "\n");
    if (! read)
        return;
    std::fflush (out);
    projectSettingsData_t data {};
    const bool ok = Serializer::readSettings (&data, s.get());
    std::fflush (stdout);
    fmt::print (out, "Read as version 2: {}\n", ok ? "yes" : "no");
}

void printListingEntry (std::FILE* out, int index, const FhAsyncSoundListingEntry& e)
{
    if (+e.machineType == 255)
        return;
    fmt::print (out, "  {:3}: machine {:2}  flag {}  number {:4}  tags 0x{:08X}  name {}\n", index, +e.machineType,
                e.flags != 0 ? 1 : 0, +e.number, +e.tags, nameText (e.name));
}

void dumpSoundSetup (const std::vector<std::uint8_t>& bytes, std::FILE* out)
{
    const auto s = makeSharedSoundSetup (bytes.data(), bytes.size());
    fmt::print (out, "Sound setup record\n  track {}  tags 0x{:08X}  name {}  machine type {}  velocity mode {}  "
                     "env reset mask {}  key tracking {}  transposable {}  pitch bend depth {}  transpose {}\n",
                +s->trackIndex, +s->tags, nameText (s->name), +s->machineType, +s->velocityVolMode, +s->envResetMask,
                +s->filterKeyTracking, +s->transposable, +s->pitchbendDepth, +s->transpose);
    fmt::print (out, "  play mode {}  mono priority {}  portamento amount {} type {} style {} slope {} gating {}\n",
                +s->playMode, +s->monoNotePriority, +s->portamentoAmount, +s->portamentoType, +s->portamentoStyle,
                +s->portamentoSlope, +s->portamentoGating);
    for (int b = 0; b < 5; ++b)
    {
        fmt::print (out, "  source {}:", b);
        for (int e = 0; e < 4; ++e)
            fmt::print (out, "  {}->{}", static_cast<std::int16_t> (bytes::load<std::uint16_t> (s.get(), 36 + std::size_t (12 * b + 3 * e))),
                        +s->modulation[b][e].destination);
        fmt::print (out, "\n");
    }
}

const std::vector<std::string> types { "kit", "sound", "settings", "soundsetup", "pool", "bank", "sessionid", "pattern" };
} // namespace

const std::vector<std::string>& recordTypes() { return types; }

bool dump (const std::string& type, const std::vector<std::uint8_t>& bytes, bool read, std::FILE* out)
{
    if (type == "kit")
        dumpKit (bytes, read, out);
    else if (type == "sound")
        dumpSound (bytes, read, out);
    else if (type == "settings")
        dumpSettings (bytes, read, out);
    else if (type == "soundsetup")
        dumpSoundSetup (bytes, out);
    else if (type == "pool" || type == "bank")
    {
        const bool pool = type == "pool";
        fmt::print (out, "Sound {} listing (empty entries left out)\n", pool ? "pool" : "bank");
        if (pool)
        {
            const auto l = makeSharedSoundPoolListing (bytes.data(), bytes.size());
            for (int i = 0; i < 128; ++i)
                printListingEntry (out, i, l->entries[i]);
        }
        else
        {
            const auto l = makeSharedSoundBankListing (bytes.data(), bytes.size());
            for (int i = 0; i < 256; ++i)
                printListingEntry (out, i, l->entries[i]);
        }
    }
    else if (type == "sessionid")
        fmt::print (out, "Total-recall session id 0x{:08X}\n", *makeSharedSessionId (bytes.data(), bytes.size()));
    else if (type == "pattern")
        fmt::print (out, "Pattern track mute mask 0x{:04X}\n",
                    +makeSharedPatternSettings (bytes.data(), bytes.size())->trackMuteMask);
    else
        return false;
    return true;
}
} // namespace recorddump
