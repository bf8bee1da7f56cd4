#include "ui/panels/modulation/DestinationGroups.h"

#include "model/tables/IdentifierLists.h"
#include "model/tables/MachineTables.h"

std::vector<int> getDestinationGroups (int kind)
{
    using namespace DestinationGroup;
    switch (kind)
    {
        case DestinationBoxKind::lfo1Digital:       return { machine, filterBaseWidth, amp };
        case DestinationBoxKind::lfo2Digital:       return { lfo1, machine, filterBaseWidth, amp };
        case DestinationBoxKind::lfo1Analog:        return { machine, filter, amp };
        case DestinationBoxKind::lfo2Analog:        return { lfo1, machine, filter, amp };
        case DestinationBoxKind::midiSourceDigital: return { lfo1, lfo2, machine, filterBaseWidth, amp };
        case DestinationBoxKind::midiSourceAnalog:  return { lfo1, lfo2, machine, filter, amp };
        case DestinationBoxKind::fxLfo1:            return { delay, reverb, extIn, filter, amp };
        case DestinationBoxKind::fxLfo2:            return { lfo1, delay, reverb, extIn, filter, amp };
        case DestinationBoxKind::all:               return { lfo1, lfo2, delay, reverb, extIn, filter, amp };
        default:                                    return {};
    }
}

juce::String getDestinationGroupName (int group, int machineType)
{
    using namespace DestinationGroup;
    switch (group)
    {
        case amp:             return "Amp";
        case filter:          return "Filter";
        case filterBaseWidth: return "Filter";
        case machine:
            return ModelTables::isMachineType (machineType) ? machineNames[(size_t) machineType] : juce::String ("ERROR");
        case lfo1:            return "Lfo1";
        case lfo2:            return "Lfo2";
        case delay:           return "Delay";
        case reverb:          return "Reverb";
        case dist:            return "Dist";
        case extIn:           return "Ext-In";
        default:              return "Error";
    }
}

std::vector<juce::Identifier> getDestinationGroupIds (int group, bool isFx, int machineType)
{
    using namespace DestinationGroup;
    switch (group)
    {
        case amp:             return isFx ? fxAmpIdList : soundAmpIdList;
        case filter:          return isFx ? fxFilterIdList : soundFilterIdList;
        case filterBaseWidth: return isFx ? IdentifierList() : soundFilterBaseWidthIdList;
        case machine:         return isFx ? IdentifierList() : getMachineIdList (machineType);
        case lfo1:            return isFx ? fxLfo1IdList : soundLfo1IdList;
        case lfo2:            return isFx ? fxLfo2IdList : soundLfo2IdList;
        case delay:           return isFx ? fxDelayIdList : IdentifierList();
        case reverb:          return isFx ? fxReverbIdList : IdentifierList();
        case dist:            return isFx ? fxDistIdList : IdentifierList();
        case extIn:           return isFx ? fxExtInIdList : IdentifierList();
        default:              return {};
    }
}
