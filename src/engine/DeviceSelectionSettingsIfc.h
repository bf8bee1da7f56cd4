#pragma once

#include "foundation/SafeChangeBroadcaster.h"

#include <juce_core/juce_core.h>

#include <cstdint>

// The stored device selection that the device client follows and updates: the
// stored device and whether a device is chosen automatically. The processor's
// plug-in state implements it.
class DeviceSelectionSettingsIfc
{
public:
    virtual ~DeviceSelectionSettingsIfc() = default;

    // Any thread. The stored device's uid, 0 when none is stored.
    virtual std::int64_t getSelectedDeviceUid() const = 0;

    // Any thread. Whether a device is chosen automatically; true unless stored otherwise.
    virtual bool isAutoSelectDeviceEnabled() const = 0;

    // Any thread. Stores the device and announces the change, even when the
    // value stayed the same.
    virtual void setSelectedDeviceUid (std::int64_t uid) = 0;

    // Any thread. Stores the selected device's name and announces the change.
    virtual void setSelectedDeviceName (const juce::String& name) = 0;

    // Where changes are announced; each change message names the changed setting.
    virtual SafeChangeBroadcaster& getSelectionBroadcaster() = 0;

    // Whether a change message names the stored device or the automatic selection.
    virtual bool isSelectionChange (const juce::String& changeMessage) const = 0;
};
