#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/FontButton.h"
#include "ui/widgets/Labels.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// A row of mutually exclusive choice buttons, right-aligned, with a caption in
// the room to their left. A click selects the clicked button and posts an
// empty change message; the owner reads selectedIndex. Message thread only.
class RadioButtonSelector : public juce::Component,
                            public juce::Button::Listener,
                            public SafeChangeBroadcaster,
                            public HasHue
{
public:
    static constexpr int radioGroup = 414141;
    static constexpr int captionBeside = 0;
    static constexpr int captionHidden = 4;

    explicit RadioButtonSelector (const juce::String& caption);
    ~RadioButtonSelector() override;

    void resized() override;

    // The size of every choice button (only width and height are used).
    virtual juce::Rectangle<int> getButtonArea();

    // Append a text or glyph choice; the owner lays the row out afterwards.
    void addTextButton (const juce::String& text);
    void addFontButton (const juce::String& glyph, FontButton::FontMaker fontMaker);

    void buttonClicked (juce::Button* button) override;

    // Copies the hue's bright shade into the choices' "on" colours, then gives
    // each choice the hue. No repaint (the panel's hue change repaints).
    void setHue (int newHue) override;

    juce::Rectangle<int> buttonArea { 0, 0, 32, 24 };
    int selectedIndex = 0;
    int captionPlacement = captionBeside;
    SmallLabel caption;
    juce::Colour colour;
    int gap = 2;
    juce::OwnedArray<juce::Button> buttons;

private:
    void addChoice (std::unique_ptr<juce::Button> button);
};
