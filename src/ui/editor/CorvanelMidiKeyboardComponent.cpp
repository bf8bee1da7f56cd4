#include "ui/editor/CorvanelMidiKeyboardComponent.h"

#include "ui/lookandfeel/CorvanelFonts.h"

namespace
{
const juce::Colour whiteKey (0xfff0f0f0);
const juce::Colour keyLine (0xff1f1f1f);
const juce::Colour whiteKeyDown (0x801f1f1f);
const juce::Colour blackKeyEdge (0xff1e1e1e);
const juce::Colour blackKeyTop (0xff2b2b2b);
const juce::Colour blackKeyDown (0x80f0f0f0);

// A rectangle whose negative sides become 0.
juce::Rectangle<float> rect (float x, float y, float w, float h)
{
    return { x, y, juce::jmax (0.0f, w), juce::jmax (0.0f, h) };
}
} // namespace

CorvanelMidiKeyboardComponent::CorvanelMidiKeyboardComponent (juce::MidiKeyboardState& state)
    : juce::MidiKeyboardComponent (state, juce::KeyboardComponentBase::horizontalKeyboard)
{
}

void CorvanelMidiKeyboardComponent::drawWhiteNote (int midiNoteNumber, juce::Graphics& g, juce::Rectangle<float> area,
                                                   bool isDown, bool, juce::Colour, juce::Colour)
{
    const float x = area.getX(), y = area.getY(), w = area.getWidth(), h = area.getHeight();
    g.setColour (whiteKey);
    g.fillRect (area);
    g.setColour (keyLine);
    g.drawRect (rect (x, y, w + 1.0f, h), 1.0f);
    if (isDown)
    {
        g.setColour (whiteKeyDown);
        g.fillRect (rect (x + 1.0f, y + 1.0f, w - 1.0f, h - 2.0f));
    }
    const auto text = getWhiteNoteText (midiNoteNumber);
    if (text.isNotEmpty())
    {
        // In the colour drawn last: the outline's, or the shade of a held key.
        g.setFont (CorvanelFonts::atPoints (CorvanelFonts::text65, 10.0f));
        // Names a little too wide for a key ("C-1") are narrowed, not cut.
        g.drawFittedText (text, rect (x + 1.0f, y, w - 1.0f, h - 2.0f).toNearestInt(),
                          juce::Justification::centredBottom, 1, 0.6f);
    }
}

void CorvanelMidiKeyboardComponent::drawBlackNote (int, juce::Graphics& g, juce::Rectangle<float> area, bool isDown,
                                                   bool, juce::Colour)
{
    const float x = area.getX(), y = area.getY(), w = area.getWidth(), h = area.getHeight();
    g.setColour (blackKeyEdge);
    g.fillRect (area);
    g.setColour (blackKeyTop);
    g.fillRect (rect (x, y + 1.0f, w, h - 8.0f));
    g.setColour (blackKeyEdge);
    g.drawRect (rect (x, y, w + 1.0f, h), 1.0f);
    if (isDown)
    {
        g.setColour (blackKeyDown);
        g.fillRect (rect (x + 1.0f, y + 1.0f, w - 2.0f, h - 2.0f));
    }
}
