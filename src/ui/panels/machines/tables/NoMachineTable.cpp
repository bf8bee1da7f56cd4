#include "ui/panels/machines/tables/MachinePanelTables.h"

const MachinePanelTable& MachinePanelTables::noMachine()
{
    static const MachinePanelTable table { ModelTables::disabledMachineType, &analogFamily, {} };
    return table;
}
