#pragma once

#include "foundation/SafeChangeBroadcaster.h"

#include <juce_gui_basics/juce_gui_basics.h>

// A row of tab buttons packed from the left, each as wide as its text plus
// 24 pixels. A click posts an empty change message; the owner reads
// selectedIndex (-1: nothing selected). Message thread only.
class SeparatedTabButtonBar : public juce::Component, public SafeChangeBroadcaster, public juce::Button::Listener
{
public:
    SeparatedTabButtonBar() = default;
    ~SeparatedTabButtonBar() override;

    // Takes ownership, listens to it, shows it and lays the row out.
    void addButton (juce::Button* button);

    // Selects without change message or button notification; beyond the last
    // button selects the last, below 0 clears every button.
    void setSelectedIndex (int index);
    int getSelectedIndex() const { return selectedIndex; }

    void resized() override;
    void buttonClicked (juce::Button* button) override;

    int selectedIndex = -1;
    bool allowDeselect = true;
    juce::OwnedArray<juce::Button> buttons;
};

// A stack of content components of which one is visible.
class SeparatedTabbedComponent : public juce::Component
{
public:
    static constexpr int backgroundColourId = 0x20028101;
    static constexpr int separatorColourId = 0x20028102;

    // Shows one content (index clamped into the contents) and hides the rest.
    void setCurrentTab (int index);

    void paint (juce::Graphics& g) override;
    void resized() override;

    // The owner appends each content here and adds it as a hidden child.
    juce::OwnedArray<juce::Component> contents;
};
