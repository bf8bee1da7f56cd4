#pragma once

#include "ui/widgets/graphs/FilterCurves.h"
#include "ui/widgets/graphs/FilterResponseDisplay.h"
#include "ui/widgets/graphs/ResonanceTable.h"

namespace corvanel
{
// The response curve of a track's multimode filter (eighteen types), drawn as
// attenuation below a zero line at 45 % of the height, 2 pixels per dB.
// Dragging anywhere on the display moves cutoff (sideways) and resonance, or
// for the equaliser the gain (up and down); after each move the display
// sends an empty change message and the owner reads cutoff, resonance and
// gain. While a drag is in progress the setters drop device values, so the
// drag wins. Message thread only.
class MultimodeFilterComponent : public FilterResponseDisplay
{
public:
    static constexpr int equaliserType = 8;
    // Q of the equaliser's five steps (resonance 1 .. 5).
    static constexpr float equaliserQ[5] = { 0.77f, 2.3f, 5.3f, 8.3f, 10.0f };

    MultimodeFilterComponent();

    void setResonance (float value);      // 0 .. 127; the equaliser's Q step 1 .. 5
    void setGain (float value);           // equaliser gain -64 .. 63
    void setFilterType (int type);

    void chooseCurve();
    void rebuildResponsePath() override;
    void controlPointMoved (SafeChangeBroadcaster* source) override;

    // Q of a 7-bit resonance through the general table.
    static float resonanceToQ (float resonance);
    // Q of the equaliser's step; a step outside 1 .. 5 is taken as the nearest.
    static float equaliserStepToQ (float step);

    void paint (juce::Graphics& g) override;

    float gain = 0.0f;
    FilterCurve curve;
    int filterType = 0;
};
} // namespace corvanel
