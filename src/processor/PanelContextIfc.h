#pragma once

#include "foundation/GlobalPreferencesIfc.h"
#include "model/Kit.h"
#include "model/MachineDataUpdateTimer.h"
#include "model/Settings.h"

class SamplePublisher;

// What a parameter panel takes from the processor while it is built, and
// nothing else: the data-update timer its listeners poll on, the device kit
// whose objects it shows and edits, the project settings (active edit track,
// global-mode mask) and the global preferences (for the shared mouse-wheel
// setting), and where audio levels are published for meters (none outside
// the processor). The processor implements it; all of them outlive every panel.
// Message thread.
class PanelContextIfc
{
public:
    virtual ~PanelContextIfc() = default;

    virtual MachineDataUpdateTimer::Provider& getUpdateTimerProvider() = 0;
    virtual Vantu::Kit& getKit() = 0;
    virtual Vantu::Settings& getSettings() = 0;
    virtual GlobalPreferencesIfc& getPreferences() = 0;
    virtual SamplePublisher* findSamplePublisher() { return nullptr; }
};
