#pragma once

#include "ui/panels/machines/MachinePanel.h"
#include "ui/panels/machines/controls/ButtonRowSelector.h"
#include "ui/panels/machines/specs/MachinePanelSpecs.h"

// The analog machine panels (tracks T9 to T12): each is its machine's table on
// the panel engine, built with the panel context and the track index.

class BassDrumHardPanel : public TableMachinePanel<MachinePanelSpecs::bassDrumHard> { public: using TableMachinePanel::TableMachinePanel; };
class BassDrumClassicPanel : public TableMachinePanel<MachinePanelSpecs::bassDrumClassic> { public: using TableMachinePanel::TableMachinePanel; };
class BassDrumFMPanel : public TableMachinePanel<MachinePanelSpecs::bassDrumFM> { public: using TableMachinePanel::TableMachinePanel; };
class BassDrumPlasticPanel : public TableMachinePanel<MachinePanelSpecs::bassDrumPlastic>
{
public:
    using TableMachinePanel::TableMachinePanel;
    using ModulationTypeComponent = ButtonRowSelector;   // "0" and "1"
};
class BassDrumSilkyPanel : public TableMachinePanel<MachinePanelSpecs::bassDrumSilky> { public: using TableMachinePanel::TableMachinePanel; };
class BassDrumSharpPanel : public TableMachinePanel<MachinePanelSpecs::bassDrumSharp> { public: using TableMachinePanel::TableMachinePanel; };
class SnareDrumHardPanel : public TableMachinePanel<MachinePanelSpecs::snareDrumHard> { public: using TableMachinePanel::TableMachinePanel; };
class SnareDrumClassicPanel : public TableMachinePanel<MachinePanelSpecs::snareDrumClassic> { public: using TableMachinePanel::TableMachinePanel; };
class SnareDrumFMPanel : public TableMachinePanel<MachinePanelSpecs::snareDrumFM> { public: using TableMachinePanel::TableMachinePanel; };
class SnareDrumNaturalPanel : public TableMachinePanel<MachinePanelSpecs::snareDrumNatural> { public: using TableMachinePanel::TableMachinePanel; };
class RimshotHardPanel : public TableMachinePanel<MachinePanelSpecs::rimshotHard> { public: using TableMachinePanel::TableMachinePanel; };
class RimshotClassicPanel : public TableMachinePanel<MachinePanelSpecs::rimshotClassic> { public: using TableMachinePanel::TableMachinePanel; };
class DualVCOPanel : public TableMachinePanel<MachinePanelSpecs::dualVco> { public: using TableMachinePanel::TableMachinePanel; };
class HandClapClassicPanel : public TableMachinePanel<MachinePanelSpecs::handClapClassic> { public: using TableMachinePanel::TableMachinePanel; };
class ClosedHihatClassicPanel : public TableMachinePanel<MachinePanelSpecs::closedHihatClassic> { public: using TableMachinePanel::TableMachinePanel; };
class OpenHihatClassicPanel : public TableMachinePanel<MachinePanelSpecs::openHihatClassic> { public: using TableMachinePanel::TableMachinePanel; };
class CymbalClassicPanel : public TableMachinePanel<MachinePanelSpecs::cymbalClassic> { public: using TableMachinePanel::TableMachinePanel; };
class CowbellClassicPanel : public TableMachinePanel<MachinePanelSpecs::cowbellClassic> { public: using TableMachinePanel::TableMachinePanel; };
class ClosedHihatMetallicPanel : public TableMachinePanel<MachinePanelSpecs::closedHihatMetallic> { public: using TableMachinePanel::TableMachinePanel; };
class OpenHihatMetallicPanel : public TableMachinePanel<MachinePanelSpecs::openHihatMetallic> { public: using TableMachinePanel::TableMachinePanel; };
class CymbalMetallicPanel : public TableMachinePanel<MachinePanelSpecs::cymbalMetallic> { public: using TableMachinePanel::TableMachinePanel; };
class CowbellMetallicPanel : public TableMachinePanel<MachinePanelSpecs::cowbellMetallic> { public: using TableMachinePanel::TableMachinePanel; };
class CymbalRidePanel : public TableMachinePanel<MachinePanelSpecs::cymbalRide>
{
public:
    using TableMachinePanel::TableMachinePanel;
    using RideTypeComponent = ButtonRowSelector;   // "A" to "D"
};
class HihatBasicPanel : public TableMachinePanel<MachinePanelSpecs::hihatBasic> { public: using TableMachinePanel::TableMachinePanel; };
class NoiseGenPanel : public TableMachinePanel<MachinePanelSpecs::noiseGen> { public: using TableMachinePanel::TableMachinePanel; };
class ImpulsePanel : public TableMachinePanel<MachinePanelSpecs::impulse>
{
public:
    using TableMachinePanel::TableMachinePanel;
    using PolarityComponent = ButtonRowSelector;   // the icon font's "4" and "5"
};

// DISABLE: watches nothing, shows nothing, never writes, opens no menu.
class NoMachinePanel : public TableMachinePanel<MachinePanelSpecs::noMachine> { public: using TableMachinePanel::TableMachinePanel; };
