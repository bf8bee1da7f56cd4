#include "model/storage/ByteOrder.h"
#include "model/storage/RangeCheck.h"
#include "model/storage/ReaderDetail.h"
#include "model/storage/Serializer.h"
#include "model/storage/StorageIndexTables.h"

#include <cstdio>
#include <cstring>

namespace Vantu
{
namespace
{
using rangeCheck::checked;
using rangeCheck::s8;
} // namespace

bool Serializer::readSound (soundData_t* dst, const soundStorageContainer_t* src)
{
    if (dst == nullptr || src == nullptr)
        return false;
    const auto& s = src->v5;
    const auto version = soundVersionOf (*src);
    if (version != 5)
    {
        std::printf ("ERROR! Serializer::readSound() Wrong version: %d\n", int (version));
        return false;
    }

    dst->tags = s.tags;
    readerDetail::readName (dst->name, s.name, "SOUND");

    std::memset (dst->params, 0, sizeof (dst->params));
    for (int k = 0; k < kSoundStoredParams; ++k)
        dst->params[indexTables::sound[std::size_t (k)]] = bytes::load<std::int16_t> (&s, soundOffsets::word (k));
    readerDetail::convertLfoDestinations (dst->params, indexTables::sound);

    const auto& setup = s.setupParameters;
    dst->machineType = static_cast<std::int8_t> (
        checked ("src->setupParameters.machineType", s8 (setup.machineType), -1, 39, 0));
    dst->velocityVolMode = static_cast<std::uint8_t> (
        checked ("src->setupParameters.velocityVolMode", s8 (setup.velocityVolMode), 0, 3, 2));
    dst->envResetMask = static_cast<std::uint8_t> (
        checked ("src->setupParameters.envResetMask", s8 (setup.envResetMask), 0, 3, 0));
    dst->filterKeyTracking = static_cast<std::uint8_t> (
        checked ("src->setupParameters.filterKeyTracking", s8 (setup.filterKeyTracking), 0, 100, 0));
    dst->transposable = static_cast<std::uint8_t> (
        checked ("src->setupParameters.transposable", s8 (setup.transposable), 0, 1, 1));
    dst->pitchbendDepth = static_cast<std::uint8_t> (
        checked ("src->setupParameters.pitchbend_depth", s8 (setup.pitchbend_depth), 0, 60, 2));
    dst->transpose = static_cast<std::int8_t> (
        checked ("src->setupParameters.transpose", setup.transpose, -60, 60, 0));

    for (int block = 0; block < kModSources; ++block)
        for (int e = 0; e < kModEntries; ++e)
        {
            const std::size_t at = soundOffsets::modulation + std::size_t (12 * block + 3 * e);
            dst->modulation[block][e].depth = bytes::load<std::int16_t> (&s, at);
            const int d = reinterpret_cast<const std::uint8_t*> (&s)[at + 2];
            dst->modulation[block][e].slot = static_cast<std::int16_t> (indexTables::slotOf (indexTables::sound, d));
        }

    dst->playMode = checked ("src->playMode", s8 (s.playMode), 2, 3, 2);
    dst->monoNotePriority = checked ("src->mono_note_priority", s8 (s.mono_note_priority), 0, 2, 0);
    dst->portamentoAmount = static_cast<std::uint8_t> (
        checked ("src->portamentoAmount", s8 (s.portamentoAmount), 0, 100, 100));
    dst->portamentoType = checked ("src->portamentoType", s8 (s.portamentoType), 0, 2, 0);
    dst->portamentoStyle = checked ("src->portamentoStyle", s8 (s.portamentoStyle), 0, 1, 0);
    dst->portamentoSlope = checked ("src->portamentoSlope", s8 (s.portamentoSlope), 0, 1, 1);
    dst->portamentoGating = checked ("src->portamentoGating", s8 (s.portamentoGating), 0, 1, 0);
    return true;
}
} // namespace Vantu
