#pragma once

#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// A button that shows one glyph (or a short text) in a font made by its font
// maker for a size: the fixed font size when it is 1 or more, otherwise the
// largest size that fits the button less its margins. The right mouse button
// does not click it.
class FontButton : public juce::TextButton
{
public:
    using FontMaker = std::function<juce::Font (int)>;

    // What a look and feel implements to draw font buttons; a button under
    // any other look and feel draws nothing. Message thread.
    class LookAndFeelMethods
    {
    public:
        virtual ~LookAndFeelMethods() = default;
        // The button's background from its colour id, the glyph in the font
        // maker's font in its text colour id (dimmed when disabled, darkened
        // while down, lightened while highlighted).
        virtual void drawFontButton (juce::Graphics& g, FontButton& button, bool isHighlighted, bool isDown,
                                     int backgroundColourId, int textColourId) = 0;
    };

    FontButton (const juce::String& glyphText, FontMaker fontMaker);

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;

    // The size the font maker is asked for at the button's current bounds.
    int getFontSizeToUse() const;

    FontMaker fontMaker;
    int bottomInset = 0;
    int margin = 0;
    int fixedFontSize = -1;
    juce::Justification justification { juce::Justification::centred };

protected:
    // The look and feel's drawing methods; null when it has none.
    LookAndFeelMethods* findDrawing();
    void internalClickCallback (const juce::ModifierKeys& mods) override;
};

// The glyph choice of a selector: the glyph on the hue's darkest shade, in the
// hue's bright shade (dimmed while off) once setHue has been called.
class ColourfulFontButton : public FontButton, public HasHue
{
public:
    ColourfulFontButton (const juce::String& glyphText, FontMaker fontMaker);

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;
    void setHue (int newHue) override;
};

// The delete button of the sound browser rows; draws exactly as FontButton.
class TrashbinButton : public FontButton
{
public:
    using FontButton::FontButton;
};
