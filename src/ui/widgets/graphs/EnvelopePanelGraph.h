#pragma once

#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/graphs/EnvelopePath.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

// A delay-attack-decay-sustain-release envelope in one of eight drawing
// types, with five handles (delay, attack, decay and release dragged
// sideways, sustain up and down). Decay and release of 127 are infinite.
// The owner pushes device values through the setters or writes the data and
// calls updatePath; a drag stores the value and calls that handle's
// callback. Message thread only.
template <typename EnvData>
class EnvelopePanelGraph : public juce::Component, public HasHue, public juce::SettableTooltipClient
{
public:
    EnvelopePanelGraph();

    // Dropped while the user holds that handle: attack and delay while their
    // handle is dragged, decay, sustain and release while the mouse rests
    // nearest to their handle.
    void setAttack (int value);
    void setDecay (int value);
    void setSustain (int value);
    void setRelease (int value);
    void setDelay (int value);
    void setReset (bool on);

    // Rebuilds the shape and the handles from the data.
    void updatePath();
    juce::AffineTransform getGraphTransform() const;

    bool isHandleHighlighted (int index) const { return shape.handles[static_cast<size_t> (index)].highlighted; }

    void paint (juce::Graphics& g) override;
    void mouseEnter (const juce::MouseEvent& e) override;
    void mouseExit (const juce::MouseEvent& e) override;
    void mouseMove (const juce::MouseEvent& e) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;

    // Called on the message thread after a drag stored the value.
    std::function<void()> delayCallback, attackCallback, decayCallback, sustainCallback, releaseCallback;
    EnvData data;
    bool reset = false;
    juce::Path displayPath;   // as painted, in pixels
    EnvelopePath shape;       // path in envelope units, handles in pixels
    int dragStart = 0;
    bool armed = false;
    bool dragging = false;
    int margin = 10;
    bool showDelayPoint = false;
    bool flipped = false;

private:
    int activeHandle() const;   // first highlighted and visible handle, or -1
    void clearHighlights();
    bool contains (juce::Point<float> p) const;
};
