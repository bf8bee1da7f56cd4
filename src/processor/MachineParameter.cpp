#include "processor/MachineParameter.h"

#include "model/MachineDataObject.h"

juce::String MachineParameter::makeParameterId (const MachineDataObject& object, const juce::Identifier& id, int index)
{
    const auto* info = object.getParameterInfos().find (id);
    const int objectId = info != nullptr ? info->objectId : 0;
    const int trackOrIndex = info != nullptr && info->track >= 0 ? info->track : index;
    return juce::String (objectId) + "@" + juce::String (trackOrIndex);
}

MachineParameter::MachineParameter (MachineDataObject* objectToUse, const juce::Identifier& idToUse, int index, const juce::String& namePrefix)
    : PluginParameter (juce::ParameterID (makeParameterId (*objectToUse, idToUse, index)),
                       namePrefix + objectToUse->getParameterName (idToUse)),
      object (objectToUse),
      id (idToUse)
{
}

float MachineParameter::getValue() const
{
    float value = 0.0f;
    return object->getNormalisedValue (id, value) ? value : 0.0f;
}

void MachineParameter::setValue (float newValue)
{
    object->setValueFromHost (id, newValue);
}

float MachineParameter::getDefaultValue() const
{
    int defaultValue = 0, min = 0, max = 0;
    if (! object->getDefaultValue (id, defaultValue) || ! object->getRange (id, min, max) || max <= min)
        return 0.0f;
    return (float) (defaultValue - min) / (float) (max - min);
}

juce::String MachineParameter::getName (int) const
{
    return name;
}
