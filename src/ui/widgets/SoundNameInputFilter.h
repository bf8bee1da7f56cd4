#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Limits typed or pasted text to what the device's sound names can hold: at
// most 16 characters, upper case, from the device's character set. Lower-case
// accented letters that the device has are mapped to their capitals; every
// other character is dropped.
class SoundNameInputFilter : public juce::TextEditor::InputFilter
{
public:
    static constexpr int maximumLength = 16;

    juce::String filterNewText (juce::TextEditor& editor, const juce::String& newInput) override;

    // The filtering of the input alone, for room characters of space left.
    static juce::String filterText (const juce::String& input, int room);

    static bool isAllowed (juce::juce_wchar character);
};
