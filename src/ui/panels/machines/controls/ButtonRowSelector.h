#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/ActionButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// A row of radio buttons that picks one value of a parameter (the plastic
// drum's modulation type, the ride type, the impulse polarity). A user click
// lights the clicked button, stores its position in selectedIndex and posts an
// empty change message; a device value is shown without a message. The first
// button is lit at construction. Message thread only.
class ButtonRowSelector : public juce::Component,
                          public juce::Button::Listener,
                          public SafeChangeBroadcaster,
                          public HasHue,
                          public juce::SettableTooltipClient
{
public:
    // Takes the buttons, in row order. Shown indices are clamped to
    // 0..highestIndex, which may exceed the last button: such an index lights
    // no button.
    ButtonRowSelector (std::vector<std::unique_ptr<ActionButton>> buttons, int highestIndex);
    ~ButtonRowSelector() override;

    // Shows a device value's index: the lit button off, selectedIndex the
    // clamped index, its button (if any) on; no change message.
    void setSelectedIndex (int index);

    // Message thread, from a button on a user click (left button only).
    void buttonClicked (juce::Button* clicked) override;

    // Cells of the width / the button count (a half to the even neighbour),
    // each button inset by 1 and at most 28 high.
    void resized() override;

    void setHue (int newHue) override;
    void setTooltip (const juce::String& text) override;

    int getNumButtons() const { return static_cast<int> (buttons.size()); }
    ActionButton& getButton (int index) { return *buttons.at (static_cast<size_t> (index)); }

    int selectedIndex = 0;

private:
    void setLit (int index, bool on);

    std::vector<std::unique_ptr<ActionButton>> buttons;
    const int highestIndex;

    JUCE_DECLARE_NON_COPYABLE (ButtonRowSelector)
};
