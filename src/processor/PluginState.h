#pragma once

#include "foundation/SafeChangeBroadcaster.h"

#include <juce_data_structures/juce_data_structures.h>

#include <cstdint>
#include <mutex>

// Keys of the plug-in state that the engine client reads and writes.
namespace PluginStateIds
{
inline const juce::Identifier root { "PluginSettings" };
inline const juce::Identifier selectedDeviceUid { "SelectedDeviceUID" };
inline const juce::Identifier selectedDeviceName { "SelectedDeviceName" };
inline const juce::Identifier autoSelectDeviceEnabled { "AutoSelectDeviceEnabled" };
} // namespace PluginStateIds

// The processor's settings tree ("PluginSettings"). Every setter broadcasts the name
// of the property it changed, even when the value stayed the same.
class PluginState : public SafeChangeBroadcaster
{
public:
    PluginState();
    explicit PluginState (juce::ValueTree settings);

    // Any thread.
    std::int64_t getInt64Property (const juce::Identifier& id, std::int64_t defaultValue) const;
    bool getBoolProperty (const juce::Identifier& id, bool defaultValue) const;
    juce::String getStringProperty (const juce::Identifier& id, const juce::String& defaultValue = {}) const;

    void setInt64Property (const juce::Identifier& id, std::int64_t value);
    void setBoolProperty (const juce::Identifier& id, bool value);
    void setSelectedDeviceName (const juce::String& name);

    // A copy of the tree (for saving).
    juce::ValueTree copyState() const;

private:
    mutable std::mutex mutex;
    juce::ValueTree settings;
};
