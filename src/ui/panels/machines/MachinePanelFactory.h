#pragma once

#include "processor/PanelContextIfc.h"
#include "ui/widgets/Panel.h"

#include <memory>

// The panel of a machine type for a track (0..11; 12 the effects block), as the
// track's machine host builds it; null for a type without a panel.
std::shared_ptr<corvanel::Panel> createMachinePanel (int machineType, PanelContextIfc& context, int trackIndex);

// Whether createMachinePanel builds a panel for the type.
bool hasMachinePanel (int machineType);
