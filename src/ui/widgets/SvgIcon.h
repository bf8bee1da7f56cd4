#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// A picture made from embedded SVG data, drawn into the component's bounds by
// the placement flags (centred and scaled to fit by default).
class SvgIcon : public juce::Component, public juce::SettableTooltipClient
{
public:
    SvgIcon (const void* svgData, size_t numBytes);

    void paint (juce::Graphics& g) override;

    int placement = juce::RectanglePlacement::centred;
    std::unique_ptr<juce::Drawable> drawable;
};
