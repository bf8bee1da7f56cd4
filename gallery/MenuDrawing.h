#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace gallery
{
// Item heights of a pop-up menu drawn in place.
inline constexpr int menuItemHeight = 18;
inline constexpr int menuSeparatorHeight = 4;

// Draws a pop-up menu's items as the open menu window shows them, the item
// with the given index (separators count) under the mouse; -1 for none.
void drawMenuInPlace (juce::Graphics& g, juce::LookAndFeel& lf, const juce::PopupMenu& menu, int width, int height,
                      int highlightedItem);

// The height drawMenuInPlace fills with the menu's items.
int menuHeight (const juce::PopupMenu& menu);
} // namespace gallery
