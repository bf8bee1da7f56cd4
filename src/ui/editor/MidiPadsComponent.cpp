#include "ui/editor/MidiPadsComponent.h"

#include "model/Kit.h"
#include "ui/lookandfeel/ColourIds.h"

namespace
{
constexpr int padChannel = 1;
constexpr float padVelocity = 100.0f;   // the keyboard state makes MIDI velocity 127 of it
constexpr int firstTrackNote = 12;
constexpr int endTrackNote = 60;        // notes 12..59 count for the channel's pad
} // namespace

MidiPadsComponent::MidiPadsComponent (juce::MidiKeyboardState& state, PanelContextIfc& context)
    : keyboardState (state)
{
    for (int i = 0; i < numPads; ++i)
    {
        pads.push_back (std::make_unique<VantuPadButton> (i, context));
        addAndMakeVisible (*pads.back());
        held[static_cast<size_t> (i)] = false;
    }
    for (auto& pad : pads)
    {
        pad->setMainText (Vantu::Kit::trackName (pad->getPadIndex()));
        pad->setTriggeredOnMouseDown (true);
        pad->addListener (this);
    }
    keyboardState.addListener (this);
}

MidiPadsComponent::~MidiPadsComponent()
{
    keyboardState.removeListener (this);
    for (auto& pad : pads)
        pad->removeListener (this);
}

void MidiPadsComponent::paint (juce::Graphics& g)
{
    g.fillAll (findColour (CorvanelColourIds::staticPanelBody));
}

void MidiPadsComponent::resized()
{
    const int slotWidth = juce::roundToInt (static_cast<float> (getWidth()) * 0.083333336f);
    auto area = getLocalBounds();
    for (auto& pad : pads)
    {
        const auto slot = area.removeFromLeft (juce::jmin (slotWidth, area.getWidth()));
        const bool fits = slot.getWidth() >= 9 && getHeight() >= 9;
        pad->setBounds (slot.getX() + 5, 4, fits ? slot.getWidth() - 8 : 0, fits ? getHeight() - 8 : 0);
    }
}

void MidiPadsComponent::buttonStateChanged (juce::Button* button)
{
    auto* pad = dynamic_cast<VantuPadButton*> (button);
    if (pad == nullptr)
        return;
    const int i = pad->getPadIndex();
    auto& flag = held[static_cast<size_t> (i)];
    const bool down = pad->getState() == juce::Button::buttonDown;
    auto& sounding = padSounding[static_cast<size_t> (i)];
    if (down && ! flag.load())
    {
        flag = true;
        sounding = true;
        keyboardState.noteOn (padChannel, i, padVelocity);
    }
    else if (! down && (flag.load() || sounding))
    {
        // The pad's own note ends even when another source's note-off cleared
        // the flag meanwhile: no note stays hanging at the device.
        flag = false;
        sounding = false;
        keyboardState.noteOff (padChannel, i, 0.0f);
    }
}

void MidiPadsComponent::handleNoteOn (juce::MidiKeyboardState*, int midiChannel, int midiNoteNumber, float)
{
    followNote (midiChannel, midiNoteNumber, true);
}

void MidiPadsComponent::handleNoteOff (juce::MidiKeyboardState*, int midiChannel, int midiNoteNumber, float)
{
    followNote (midiChannel, midiNoteNumber, false);
}

void MidiPadsComponent::followNote (int midiChannel, int note, bool on)
{
    if (note >= 0 && note < numPads)
    {
        held[static_cast<size_t> (note)] = on;
        return;
    }
    if (note < firstTrackNote || note > endTrackNote || midiChannel < 1 || midiChannel > numPads)
        return;

    // Called under the keyboard state's lock, which already holds this note's change.
    bool anyDown = false;
    for (int n = firstTrackNote; n < endTrackNote && ! anyDown; ++n)
        anyDown = keyboardState.isNoteOn (midiChannel, n);
    auto& flag = held[static_cast<size_t> (midiChannel - 1)];
    if (on && anyDown)
        flag = true;
    else if (! on && ! anyDown)
        flag = false;
}
