#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// Tab-like text button of the static tab sets: drawn by the look and feel
// through CustomTabButton::LookAndFeelMethods, nothing without it.
class CustomTabButton : public juce::TextButton
{
public:
    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        virtual void drawCustomTabButton (juce::Graphics& g, CustomTabButton& button, bool isHighlighted, bool isDown) = 0;
    };

    using juce::TextButton::TextButton;

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;
};

// Tab-like text button of the editor's section switch; its top four pixel rows
// stay unpainted.
class CustomSectionTabButton : public juce::TextButton
{
public:
    struct LookAndFeelMethods
    {
        virtual ~LookAndFeelMethods() = default;
        virtual void drawCustomSectionTabButton (juce::Graphics& g, CustomSectionTabButton& button, bool isHighlighted,
                                                 bool isDown) = 0;
    };

    using juce::TextButton::TextButton;

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;
};
