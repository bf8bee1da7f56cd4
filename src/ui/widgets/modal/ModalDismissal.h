#pragma once

#include "platform/ForegroundProbe.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// What the program's modal pop-ups share: the dismiss command, the rules for
// outside clicks and Escape, and the periodic foreground check of their
// launch callbacks. Message thread only.
namespace ModalDismissal
{
// The command a pop-up posts to itself to close (the framework's call-out dismiss id).
constexpr int dismissCommandId = 0x4f83a04b;

// The probe the launch callbacks use unless they are given one (created once).
std::shared_ptr<ForegroundProbe> defaultProbe();

// Posts the dismiss command to the box through the message loop.
inline void postDismiss (juce::Component& box)
{
    box.postCommandMessage (dismissCommandId);
}

// Leaves the modal state with result 0 and hides the box when the command is
// the dismiss command.
inline void handleCommand (juce::Component& box, int commandId)
{
    if (commandId == dismissCommandId)
    {
        box.exitModalState (0);
        box.setVisible (false);
    }
}

// An outside click: a click on the target area closes later (so that it does
// not reopen the box), any other closes at once.
inline void outsideClick (juce::Component& box, juce::Rectangle<int> targetArea, bool clicksAlwaysConsumed)
{
    if (clicksAlwaysConsumed || targetArea.contains (box.getMouseXYRelative() + box.getPosition()))
    {
        postDismiss (box);
        return;
    }
    box.exitModalState (0);
    box.setVisible (false);
}
} // namespace ModalDismissal
