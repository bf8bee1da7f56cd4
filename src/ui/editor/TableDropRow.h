#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The row of a sound browser table under a dragged item, from the pointer in
// the table's coordinates: the list's rows start 8 units below the pointer's
// hot spot, the division truncates toward zero. A pointer beside the table, above
// its list's viewport (over the column header) or past the rows gives -1.
// Message thread.
inline int tableDropRow (const juce::TableListBox& table, juce::Point<int> position, int numRows)
{
    const auto* viewport = table.getViewport();
    if (position.x < 0 || position.x >= table.getWidth() || viewport == nullptr || position.y < viewport->getY())
        return -1;
    const int row = (position.y - 8 + viewport->getViewPositionY() - viewport->getY()) / table.getRowHeight();
    return row >= 0 && row < numRows ? row : -1;
}
