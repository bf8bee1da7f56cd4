#pragma once

#include "ui/widgets/Labels.h"

#include <juce_gui_basics/juce_gui_basics.h>

class GlobalPreferencesIfc;

// The information screen laid over the whole editor in plug-in wrappers while
// "ShowWelcomeScreen" is set: how the plug-in is meant to be used, an "I've
// read this" tick that keeps it away from later editors, and "Continue", which
// closes it. Message thread.
class FernhollowWelcomeScreen : public juce::Component, private juce::Button::Listener
{
public:
    class ContinueButton : public juce::Button
    {
    public:
        ContinueButton() : juce::Button ("Continue") {}
        void paintButton (juce::Graphics& g, bool isMouseOver, bool isDown) override;
    };

    explicit FernhollowWelcomeScreen (GlobalPreferencesIfc& preferences);
    ~FernhollowWelcomeScreen() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    juce::Button& getContinueButton() { return continueButton; }
    juce::ToggleButton& getReadToggle() { return readToggle; }

private:
    // juce::Button::Listener (message thread): "Continue" and the tick.
    void buttonClicked (juce::Button* button) override;

    GlobalPreferencesIfc& preferences;
    SmallLabel heading, introduction, statement, bullets, bulletTexts;
    ContinueButton continueButton;
    juce::ToggleButton readToggle { "I've read this" };
};
