#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/graphs/ControlPointComponent.h"
#include "ui/widgets/graphs/ResponsePath.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace corvanel
{
// What the two filter response displays (the track's multimode filter and the
// effects block's filter) share: cutoff, resonance and Q, the response path,
// the control point that a drag on the display moves, and the setters' rule
// that a drag in progress wins over device values. The derived display builds
// its own curve (rebuildResponsePath) and reads a drag (controlPointMoved).
// Message thread only.
class FilterResponseDisplay : public juce::Component,
                              public SafeChangeListener,
                              public SafeChangeBroadcaster,
                              public HasHue,
                              public juce::SettableTooltipClient
{
public:
    FilterResponseDisplay();
    ~FilterResponseDisplay() override;

    void setCutoff (float deviceValue);   // device value, 256 per step

    virtual void rebuildResponsePath() = 0;
    virtual void controlPointMoved (SafeChangeBroadcaster* source) = 0;

    // Rebuilds the curve and repaints.
    void refresh();

    bool isDragInProgress() const { return controlPoint.isDragInProgress(); }

    void resized() override;
    void changeListenerCallback (SafeChangeBroadcaster* source) override { controlPointMoved (source); }

    float cutoff = 0.0f;
    float resonance = 0.0f;
    float q = 0.0f;
    juce::Path responsePath;
    ControlPointComponent controlPoint;

protected:
    // A setter's first step: false while a drag is in progress (the value is
    // dropped); otherwise the curve follows resizes from now on.
    bool acceptDeviceValue();

    ResponseSamples samples;
    bool valuesArrived = false;   // a setter ran: the curve follows resizes
};
}   // namespace corvanel
