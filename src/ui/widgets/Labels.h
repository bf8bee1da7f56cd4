#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The program's text labels. Each has a fixed font and its own colour ids
// (looked up on the label, then in the look and feel's table); all but
// PanelHeadingLabel draw only under LookAndFeelCorvanel.

// Caption under a control: "Grotesk Text 55" at 10 points, never squeezed.
class SmallLabel : public juce::Label
{
public:
    explicit SmallLabel (juce::String text = {});

    void paint (juce::Graphics& g) override;
};

// Heading of panels and tab sets: "Grotesk Text 65" at 10 points.
class PanelHeadingLabel : public juce::Label
{
public:
    explicit PanelHeadingLabel (juce::String text = {});

    void paint (juce::Graphics& g) override;

    // The area the text is fitted into (the label's border counted twice on
    // each side, as the heading has always been laid out).
    juce::Rectangle<int> getTextArea() const;
};

// A large title: "Grotesk Text 65" at 40 points, top-left.
class LargeLabel : public juce::Label
{
public:
    explicit LargeLabel (juce::String text = {});

    void paint (juce::Graphics& g) override;
};

// The number shown on a knob: pressing and dragging on it works the parent
// (the knob); its owner sets font, justification and editability.
class SneakyLabel : public juce::Label
{
public:
    SneakyLabel();

    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void lookAndFeelChanged() override;
    void paint (juce::Graphics& g) override;

protected:
    void editorShown (juce::TextEditor* editor) override;
};
