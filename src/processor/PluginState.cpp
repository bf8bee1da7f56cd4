#include "processor/PluginState.h"

PluginState::PluginState() : PluginState (juce::ValueTree (PluginStateIds::root)) {}

PluginState::PluginState (juce::ValueTree tree) : settings (std::move (tree)) {}

std::int64_t PluginState::getInt64Property (const juce::Identifier& id, std::int64_t defaultValue) const
{
    std::lock_guard lock (mutex);
    if (! settings.isValid() || ! settings.hasProperty (id))
        return defaultValue;
    return static_cast<std::int64_t> (static_cast<juce::int64> (settings.getProperty (id)));
}

bool PluginState::getBoolProperty (const juce::Identifier& id, bool defaultValue) const
{
    std::lock_guard lock (mutex);
    if (! settings.isValid() || ! settings.hasProperty (id))
        return defaultValue;
    return static_cast<bool> (settings.getProperty (id));
}

juce::String PluginState::getStringProperty (const juce::Identifier& id, const juce::String& defaultValue) const
{
    std::lock_guard lock (mutex);
    if (! settings.isValid())
        return defaultValue;
    return settings.getProperty (id, defaultValue).toString();
}

void PluginState::setInt64Property (const juce::Identifier& id, std::int64_t value)
{
    {
        std::lock_guard lock (mutex);
        if (settings.isValid())
            settings.setProperty (id, static_cast<juce::int64> (value), nullptr);
    }
    sendChangeMessage (id.toString());
}

void PluginState::setBoolProperty (const juce::Identifier& id, bool value)
{
    {
        std::lock_guard lock (mutex);
        if (settings.isValid())
            settings.setProperty (id, value, nullptr);
    }
    sendChangeMessage (id.toString());
}

void PluginState::setSelectedDeviceName (const juce::String& name)
{
    {
        std::lock_guard lock (mutex);
        if (settings.isValid())
            settings.setProperty (PluginStateIds::selectedDeviceName, name, nullptr);
    }
    sendChangeMessage (PluginStateIds::selectedDeviceName.toString());
}

juce::ValueTree PluginState::copyState() const
{
    std::lock_guard lock (mutex);
    return settings.createCopy();
}
