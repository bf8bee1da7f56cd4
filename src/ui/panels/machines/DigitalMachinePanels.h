#pragma once

#include "ui/panels/machines/MachinePanel.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The digital machine panels (tracks T1 to T8, SY RAW on T9 to T11): each is
// its machine's table on the panel engine, built with the panel context and
// the track index.

class DigitalKickPanel : public MachinePanel
{
public:
    DigitalKickPanel (PanelContextIfc& context, int trackIndex)
        : MachinePanel (context, trackIndex, MachinePanelTables::digitalKick()) {}
};
