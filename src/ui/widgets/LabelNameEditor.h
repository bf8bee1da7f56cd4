#pragma once

#include "ui/widgets/SoundNameInputFilter.h"

#include <juce_gui_basics/juce_gui_basics.h>

// In-place editor of a sound's name: edits on a single click, keeps the edit
// when focus is lost, and filters what is typed with SoundNameInputFilter.
class LabelNameEditor : public juce::Label
{
public:
    LabelNameEditor();

    void paint (juce::Graphics& g) override;

    const SoundNameInputFilter& getInputFilter() const { return inputFilter; }

protected:
    void editorShown (juce::TextEditor* editor) override;

private:
    SoundNameInputFilter inputFilter;
};
