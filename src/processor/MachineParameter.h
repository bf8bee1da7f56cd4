#pragma once

#include "processor/PluginParameter.h"

#include <juce_core/juce_core.h>

class MachineDataObject;

// A host-automatable parameter bound to one identifier of one data object. The
// host reads and writes it as a normalised value from 0 to 1, converted through
// the object's range. Its ID is the identifier's device object id, "@" and the
// track of the description (or the index the processor gives); its name is the
// prefix and the object's display name of the identifier.
class MachineParameter : public PluginParameter
{
public:
    MachineParameter (MachineDataObject* object, const juce::Identifier& id, int index, const juce::String& namePrefix);

    // Any thread (the host's or the message thread).
    float getValue() const override;
    void setValue (float newValue) override;
    float getDefaultValue() const override;

    // The whole name, whatever the length asked for.
    juce::String getName (int maximumStringLength) const override;

    const juce::Identifier& getIdentifier() const { return id; }

    // objectId "@" track (or index when the description names no track).
    static juce::String makeParameterId (const MachineDataObject& object, const juce::Identifier& id, int index);

private:
    MachineDataObject* const object;
    const juce::Identifier id;
};
