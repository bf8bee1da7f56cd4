#pragma once

#include <juce_audio_utils/juce_audio_utils.h>

// The band's on-screen keyboard: the framework's horizontal keyboard on the
// processor's keyboard state, with keys drawn in the program's colours (light
// white keys with a note name on each C, dark black keys; held keys shaded).
// Message thread.
class CorvanelMidiKeyboardComponent : public juce::MidiKeyboardComponent
{
public:
    explicit CorvanelMidiKeyboardComponent (juce::MidiKeyboardState& state);

    // The key colours passed in are not used.
    void drawWhiteNote (int midiNoteNumber, juce::Graphics& g, juce::Rectangle<float> area, bool isDown, bool isOver,
                        juce::Colour lineColour, juce::Colour textColour) override;
    void drawBlackNote (int midiNoteNumber, juce::Graphics& g, juce::Rectangle<float> area, bool isDown, bool isOver,
                        juce::Colour noteFillColour) override;
};
