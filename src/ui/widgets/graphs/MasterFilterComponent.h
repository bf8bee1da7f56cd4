#pragma once

#include "ui/widgets/graphs/FilterResponseDisplay.h"
#include "ui/widgets/graphs/ResonanceTable.h"

namespace corvanel
{
// The response curve of the effects block's analog filter: one four-pole
// response whose numerator mixes the pole outputs by five coefficients per
// type (7 off, 11 notch, 12 double notch, 13 2-pole low pass, 14 2-pole high
// pass, 15 2-pole band pass, 16 4-pole low pass, 17 low pass notch). Dragging
// on the display moves cutoff and resonance and sends an empty change
// message; the setters drop device values while a drag is in progress.
// Message thread only.
class MasterFilterComponent : public FilterResponseDisplay
{
public:
    static constexpr int offType = 7;

    MasterFilterComponent();

    void setResonance (float value);      // 0 .. 127
    void setFilterType (int type);        // types without coefficients keep the previous ones

    // Q of a resonance through the current type's table.
    float resonanceToQ (float value) const;
    void computeMixCoefficients();
    // Attenuation in dB at x pixels of a display w pixels wide.
    float computeResponse (float x, float w) const;

    void rebuildResponsePath() override;
    void controlPointMoved (SafeChangeBroadcaster* source) override;

    void paint (juce::Graphics& g) override;

    int filterType = 13;

    double c0 = 0, c1 = 0, c2 = 0, c3 = 0, c4 = 0;   // pole mix of the type
    double t0 = 0, t1 = 0, t2 = 0, t3 = 0, t4 = 0;   // numerator terms, from the mix and Q

private:
    ResonanceTable defaultTable { 0.0f, 0.7f, 0.9f, 1.1f, 1.2f, 1.4f, 1.6f, 1.9f, 1.991f };
    ResonanceTable notchTable { 0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.55f, 0.7f, 0.9f, 1.0f };
    ResonanceTable doubleNotchTable { 0.1f, 0.2f, 0.4f, 0.6f, 0.8f, 1.0f, 1.2f, 1.4f, 1.6f };
    ResonanceTable lowPassNotchTable { 1.0f, 1.1f, 1.3f, 1.5f, 1.7f, 1.8f, 1.85f, 1.9f, 1.995f };
};
} // namespace corvanel
