#include "processor/PluginState.h"

PluginState::PluginState() : settings (PluginStateIds::root)
{
    PluginState::upgradeAndSetDefaults();
}

PluginState::~PluginState() = default;

juce::ValueTree PluginState::findSettingsNode() const
{
    return settings.getChildWithName (PluginStateIds::root);
}

juce::ValueTree PluginState::getOrCreateSettingsNode()
{
    auto node = findSettingsNode();
    if (! node.isValid())
    {
        node = juce::ValueTree (PluginStateIds::root);
        settings.appendChild (node, nullptr);
    }
    return node;
}

juce::var PluginState::readProperty (const juce::Identifier& id, const juce::var& defaultValue) const
{
    const juce::ScopedLock sl (lock);
    const auto node = findSettingsNode();
    return node.isValid() ? node.getProperty (id) : defaultValue;
}

void PluginState::storeProperty (const juce::Identifier& id, const juce::var& value)
{
    const juce::ScopedLock sl (lock);
    getOrCreateSettingsNode().setProperty (id, value, nullptr);
    sendChangeMessage (id.toString());
}

void PluginState::setDefault (juce::ValueTree& node, const juce::Identifier& id, const juce::var& value)
{
    if (! node.hasProperty (id))
        node.setProperty (id, value, nullptr);
    sendChangeMessage (id.toString());
}

bool PluginState::getBoolProperty (const juce::Identifier& id, const bool& defaultValue) const
{
    return static_cast<bool> (readProperty (id, defaultValue));
}

void PluginState::setBoolProperty (const juce::Identifier& id, const bool& value)
{
    storeProperty (id, value);
}

int PluginState::getIntProperty (const juce::Identifier& id, const int& defaultValue) const
{
    return static_cast<int> (readProperty (id, defaultValue));
}

void PluginState::setIntProperty (const juce::Identifier& id, const int& value)
{
    storeProperty (id, value);
}

juce::int64 PluginState::getInt64Property (const juce::Identifier& id, const juce::int64& defaultValue) const
{
    return static_cast<juce::int64> (readProperty (id, defaultValue));
}

void PluginState::setInt64Property (const juce::Identifier& id, const juce::int64& value)
{
    storeProperty (id, value);
}

juce::String PluginState::getSelectedDeviceName (const juce::String& defaultValue) const
{
    return readProperty (PluginStateIds::selectedDeviceName, defaultValue).toString();
}

void PluginState::setSelectedDeviceName (const juce::String& name)
{
    storeProperty (PluginStateIds::selectedDeviceName, name);
}

std::int64_t PluginState::getSelectedDeviceUid() const
{
    return getInt64Property (PluginStateIds::selectedDeviceUid, 0);
}

bool PluginState::isAutoSelectDeviceEnabled() const
{
    return getBoolProperty (PluginStateIds::autoSelectDeviceEnabled, true);
}

void PluginState::setSelectedDeviceUid (std::int64_t uid)
{
    setInt64Property (PluginStateIds::selectedDeviceUid, uid);
}

bool PluginState::isSelectionChange (const juce::String& changeMessage) const
{
    return changeMessage == PluginStateIds::autoSelectDeviceEnabled.toString()
        || changeMessage == PluginStateIds::selectedDeviceUid.toString();
}

juce::String PluginState::getSelectedDeviceNameOrDefault() const
{
    return getSelectedDeviceName (noDeviceSelected);
}

bool PluginState::replaceState (const juce::ValueTree& newState)
{
    const juce::ScopedLock sl (lock);
    if (! newState.getChildWithName (PluginStateIds::root).isValid())
        return false;
    settings = newState;
    upgradeAndSetDefaults();
    stateLoaded();
    return true;
}

void PluginState::upgradeAndSetDefaults()
{
    auto node = getOrCreateSettingsNode();
    if (! node.hasProperty (PluginStateIds::autoSelectDeviceEnabled))
        node.setProperty (PluginStateIds::autoSelectDeviceEnabled, ! node.hasProperty (PluginStateIds::selectedDeviceUid),
                          nullptr);
    sendChangeMessage (PluginStateIds::autoSelectDeviceEnabled.toString());

    setDefault (node, PluginStateIds::selectedDeviceUid, 0);
    setDefault (node, PluginStateIds::selectedDeviceName, noDeviceSelected);
    setDefault (node, PluginStateIds::uiScale, 100);
    setDefault (node, PluginStateIds::showKeyboard, false);
}

void PluginState::writeToStream (juce::OutputStream& stream) const
{
    const juce::ScopedLock sl (lock);
    settings.writeToStream (stream);
}
