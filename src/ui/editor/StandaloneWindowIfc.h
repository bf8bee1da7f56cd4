#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// What the editor asks of the standalone program's main window, which the
// program's shell implements: the window and its "Options" button, so that the
// editor's header can give both its accent colour. The editor finds the window
// by this type among the desktop's top-level components.
class StandaloneWindowIfc
{
public:
    virtual ~StandaloneWindowIfc() = default;

    virtual juce::ResizableWindow& getMainWindow() = 0;
    // Null while the window has no such button.
    virtual juce::Button* getOptionsButton() = 0;
};
