#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A 1-unit line across a sound browser area in the current colour, inset 4 on
// the left and 8 on the right; nothing in an area too narrow for it.
inline void drawBrowserRule (juce::Graphics& g, int width, int y)
{
    if (width - 8 > 4)
        g.fillRect (4, y, width - 12, 1);
}
