#pragma once

#include "ui/panels/machines/MachinePanel.h"
#include "ui/panels/machines/specs/MachinePanelSpecs.h"

// The analog machine panels (tracks T9 to T12): each is its machine's table on
// the panel engine, built with the panel context and the track index.

class SnareDrumClassicPanel : public MachinePanel
{
public:
    SnareDrumClassicPanel (PanelContextIfc& context, int trackIndex)
        : MachinePanel (context, trackIndex, MachinePanelSpecs::snareDrumClassic()) {}
};

// DISABLE: watches nothing, shows nothing, never writes, opens no menu.
class NoMachinePanel : public MachinePanel
{
public:
    NoMachinePanel (PanelContextIfc& context, int trackIndex)
        : MachinePanel (context, trackIndex, MachinePanelSpecs::noMachine()) {}
};
