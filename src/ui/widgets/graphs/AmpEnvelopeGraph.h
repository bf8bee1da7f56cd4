#pragma once

#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/graphs/GraphPoint.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <vector>

// The attack-hold-decay shape of an amp envelope with three handles dragged
// sideways. A hold at its auto value is drawn one segment wide with a label
// over it; a decay at its infinite value runs off the right edge. The owner
// pushes device values through the setters (dropped while the mouse rests on
// or drags that handle); a drag stores the new value and calls the handle's
// callback. Message thread only.
class AmpEnvelopeGraph : public juce::Component, public HasHue, public juce::SettableTooltipClient
{
public:
    AmpEnvelopeGraph();

    void setAttack (float value);   // device values 0 .. 127
    void setHold (float value);
    void setDecay (float value);
    void setReset (bool on);
    void setAutoLabel (const juce::String& text);

    // The shape in envelope units for values as fractions of 127; also moves
    // the handles and sets the visibility of the hold and decay handles.
    juce::Path buildAmpPath (float attackFraction, float holdFraction, float decayFraction);
    juce::AffineTransform getGraphTransform() const;

    void paint (juce::Graphics& g) override;
    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseMove (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;

    // Called on the message thread after a drag stored attack, hold or decay.
    std::function<void()> attackCallback, holdCallback, decayCallback;
    std::vector<GraphPoint> handles;
    int attackIndex = 0, holdIndex = 1, decayIndex = 2;
    juce::String label { "Auto" };
    bool dragging = false;
    double dragStart = 0.0;
    float attack = 0.0f, hold = 0.0f, decay = 0.0f;
    bool reset = false;
    int margin = 10;
    float segmentWidth = 0.33f;
    float infiniteDecayValue = 1.0f;   // a normalised decay equal to it draws no decay
    float holdAutoValue = 0.0f;        // a normalised hold equal to it is the auto hold
    bool flipped = false;

private:
    bool isHandleActive (int index) const;
    void clearHighlights();
    bool contains (juce::Point<float> p) const;
};
