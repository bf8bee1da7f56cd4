#pragma once

#include "model/MachineDataObject.h"
#include "ui/panels/modulation/ModulationPopupMenu.h"

// The whole right-click opening of a parameter menu, for the parameter that
// the owner chose with ModulationPopupMenu::setParameterId:
// - nothing when object does not register the parameter;
// - else the destination value is set to the parameter's destination index
//   times 256, the menu is built, shown modally and a chosen source applied;
// - for "Reset to default value", object's default of the parameter is written
//   through setValueFromGui of the data object that listener watches (nothing
//   when there is no default, no parameter or no watched object).
// Returns once the menu has closed. When the owner of the menu and the
// listener is destroyed while the menu is open, nothing is touched afterwards.
// Message thread.
//
// Generic over the listener's owner class (MachineDataObject, Vantu::Sound,
// Vantu::Fx), so panels whose listener watches the effects block can use it.
template <typename Owner>
void showModulationPopupMenu (MachineDataObject& object, ModulationPopupMenu& menu,
                              MachineDataObject::Listener<int, Owner>& listener);

namespace ModulationPopupMenuOpening
{
    // Steps up to applying the choice: the chosen item id, 0 when nothing was
    // shown, the menu was dismissed, or the menu was destroyed while open.
    int openFor (MachineDataObject& object, ModulationPopupMenu& menu);

    // The reset of "Reset to default value": object's default of id written to target.
    void resetToDefault (const MachineDataObject& object, const juce::Identifier& id, MachineDataObject* target);
}

template <typename Owner>
void showModulationPopupMenu (MachineDataObject& object, ModulationPopupMenu& menu,
                              MachineDataObject::Listener<int, Owner>& listener)
{
    // Copied first: after the modal step only a result of resetItemId means
    // that the menu and the listener are still there.
    const juce::Identifier id = menu.getParameterId();

    if (ModulationPopupMenuOpening::openFor (object, menu) == ModulationPopupMenu::resetItemId)
        ModulationPopupMenuOpening::resetToDefault (object, id, listener.getOwner());
}
