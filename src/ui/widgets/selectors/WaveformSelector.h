#pragma once

#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/FontButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// A grid of glyph buttons, two to a row, of which at most one is lit (an
// oscillator's waveforms). A user click lights the clicked button, stores its
// position in selectedIndex and sends the framework's asynchronous change
// message; a shown value sends nothing. selectedIndex only ever names a button
// (0 before any is lit). The selector keeps its tooltip to itself. Message
// thread only.
class WaveformSelector : public juce::Component,
                         public juce::Button::Listener,
                         public juce::ChangeBroadcaster,
                         public HasHue,
                         public juce::SettableTooltipClient
{
public:
    WaveformSelector();
    ~WaveformSelector() override;

    // Appends a glyph button of the icon font, in the selector's radio group.
    void addButton (const juce::String& glyph);

    // Lights the button at index without notification (the others go out); an
    // index that names no button changes nothing.
    void setSelectedIndex (int index);

    int getNumButtons() const { return static_cast<int> (buttons.size()); }
    ColourfulFontButton& getButton (int index) { return *buttons.at (static_cast<size_t> (index)); }

    // Message thread: a user click on a button, and the radio group putting out
    // the one that was lit.
    void buttonClicked (juce::Button* clicked) override;

    // Rows of two cells from the top, each button inset by 1 pixel.
    void resized() override;

    void setHue (int newHue) override;

    int selectedIndex = 0;

private:
    std::vector<std::unique_ptr<ColourfulFontButton>> buttons;

    JUCE_DECLARE_NON_COPYABLE (WaveformSelector)
};
