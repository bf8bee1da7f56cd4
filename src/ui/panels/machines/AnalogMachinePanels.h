#pragma once

#include "ui/panels/machines/MachinePanel.h"
#include "ui/panels/machines/controls/ButtonRowSelector.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The analog machine panels (tracks T9 to T12): each is its machine's table on
// the panel engine, built with the panel context and the track index.

class BassDrumHardPanel : public TableMachinePanel<MachinePanelTables::bassDrumHard> { public: using TableMachinePanel::TableMachinePanel; };
class BassDrumClassicPanel : public TableMachinePanel<MachinePanelTables::bassDrumClassic> { public: using TableMachinePanel::TableMachinePanel; };
class BassDrumFMPanel : public TableMachinePanel<MachinePanelTables::bassDrumFM> { public: using TableMachinePanel::TableMachinePanel; };
class BassDrumPlasticPanel : public TableMachinePanel<MachinePanelTables::bassDrumPlastic>
{
public:
    using TableMachinePanel::TableMachinePanel;
    using ModulationTypeComponent = ButtonRowSelector;   // "0" and "1"
};
class BassDrumSilkyPanel : public TableMachinePanel<MachinePanelTables::bassDrumSilky> { public: using TableMachinePanel::TableMachinePanel; };
class BassDrumSharpPanel : public TableMachinePanel<MachinePanelTables::bassDrumSharp> { public: using TableMachinePanel::TableMachinePanel; };
class SnareDrumHardPanel : public TableMachinePanel<MachinePanelTables::snareDrumHard> { public: using TableMachinePanel::TableMachinePanel; };
class SnareDrumClassicPanel : public TableMachinePanel<MachinePanelTables::snareDrumClassic> { public: using TableMachinePanel::TableMachinePanel; };
class SnareDrumFMPanel : public TableMachinePanel<MachinePanelTables::snareDrumFM> { public: using TableMachinePanel::TableMachinePanel; };
class SnareDrumNaturalPanel : public TableMachinePanel<MachinePanelTables::snareDrumNatural> { public: using TableMachinePanel::TableMachinePanel; };
class RimshotHardPanel : public TableMachinePanel<MachinePanelTables::rimshotHard> { public: using TableMachinePanel::TableMachinePanel; };
class RimshotClassicPanel : public TableMachinePanel<MachinePanelTables::rimshotClassic> { public: using TableMachinePanel::TableMachinePanel; };
class DualVCOPanel : public TableMachinePanel<MachinePanelTables::dualVco> { public: using TableMachinePanel::TableMachinePanel; };
class HandClapClassicPanel : public TableMachinePanel<MachinePanelTables::handClapClassic> { public: using TableMachinePanel::TableMachinePanel; };
class ClosedHihatClassicPanel : public TableMachinePanel<MachinePanelTables::closedHihatClassic> { public: using TableMachinePanel::TableMachinePanel; };
class OpenHihatClassicPanel : public TableMachinePanel<MachinePanelTables::openHihatClassic> { public: using TableMachinePanel::TableMachinePanel; };
class CymbalClassicPanel : public TableMachinePanel<MachinePanelTables::cymbalClassic> { public: using TableMachinePanel::TableMachinePanel; };
class CowbellClassicPanel : public TableMachinePanel<MachinePanelTables::cowbellClassic> { public: using TableMachinePanel::TableMachinePanel; };
class ClosedHihatMetallicPanel : public TableMachinePanel<MachinePanelTables::closedHihatMetallic> { public: using TableMachinePanel::TableMachinePanel; };
class OpenHihatMetallicPanel : public TableMachinePanel<MachinePanelTables::openHihatMetallic> { public: using TableMachinePanel::TableMachinePanel; };
class CymbalMetallicPanel : public TableMachinePanel<MachinePanelTables::cymbalMetallic> { public: using TableMachinePanel::TableMachinePanel; };
class CowbellMetallicPanel : public TableMachinePanel<MachinePanelTables::cowbellMetallic> { public: using TableMachinePanel::TableMachinePanel; };
class CymbalRidePanel : public TableMachinePanel<MachinePanelTables::cymbalRide>
{
public:
    using TableMachinePanel::TableMachinePanel;
    using RideTypeComponent = ButtonRowSelector;   // "A" to "D"
};
class HihatBasicPanel : public TableMachinePanel<MachinePanelTables::hihatBasic> { public: using TableMachinePanel::TableMachinePanel; };
class NoiseGenPanel : public TableMachinePanel<MachinePanelTables::noiseGen> { public: using TableMachinePanel::TableMachinePanel; };
class ImpulsePanel : public TableMachinePanel<MachinePanelTables::impulse>
{
public:
    using TableMachinePanel::TableMachinePanel;
    using PolarityComponent = ButtonRowSelector;   // the icon font's "4" and "5"
};

// DISABLE: watches nothing, shows nothing, never writes, opens no menu.
class NoMachinePanel : public TableMachinePanel<MachinePanelTables::noMachine> { public: using TableMachinePanel::TableMachinePanel; };
