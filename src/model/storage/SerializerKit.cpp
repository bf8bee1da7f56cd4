#include "model/storage/ByteOrder.h"
#include "model/storage/RangeCheck.h"
#include "model/storage/ReaderDetail.h"
#include "model/storage/Serializer.h"
#include "model/storage/StorageTableAccess.h"

#include <cstdio>
#include <cstring>

namespace Vantu
{
namespace
{
using rangeCheck::checked;
using rangeCheck::s8;

constexpr int kTrigValueFallbacks[4] = { 16, 32, 64, 127 };

void readFxBlock (std::int16_t* fxSlots, const kitFxParams_t& fx)
{
    if (fx.version != 1)
    {
        std::printf ("ERROR! Serializer::readFxParams() Wrong version: %d\n", int (fx.version));
        makeDefaultFxData (fxSlots);
        return;
    }
    std::memset (fxSlots, 0, sizeof (std::int16_t) * kRuntimeSlots);
    for (std::size_t k = 0; k < indexTables::fx.size(); ++k)
        fxSlots[indexTables::fx[k]] = bytes::load<std::int16_t> (&fx, offsetof (kitFxParams_t, params) + 2 * k);
    readerDetail::convertLfoDestinations (fxSlots, indexTables::fx);
}

void readTrig (kitTrigData_t& dst, const kitTrigEntry_t& src)
{
    dst.trig = static_cast<std::int8_t> (checked ("src->trig", s8 (src.trig), 0, 1, 1));
    dst.paramIdx = static_cast<std::int8_t> (checked ("src->param_idx", s8 (src.param_idx), 0, 32, 0));
    for (int i = 0; i < 4; ++i)
    {
        const auto word = bytes::load<std::uint16_t> (&src, offsetof (kitTrigEntry_t, values) + 2 * std::size_t (i));
        const int value = static_cast<std::int8_t> (word & 0xFF);
        dst.values[i] = static_cast<std::int16_t> (
            rangeCheck::atLeast ("src->values[i]", value, 0, kTrigValueFallbacks[i]));
    }
}

// Trig entries 3 and 4 name an assignable destination; each track resolves it
// to a slot of its own machine type. A track whose machine type is not a
// valid one gets -1.
void resolveTrackParamIndices (kitTrigData_t& trig, const kitData_t& kit)
{
    for (int t = 0; t < kKitTracks; ++t)
    {
        const int m = kit.sounds[t].machineType;
        trig.trackParamIndex[t] = static_cast<std::int16_t> (
            (m >= 0 && m <= 39 && trig.paramIdx >= 0 && trig.paramIdx <= 32)
                ? storageTables::assignableDestinationSlot (m, trig.paramIdx)
                : -1);
    }
    trig.trackParamIndex[12] = static_cast<std::int16_t> (storageTables::assignableDestinationSlot (40, trig.paramIdx));
}
} // namespace

bool Serializer::readFxParams (midiParameterData_t* dst, const kitMidiParams_t* src)
{
    if (dst == nullptr || src == nullptr)
        return false;
    if (src->version != 0)
    {
        std::printf ("ERROR! Serializer::readFxParams() Wrong version: %d\n", int (src->version));
        return false;
    }
    std::memset (dst->params, 0, sizeof (dst->params));
    for (std::size_t k = 0; k < indexTables::midi.size(); ++k)
        dst->params[indexTables::midi[k]] = bytes::load<std::int16_t> (src, offsetof (kitMidiParams_t, params) + 2 * k);
    readerDetail::convertLfoDestinations (dst->params, indexTables::midi);
    dst->extra = src->extra;
    return true;
}

bool Serializer::readKit (kitData_t* dst, const kitStorageContainer_t* src)
{
    if (dst == nullptr || src == nullptr)
        return false;
    if (src->version != 7)
    {
        std::printf ("ERROR! Serializer::readKit() Wrong version: %d\n", int (src->version));
        return false;
    }
    const auto& k = src->v7;

    readerDetail::readName (dst->name, k.name, "KIT");
    for (int i = 0; i < kKitTrackLevels; ++i)
    {
        const auto level = bytes::load<std::int16_t> (&k, kitOffsets::trackLevel + 2 * std::size_t (i));
        dst->trackLevel[i] = static_cast<std::int16_t> (checked ("src->trackLevel[i]", level, 0, 0x7F00, 25600));
    }

    for (int t = 0; t < kKitTracks; ++t)
    {
        soundStorageContainer_t sound;
        std::memcpy (&sound, &k.sounds[t], sizeof (soundStorage_v5_t));
        std::memset (&dst->sounds[t], 0, sizeof (soundData_t));
        if (! readSound (&dst->sounds[t], &sound))
            makeDefaultSoundData (&dst->sounds[t], kDefaultTrackMachineTypes[t]);
    }

    readFxBlock (dst->fxParams, k.fxParams);

    for (int t = 0; t < kKitTracks; ++t)
    {
        std::memset (&dst->midiParams[t], 0, sizeof (midiParameterData_t));
        if (! readFxParams (&dst->midiParams[t], &k.midiParams[t]))
            makeDefaultMidiParameters (&dst->midiParams[t]);
    }

    const int mainMask = k.track_mute_from_main_mask;
    dst->trackMuteFromMainMask = static_cast<std::int16_t> (
        rangeCheck::atLeast ("src->track_mute_from_main_mask", mainMask, -1, -1));
    const int fxMask = k.track_mute_from_fx_mask;
    dst->trackMuteFromFxMask = static_cast<std::int16_t> (
        checked ("src->track_mute_from_fx_mask", fxMask, -1, 0x3FFF, -1));
    dst->thirdMask = k.thirdMask;

    for (int n = 0; n < kKitTrigEntries; ++n)
    {
        auto& trig = dst->trigs[n];
        std::memset (&trig, 0, sizeof (trig));
        readTrig (trig, k.trigs[n]);
        if (n >= 2)
            resolveTrackParamIndices (trig, *dst);
    }
    return true;
}
} // namespace Vantu
