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
        t[1] = make<DigitalSnarePanel>;
        t[2] = make<DigitalMetalPanel>;
        t[3] = make<DigitalPercPanel>;
        t[4] = make<DigitalTonePanel>;
        t[5] = make<DigitalChordPanel>;
        t[6] = make<DigitalSnare2Panel>;
        t[7] = make<DigitalClapPanel>;
        t[8] = make<BassDrumHardPanel>;
        t[9] = make<BassDrumClassicPanel>;
        t[10] = make<BassDrumFMPanel>;
        t[11] = make<BassDrumPlasticPanel>;
        t[12] = make<BassDrumSilkyPanel>;
        t[13] = make<BassDrumSharpPanel>;
        t[14] = make<SnareDrumHardPanel>;
        t[15] = make<SnareDrumClassicPanel>;
        t[16] = make<SnareDrumFMPanel>;
        t[17] = make<SnareDrumNaturalPanel>;
        t[18] = make<RimshotHardPanel>;
        t[19] = make<RimshotClassicPanel>;
        t[20] = make<DualVCOPanel>;
        t[21] = make<HandClapClassicPanel>;
        t[22] = make<ClosedHihatClassicPanel>;
        t[23] = make<OpenHihatClassicPanel>;
        t[24] = make<CymbalClassicPanel>;
        t[25] = make<CowbellClassicPanel>;
        t[26] = make<ClosedHihatMetallicPanel>;
        t[27] = make<OpenHihatMetallicPanel>;
        t[28] = make<CymbalMetallicPanel>;
        t[29] = make<CowbellMetallicPanel>;
        t[30] = make<CymbalRidePanel>;
        t[31] = make<HihatBasicPanel>;
        t[32] = make<NoiseGenPanel>;
        t[33] = make<ImpulsePanel>;
        t[36] = make<DigitalToyPanel>;
        t[37] = make<DigitalBitsPanel>;
        t[38] = make<DigitalSuperSawPanel>;
        t[39] = make<VCOPanel>;
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
