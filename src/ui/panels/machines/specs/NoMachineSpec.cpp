#include "ui/panels/machines/specs/MachinePanelSpecs.h"

const MachinePanelSpec& MachinePanelSpecs::noMachine()
{
    static const MachinePanelSpec spec { ModelTables::disabledMachineType, &analogFamily, {} };
    return spec;
}
