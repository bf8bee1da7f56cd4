#pragma once

#include "ui/panels/machines/MachinePanelSpec.h"

// The tables of the machine panels, one per machine type that has a panel of
// parameters. Each is built on first use and never changes.
namespace MachinePanelSpecs
{
    // Analog family.
    const MachinePanelSpec& snareDrumClassic();   // 15 "SD CLASSIC"
    const MachinePanelSpec& noMachine();          // 34 "DISABLE": no columns

    // Digital family.
    const MachinePanelSpec& digitalKick();        // 0 "BD MODERN"
}

// The help text of every overdrive slider.
inline constexpr const char* overdriveHelp =
    "Sets the overdrive (gain increase boost of the amp), located before the multi-mode filter in the signal path.";
