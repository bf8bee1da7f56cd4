#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

// The delay's picture: a row of echo circles spaced by the delay time, sized
// by the feedback, offset by the stereo width and alternating sides in
// ping-pong mode, with "L"/"R" captions and the time as a note value. Only
// displays (it never sends a change message). Message thread only.
class DelayRingGraph : public juce::Component,
                       public SafeChangeBroadcaster,
                       public juce::SettableTooltipClient,
                       public HasHue
{
public:
    DelayRingGraph();

    void setTime (double time);             // 1 .. 128, in 128th notes
    void setFeedback (double feedback);     // 0 .. 198 percent
    void setStereoWidth (double width);     // -64 .. 63
    void setPingPong (int on);
    void setHue (int newHue) override;      // recolours; no repaint

    // One echo as drawn: centre relative to the vertical middle, diameter,
    // and whether it is drawn in the grown-ring colour.
    struct Ring
    {
        float x;
        float y;
        float diameter;
        bool grown;
    };
    std::vector<Ring> computeRings() const;

    // "Note: 1/4" for a time that is a note value, else "Time: " and the time.
    static juce::String readoutText (double time);

    void paint (juce::Graphics& g) override;

    double time = 32.0;
    double feedback = 32.0;
    double stereoWidth = 0.0;
    bool pingPong = false;
    juce::Colour ringColour { juce::Colours::white };
    juce::Colour grownRingColour { juce::Colours::red };
    juce::Colour background { juce::Colours::blue };
};

