#pragma once

#include "ui/panels/machines/MachinePanel.h"
#include "ui/panels/machines/controls/OscillatorControls.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The digital machine panels (tracks T1 to T8, SY RAW on T9 to T11): each is
// its machine's table on the panel engine, built with the panel context and
// the track index.

class DigitalKickPanel : public TableMachinePanel<MachinePanelTables::digitalKick> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalSnarePanel : public TableMachinePanel<MachinePanelTables::digitalSnare> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalMetalPanel : public TableMachinePanel<MachinePanelTables::digitalMetal> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalPercPanel : public TableMachinePanel<MachinePanelTables::digitalPerc> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalTonePanel : public TableMachinePanel<MachinePanelTables::digitalTone> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalChordPanel : public TableMachinePanel<MachinePanelTables::digitalChord> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalSnare2Panel : public TableMachinePanel<MachinePanelTables::digitalSnare2> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalClapPanel : public TableMachinePanel<MachinePanelTables::digitalClap> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalToyPanel : public TableMachinePanel<MachinePanelTables::digitalToy> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalBitsPanel : public TableMachinePanel<MachinePanelTables::digitalBits> { public: using TableMachinePanel::TableMachinePanel; };
class DigitalSuperSawPanel : public TableMachinePanel<MachinePanelTables::digitalSuperSaw>
{
public:
    using TableMachinePanel::TableMachinePanel;
    using SubOscillatorComponent = SubOscillatorControl;   // the octave buttons -2, -1, 0
};
class VCOPanel : public TableMachinePanel<MachinePanelTables::rawOscillator>
{
public:
    using TableMachinePanel::TableMachinePanel;
    using WaveformComponent = OscillatorWaveformControl;   // a grid per oscillator, "Reset" under oscillator 1's
};
