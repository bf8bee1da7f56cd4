#pragma once

#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// One octave choice of the sub-oscillator selector: an 8 x 8 square in the
// hue's brightest shade while lit or under the pointer (else its third shade)
// with the offset beside it. It draws only under the program's look and feel.
// The right mouse button does not click it.
class SubOscillatorButton : public juce::Button, public HasHue
{
public:
    explicit SubOscillatorButton (int octaveOffset);

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;

    const int offset;

protected:
    void internalClickCallback (const juce::ModifierKeys& mods) override;
};

// A column of three radio buttons for the octave offsets -2, -1 and 0 (index
// 0, 1, 2), the 0 on top. A user click lights its button, stores its index in
// selectedIndex and sends the framework's asynchronous change message; a shown
// value sends nothing. selectedIndex only ever names a button (0 before any is
// lit). The selector keeps its tooltip to itself. Message thread only.
class SubOscillatorSelector : public juce::Component,
                              public HasHue,
                              public juce::ChangeBroadcaster,
                              public juce::SettableTooltipClient
{
public:
    static constexpr int buttonCount = 3;

    SubOscillatorSelector();
    ~SubOscillatorSelector() override;

    // Lights the button at index without notification (the others go out); an
    // index that names no button changes nothing.
    void setSelectedIndex (int index);

    SubOscillatorButton& getButton (int index) { return *buttons.at (static_cast<size_t> (index)); }

    // Rows of height / 3, from the last button to the first, top to bottom.
    void resized() override;

    void setHue (int newHue) override;

    int selectedIndex = 0;

private:
    std::vector<std::unique_ptr<SubOscillatorButton>> buttons;

    JUCE_DECLARE_NON_COPYABLE (SubOscillatorSelector)
};
