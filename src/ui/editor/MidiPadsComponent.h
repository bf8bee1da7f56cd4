#pragma once

#include "processor/PanelContextIfc.h"
#include "ui/editor/VantuPadButton.h"

#include <juce_audio_basics/juce_audio_basics.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <atomic>
#include <memory>
#include <vector>

// The band's twelve track pads. Pressing pad i plays note i on MIDI channel 1
// of the processor's keyboard state at full velocity, releasing it ends the
// note. A held flag per pad says whether its note counts as playing: notes
// 0..11 on any channel, or any note 12..59 held on channel i + 1, set it, so a
// pad whose track already sounds sends no second note-on (and its release
// still sends the note-off); a pad that played its note always ends it. Notes on channels without a pad (13..16) and
// notes above 60 leave the flags alone.
class MidiPadsComponent : public juce::Component,
                          private juce::Button::Listener,
                          private juce::MidiKeyboardState::Listener,
                          public juce::SettableTooltipClient
{
public:
    static constexpr int numPads = 12;

    MidiPadsComponent (juce::MidiKeyboardState& keyboardState, PanelContextIfc& context);
    ~MidiPadsComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    VantuPadButton& getPad (int index) { return *pads[static_cast<size_t> (index)]; }
    // Any thread.
    bool isHeld (int index) const { return held[static_cast<size_t> (index)].load(); }

private:
    // juce::Button::Listener (message thread).
    void buttonClicked (juce::Button*) override {}
    void buttonStateChanged (juce::Button* button) override;

    // juce::MidiKeyboardState::Listener: whichever thread changes the keyboard
    // state (the message thread for the pads and the on-screen keyboard, the
    // processor's hand-off thread for the host's notes), under the state's lock.
    void handleNoteOn (juce::MidiKeyboardState* source, int midiChannel, int midiNoteNumber, float velocity) override;
    void handleNoteOff (juce::MidiKeyboardState* source, int midiChannel, int midiNoteNumber, float velocity) override;
    void followNote (int midiChannel, int midiNoteNumber, bool on);

    juce::MidiKeyboardState& keyboardState;
    std::vector<std::unique_ptr<VantuPadButton>> pads;
    std::array<std::atomic<bool>, numPads> held {};
    // Whether the pad sent a note-on that it has not ended yet (message thread).
    std::array<bool, numPads> padSounding {};
};
