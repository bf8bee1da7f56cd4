#pragma once

// Fixed, ordered lists of parameter identifiers: the effects-block and sound
// groups that the modulation destination editor offers as submenus, and the
// parameters of each machine type in the order its panel refreshes them.
// Built with the identifiers at start-up (see StaticTables.h) and never
// changed afterwards; any thread may read them.

#include "model/tables/MachineTables.h"
#include "model/tables/ParameterIds.h"
#include "model/tables/StaticTables.h"

#include <juce_core/juce_core.h>

#include <array>
#include <vector>

using IdentifierList = std::vector<juce::Identifier>;

namespace ModelTables
{
    struct IdentifierListStore
    {
        IdentifierList fxDelay;
        IdentifierList fxReverb;
        IdentifierList fxDist;
        IdentifierList fxLfo1;
        IdentifierList fxLfo2;
        IdentifierList fxExtIn;
        IdentifierList fxAmp;
        IdentifierList fxFilter;
        IdentifierList fxNone;
        IdentifierList soundFilterBaseWidth;
        IdentifierList soundFilter;
        IdentifierList soundAmp;
        IdentifierList soundLfo1;
        IdentifierList soundLfo2;
        IdentifierList soundNone;
        std::array<IdentifierList, machineTypeCount> machine;   // 34 and 35 stay empty
        IdentifierList empty;
    };

    extern LateConstructed<IdentifierListStore> identifierListStorage;
}

// A group list with the title under which the destination editor shows it
// (empty for the none lists).
struct IdentifierGroupList
{
    const char* title;
    const IdentifierList& ids;
};

inline constexpr const IdentifierList& fxDelayIdList = ModelTables::identifierListStorage.value.fxDelay;
inline constexpr const IdentifierList& fxReverbIdList = ModelTables::identifierListStorage.value.fxReverb;
inline constexpr const IdentifierList& fxDistIdList = ModelTables::identifierListStorage.value.fxDist;
inline constexpr const IdentifierList& fxLfo1IdList = ModelTables::identifierListStorage.value.fxLfo1;
inline constexpr const IdentifierList& fxLfo2IdList = ModelTables::identifierListStorage.value.fxLfo2;
inline constexpr const IdentifierList& fxExtInIdList = ModelTables::identifierListStorage.value.fxExtIn;
inline constexpr const IdentifierList& fxAmpIdList = ModelTables::identifierListStorage.value.fxAmp;
inline constexpr const IdentifierList& fxFilterIdList = ModelTables::identifierListStorage.value.fxFilter;
inline constexpr const IdentifierList& fxNoneIdList = ModelTables::identifierListStorage.value.fxNone;
inline constexpr const IdentifierList& soundFilterBaseWidthIdList = ModelTables::identifierListStorage.value.soundFilterBaseWidth;
inline constexpr const IdentifierList& soundFilterIdList = ModelTables::identifierListStorage.value.soundFilter;
inline constexpr const IdentifierList& soundAmpIdList = ModelTables::identifierListStorage.value.soundAmp;
inline constexpr const IdentifierList& soundLfo1IdList = ModelTables::identifierListStorage.value.soundLfo1;
inline constexpr const IdentifierList& soundLfo2IdList = ModelTables::identifierListStorage.value.soundLfo2;
inline constexpr const IdentifierList& soundNoneIdList = ModelTables::identifierListStorage.value.soundNone;

// The nine effects-block group lists, the last one the none list.
inline constexpr std::array<IdentifierGroupList, 9> fxGroupIdLists {{
    { "Delay", fxDelayIdList },
    { "Reverb", fxReverbIdList },
    { "Dist", fxDistIdList },
    { "Lfo1", fxLfo1IdList },
    { "Lfo2", fxLfo2IdList },
    { "Ext-In", fxExtInIdList },
    { "Amp", fxAmpIdList },
    { "Filter", fxFilterIdList },
    { "", fxNoneIdList },
}};

// The six sound group lists, the last one the none list.
inline constexpr std::array<IdentifierGroupList, 6> soundGroupIdLists {{
    { "Filter", soundFilterBaseWidthIdList },
    { "Filter", soundFilterIdList },
    { "Amp", soundAmpIdList },
    { "Lfo1", soundLfo1IdList },
    { "Lfo2", soundLfo2IdList },
    { "", soundNoneIdList },
}};

// The parameters of each machine type, indexed by machine type; the lists of
// 34 (DISABLE) and 35 (MIDI) are empty.
inline constexpr const std::array<IdentifierList, ModelTables::machineTypeCount>& machineIdLists =
    ModelTables::identifierListStorage.value.machine;

// The list of a machine type; an empty list for 34, 35 and any value outside 0..39.
inline const IdentifierList& machineIdList (int machineType) noexcept
{
    return ModelTables::isMachineType (machineType)
        ? machineIdLists[static_cast<std::size_t> (machineType)]
        : ModelTables::identifierListStorage.value.empty;
}

// A copy of the list of a machine type: empty for 34, 35 and any value outside
// 0..39. Any thread (the lists are complete before the program's entry runs).
inline IdentifierList getMachineIdList (int machineType)
{
    return machineIdList (machineType);
}
