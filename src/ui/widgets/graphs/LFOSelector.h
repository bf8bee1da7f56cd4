#pragma once

#include "ui/lookandfeel/HasHue.h"

#include <juce_gui_basics/juce_gui_basics.h>

// One cycle of an LFO waveform with quarter guides, a centre line and a mark
// at the start phase. The owner writes shape, start phase and trigger mode
// into the inner graph and calls its updatePath. Only displays. Message
// thread only.
class LFOSelector : public juce::Component, public juce::SettableTooltipClient, public HasHue
{
public:
    class InternalGraph : public juce::Component, public HasHue
    {
    public:
        InternalGraph();

        void setHue (int newHue) override;   // caches the shades; no repaint
        // Fits the waveform of the current shape into the graph.
        void updatePath();
        // Left edge of the start-phase mark (two pixels wide).
        int startPhaseMarkX() const;

        void paint (juce::Graphics& g) override;

        int startPhase = 0;    // 0 .. 127
        int shape = 0;         // 0 triangle .. 6 random
        juce::Path waveformPath;
        int triggerMode = 0;   // 0 free-running: no start phase
        bool guides = true;
        juce::Colour dark { 0xFF2B2B2B };
        juce::Colour darkest { 0xFF1E1E1E };
        juce::PathStrokeType stroke { 2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded };
    };

    LFOSelector();

    void setHue (int newHue) override;
    void colourChanged() override;
    void resized() override;
    // The playhead dot over the waveform, at the phase.
    void paintOverChildren (juce::Graphics& g) override;

    InternalGraph internalGraph;
    float phase = 0.0f;
    bool playhead = false;
    juce::Colour bright { 0xFFF0F0F0 };
    juce::Colour darkest { 0xFF1E1E1E };
    juce::Rectangle<float> boundsF;
};
