#include "ui/editor/MainTabComponent.h"

void MainTabComponent::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    if (! wheelFlag)
        juce::Component::mouseWheelMove (e, wheel);
}
