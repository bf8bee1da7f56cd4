#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The editor header's logo strip: the maker's logo, the family word
// "Fernhollow " and "/ " with the device name. Its owner sets the members.
class LogoPart : public juce::Component
{
public:
    LogoPart() = default;

    void paint (juce::Graphics& g) override;

    // Layout at the current size (local coordinates).
    juce::Rectangle<int> getLogoArea() const;
    juce::Rectangle<int> getFamilyWordArea() const;
    juce::Rectangle<int> getDeviceTextArea() const;

    std::unique_ptr<juce::Drawable> logo;
    juce::Colour colour { 0xFFCB555D };
    juce::String deviceName;
};
