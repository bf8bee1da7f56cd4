#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The "None" item of a destination box's menu: the text in light grey, or in
// bold white when the box targets nothing at the moment the menu was built.
// Triggered by a click like an ordinary item. Owned by the menu that holds
// it. Message thread only.
class ItalicComponent : public juce::PopupMenu::CustomComponent
{
public:
    static constexpr juce::uint32 highlightColour = 0xff646464;
    static constexpr juce::uint32 currentColour = 0xfff0f0f0;
    static constexpr juce::uint32 otherColour = 0xffa0a0a0;

    explicit ItalicComponent (bool isCurrent);
    ~ItalicComponent() override;

    bool showsCurrent() const { return isCurrent; }
    juce::Font getTextFont() const;

    void paint (juce::Graphics& g) override;
    void getIdealSize (int& idealWidth, int& idealHeight) override;

private:
    const bool isCurrent;
};
