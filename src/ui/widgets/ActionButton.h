#pragma once

#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The text button of the program: square, framed, with the fill and text
// colours of the action-button colour ids. Drawn by the look and feel through
// ActionButton::LookAndFeelMethods. A right click neither toggles nor clicks.
class ActionButton : public juce::TextButton, public HasHue
{
public:
    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        virtual void drawActionButton (juce::Graphics& g, ActionButton& button, bool isHighlighted, bool isDown) = 0;
    };

    ActionButton (const juce::String& name, const juce::String& tooltip);

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;

    // Stores the hue and, under the program's look and feel, shows the "on"
    // text in the hue's bright shade. No repaint.
    void setHue (int newHue) override;

protected:
    void internalClickCallback (const juce::ModifierKeys& mods) override;
};

// An action button that draws its text at 14 points in a font of its owner's
// choosing (the polarity buttons give it the icon font).
class FontActionButton : public ActionButton
{
public:
    explicit FontActionButton (const juce::String& text);

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;

    juce::Font font;
};

// The text choice of a selector: drawn on the hue's darkest shade, its text in
// the hue's bright shade (dimmed while off) once setHue has been called.
class ColorfulActionButton : public ActionButton
{
public:
    ColorfulActionButton (juce::String text, juce::String tooltip);

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;
    void setHue (int newHue) override;
};
