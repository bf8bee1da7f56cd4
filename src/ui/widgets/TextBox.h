#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// One-line text field with the colours of the look and feel's colour scheme
// and "Grotesk Text 55" at height 18 (set when the program's look and feel is
// current at construction).
class TextBox : public juce::TextEditor
{
public:
    TextBox();
};
