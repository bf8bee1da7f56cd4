#pragma once

#include "ui/widgets/MouseWheelValueChangeEnabler.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The base of the editor's two sections ("Kit Editor" and "Sound Browser").
// While the wheel flag is set a mouse-wheel event ends at the section;
// otherwise it goes on to the parent. The flag follows the shared
// "SliderMouseWheel" value once the main content has referred the section to
// it. Message thread only.
class MainTabComponent : public juce::Component, public MouseWheelValueChangeEnabler
{
public:
    MainTabComponent() = default;

    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

    // MouseWheelValueChangeEnabler (message thread): sets the wheel flag.
    void setScrollWheelEnabled (bool enabled) override { wheelFlag = enabled; }

    // The section's own tab that a return to it selects as the volatile state's
    // track: the kit editor answers its current tab index (0 to 11 are the
    // tracks); a section without track tabs answers -1.
    virtual int getCurrentTabIndex() const { return -1; }

    bool wheelFlag = false;
};
