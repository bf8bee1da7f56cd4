#include "processor/HostParameterCreation.h"

#include "model/MachineDataObject.h"
#include "processor/MachineParameter.h"

std::vector<MachineParameter*> createHostParameters (juce::AudioProcessor& processor, MachineDataObject& object,
                                                     int group, int index, const juce::String& namePrefix)
{
    std::vector<MachineParameter*> created;
    for (const auto& id : object.getHostParameterIds (group))
    {
        auto parameter = std::make_unique<MachineParameter> (&object, id, index, namePrefix);
        object.addHostParameter (id, parameter.get());
        created.push_back (parameter.get());
        processor.addParameter (parameter.release());
    }
    return created;
}
