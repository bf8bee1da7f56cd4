#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <vector>

class MachineDataObject;
class MachineParameter;

// Creates the host parameters of one data object and group while the processor
// is built (before any device is opened): one MachineParameter per identifier of
// the object's getHostParameterIds (group), in that order, bound to the object
// with addHostParameter and handed to the processor, which owns it from then on.
// A sound passes its track 0..11 and "T<track + 1> ", the effects block 12 and
// "FX ", the kit and the settings 0 and an empty prefix.
std::vector<MachineParameter*> createHostParameters (juce::AudioProcessor& processor, MachineDataObject& object,
                                                     int group, int index, const juce::String& namePrefix);
