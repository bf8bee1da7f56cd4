#pragma once

#include "engine/DeviceSelectionSettingsIfc.h"
#include "foundation/SafeChangeBroadcaster.h"

#include <juce_data_structures/juce_data_structures.h>

#include <cstdint>

// Keys of the plug-in state that every device processor has. Each change message
// of the state is the changed key's own string.
namespace PluginStateIds
{
inline const juce::Identifier root { "PluginSettings" };
inline const juce::Identifier autoSelectDeviceEnabled { "AutoSelectDeviceEnabled" };
inline const juce::Identifier selectedDeviceUid { "SelectedDeviceUID" };
inline const juce::Identifier selectedDeviceName { "SelectedDeviceName" };
inline const juce::Identifier uiScale { "UIScale" };
inline const juce::Identifier showKeyboard { "ShowKeyboard" };
} // namespace PluginStateIds

// The plug-in's persistent property bag: a "PluginSettings" tree whose one
// "PluginSettings" child (the settings node) holds every property. Shared by the
// processor, the engine client, the editor and the shell's controls.
//
// Every access is guarded by one re-entrant lock, so a derived class may call a
// setter while it holds it. Every setter posts the key's name as a change message
// (also when the value did not change); messages reach the listeners on the
// message thread in the order they were posted. The device client reads and
// stores its device selection through it.
class PluginState : public SafeChangeBroadcaster,
                    public DeviceSelectionSettingsIfc
{
public:
    static inline const juce::String noDeviceSelected { "No Device Selected" };

    // A new tree completed with this class's defaults (a derived class's own
    // upgradeAndSetDefaults does not run from here: the factory calls it).
    PluginState();
    ~PluginState() override;

    // Called just before the tree is written to the state stream.
    virtual void prepareToSave() {}

    // Called after a whole new tree was installed by replaceState.
    virtual void stateLoaded() {}

    // Installs newState when it has a settings node (the root's own type is not
    // looked at), upgrades and completes it, then calls stateLoaded: true. A tree
    // without a settings node changes nothing: false. Any thread.
    virtual bool replaceState (const juce::ValueTree& newState);

    // Completes the tree with the defaults of the keys that are absent and posts
    // every key's name. Takes no lock: callers hold it or run before the state is
    // shared.
    virtual void upgradeAndSetDefaults();

    // Typed access, any thread. A key missing from an existing settings node reads
    // as false, 0 or empty; the default applies only when there is no settings node.
    bool getBoolProperty (const juce::Identifier& id, const bool& defaultValue) const;
    void setBoolProperty (const juce::Identifier& id, const bool& value);
    int getIntProperty (const juce::Identifier& id, const int& defaultValue) const;
    void setIntProperty (const juce::Identifier& id, const int& value);
    juce::int64 getInt64Property (const juce::Identifier& id, const juce::int64& defaultValue) const;
    void setInt64Property (const juce::Identifier& id, const juce::int64& value);

    juce::String getSelectedDeviceName (const juce::String& defaultValue) const;
    void setSelectedDeviceName (const juce::String& name) override;
    juce::String getSelectedDeviceNameOrDefault() const;

    // DeviceSelectionSettingsIfc: "SelectedDeviceUID" (0 without a settings
    // node) and "AutoSelectDeviceEnabled" (true without a settings node).
    std::int64_t getSelectedDeviceUid() const override;
    bool isAutoSelectDeviceEnabled() const override;
    void setSelectedDeviceUid (std::int64_t uid) override;
    SafeChangeBroadcaster& getSelectionBroadcaster() override { return *this; }
    bool isSelectionChange (const juce::String& changeMessage) const override;

    // The state stream: the whole tree in the framework's value-tree stream
    // format, written under the lock.
    void writeToStream (juce::OutputStream& stream) const;

    // The lock that guards the tree (re-entrant).
    juce::CriticalSection& getLock() const noexcept { return lock; }

protected:
    // The settings node, or an invalid tree when there is none. Caller holds the lock.
    juce::ValueTree findSettingsNode() const;

    // The settings node, appended as the last child of the root when missing.
    // Caller holds the lock (or runs before the state is shared).
    juce::ValueTree getOrCreateSettingsNode();

    // Sets a property on the settings node and posts the key's name, under the lock.
    void storeProperty (const juce::Identifier& id, const juce::var& value);

    // Sets the key to value when it is absent; posts the key's name either way.
    void setDefault (juce::ValueTree& node, const juce::Identifier& id, const juce::var& value);

    mutable juce::CriticalSection lock;
    juce::ValueTree settings;

private:
    juce::var readProperty (const juce::Identifier& id, const juce::var& defaultValue) const;

    JUCE_DECLARE_NON_COPYABLE (PluginState)
};
