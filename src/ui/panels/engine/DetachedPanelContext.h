#pragma once

#include "foundation/GlobalPreferences.h"
#include "processor/PanelContextIfc.h"

// A panel context without a processor: a kit and settings of their own with no way to the
// device, an update timer that nothing starts (poll() runs one tick by hand)
// and the user's global preferences, read once and not watched. For building
// panels outside the program: the screenshot command, tests, benchmarks.
// Message thread.
class DetachedPanelContext : public PanelContextIfc, public MachineDataUpdateTimer::Provider
{
public:
    DetachedPanelContext() = default;

    MachineDataUpdateTimer::Provider& getUpdateTimerProvider() override { return *this; }
    Vantu::Kit& getKit() override { return kit; }
    Vantu::Settings& getSettings() override { return settings; }
    GlobalPreferencesIfc& getPreferences() override { return preferences; }
    MachineDataUpdateTimer* getMachineDataUpdateTimer() override { return &timer; }

    // One poll of every listener registered with the timer.
    void poll() { timer.timerCallback(); }

private:
    MachineDataUpdateTimer timer;
    GlobalPreferences preferences { true, false };
    Vantu::Kit kit { nullptr };
    Vantu::Settings settings { nullptr };
};
