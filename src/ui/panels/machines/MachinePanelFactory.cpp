#include "ui/panels/machines/MachinePanelFactory.h"

#include "model/tables/MachineTables.h"
#include "ui/panels/machines/AnalogMachinePanels.h"
#include "ui/panels/machines/DigitalMachinePanels.h"
#include "ui/panels/machines/MidiMachinePanel.h"

#include <array>
#include <functional>

namespace
{
using Maker = std::shared_ptr<corvanel::Panel> (*) (PanelContextIfc&, int);

template <typename PanelClass>
std::shared_ptr<corvanel::Panel> make (PanelContextIfc& context, int trackIndex)
{
    return std::make_shared<PanelClass> (context, trackIndex);
}

std::shared_ptr<corvanel::Panel> makeMidi (PanelContextIfc&, int)
{
    return std::make_shared<MidiMachinePanel>();
}

// By machine type; null where the type has no panel yet.
const std::array<Maker, ModelTables::machineTypeCount>& makers()
{
    static const auto table = []
    {
        std::array<Maker, ModelTables::machineTypeCount> t {};
        t[0] = make<DigitalKickPanel>;
        t[15] = make<SnareDrumClassicPanel>;
        t[ModelTables::disabledMachineType] = make<NoMachinePanel>;
        t[ModelTables::midiMachineType] = makeMidi;
        return t;
    }();
    return table;
}
} // namespace

bool hasMachinePanel (int machineType)
{
    return ModelTables::isMachineType (machineType) && makers()[static_cast<size_t> (machineType)] != nullptr;
}

std::shared_ptr<corvanel::Panel> createMachinePanel (int machineType, PanelContextIfc& context, int trackIndex)
{
    if (! hasMachinePanel (machineType))
        return nullptr;
    return makers()[static_cast<size_t> (machineType)] (context, trackIndex);
}
