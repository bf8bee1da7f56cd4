#include "ui/panels/modulation/ShowModulationPopupMenu.h"

namespace ModulationPopupMenuOpening
{
int openFor (MachineDataObject& object, ModulationPopupMenu& menu)
{
    const auto* info = object.getParameterInfos().find (menu.getParameterId());
    if (info == nullptr)
        return 0;

    menu.setDestinationValue (info->slot * 256);
    return menu.showMenu();
}

void resetToDefault (const MachineDataObject& object, const juce::Identifier& id, MachineDataObject* target)
{
    int defaultValue = 0;
    if (! object.getDefaultValue (id, defaultValue) || id.isNull() || target == nullptr)
        return;
    target->setValueFromGui (id, defaultValue);
}
}
