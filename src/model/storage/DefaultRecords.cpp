#include "model/storage/Serializer.h"
#include "model/storage/StorageTableAccess.h"

#include <cstring>

namespace Vantu
{
namespace
{
// Machine types whose default sound plays its amp in the second mode.
bool ampModeDefaultOn (int machineType)
{
    return machineType == 4 || machineType == 5 || machineType == 20 || machineType == 37;
}
} // namespace

void makeDefaultSoundData (soundData_t* dst, int machineType)
{
    if (dst == nullptr)
        return;
    std::memset (dst, 0, sizeof (*dst));
    dst->machineType = static_cast<std::int8_t> (machineType);
    dst->velocityVolMode = 2;
    dst->filterKeyTracking = 0;
    dst->transposable = 1;
    dst->pitchbendDepth = 2;
    dst->transpose = 0;
    for (int s = 0; s < kRuntimeSlots; ++s)
        dst->params[s] = static_cast<std::int16_t> (
            storageTables::soundSlotDefault (s, machineType, ampModeDefaultOn (machineType)));
    dst->playMode = 2;
    dst->monoNotePriority = 0;
    dst->portamentoAmount = 100;
}

void makeDefaultFxData (std::int16_t* fxSlots)
{
    if (fxSlots == nullptr)
        return;
    for (int s = 0; s < kRuntimeSlots; ++s)
        fxSlots[s] = static_cast<std::int16_t> (storageTables::fxSlotDefault (s));
}

void makeDefaultMidiParameters (midiParameterData_t* dst)
{
    if (dst == nullptr)
        return;
    std::memset (dst, 0, sizeof (*dst));
    for (int s = 0; s < kRuntimeSlots; ++s)
        dst->params[s] = static_cast<std::int16_t> (storageTables::midiSlotDefault (s));
    dst->extra = 0;
}
} // namespace Vantu
