#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The mixer's own controls. They draw themselves in fixed colours and use the
// window's look and feel for nothing else. Message thread only.

// A level fader 0 .. 127 without text box; double-click and Alt-click return
// to 100 unless the owner sets another value.
class VolumeSlider : public juce::Slider
{
public:
    static constexpr double defaultLevel = 100.0;
    static constexpr int handleHeight = 12;

    VolumeSlider();

    // The top of the handle for the current value and height.
    int handleY() const;

    void paint (juce::Graphics& g) override;
};

// Pan -64 .. 63 without text box; double-click and Alt-click return to the centre.
class PanSlider : public juce::Slider
{
public:
    static constexpr int handleWidth = 4;
    static constexpr int trackTop = 8;

    PanSlider();

    // The left edge of the handle for the current value and width.
    int handleX() const;

    void paint (juce::Graphics& g) override;

    juce::Colour backgroundColour { 0xFF252525 };
};

// The square "M" toggle of a strip.
class MuteButton : public juce::Button
{
public:
    MuteButton();

    void paintButton (juce::Graphics& g, bool isHighlighted, bool isDown) override;

    juce::Colour onColour { 0xFFDF575E };
};

// The frame of a mixer strip: filled 0xff1e1e1e, outlined in 0xff787878, with
// a line under the name when the strip is wide enough.
void paintStripFrame (juce::Graphics& g, int width, int height);

// Where a strip's fader stands: centred, 12 wide, from y 108 to 8 above the bottom.
juce::Rectangle<int> stripFaderBounds (int width, int height);
