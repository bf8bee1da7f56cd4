#include "ui/editor/TotalRecallButton.h"

#include "processor/VantuAudioProcessor.h"

TotalRecallButton::TotalRecallButton (VantuAudioProcessor& processorToUse)
    : ActionButton (TRANS ("Total Recall"), {}), processor (processorToUse)
{
    juce::ignoreUnused (processor);
}
