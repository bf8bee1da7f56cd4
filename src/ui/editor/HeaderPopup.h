#pragma once

#include "ui/widgets/modal/QuickModal.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// Where a header button's pop-up goes: its content in the content's scale,
// shown in a QuickModal whose screen area is measured from the button's
// screen position in content units (each edge rounded to the nearest pixel).
namespace HeaderPopup
{
// The scale of the button's parent (the main content): the square root of the
// absolute determinant of its transform, 1 without one.
float scaleOf (const juce::Component& button);

// The pop-up's screen area: (button's screen x - left·s, button's screen y -
// up·s, width·s, height·s), s the parent's scale.
juce::Rectangle<int> areaFor (const juce::Component& button, int left, int up, int width, int height);

// Gives the content the size (in content units) and the parent's transform,
// then shows it in a QuickModal over areaFor(...), which owns it from then on.
// Returns the box (it lives until the pop-up closes).
QuickModal& show (const juce::Component& button, std::unique_ptr<juce::Component> content, juce::Point<int> contentSize,
                  int left, int up, int width, int height);

// Ends the modal state of the first QuickModal among the component's parents
// with the result and hides it (the modal manager then deletes it).
void closeEnclosing (juce::Component& content, int result);
} // namespace HeaderPopup
