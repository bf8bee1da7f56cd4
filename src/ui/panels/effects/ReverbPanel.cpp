#include "ui/panels/effects/ReverbPanel.h"

#include "ui/lookandfeel/CorvanelFonts.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <cmath>

namespace
{
enum { preDelayCaption, decayCaption, frequencyCaption, gainCaption, lpCaption, hpCaption, volumeCaption };
const char* const captionTexts[] = { "Pre-Delay", "Decay Time", "Frequency", "Gain", "LP Filter", "HP Filter", "Mix Volume" };

constexpr int decayWidth = 148;
constexpr int decayHeight = 121;
constexpr int sideKnobWidth = 48;
constexpr int knobHeight = 58;

int paletteEntry (int hue)
{
    return hue > 16 ? 15 : hue;
}
} // namespace

//==============================================================================
ReverbPanel::Title::Title (juce::String textToShow)
    : text (std::move (textToShow)), font (CorvanelFonts::atPoints (CorvanelFonts::text75, 10.0f))
{
    setInterceptsMouseClicks (false, false);
}

juce::Rectangle<int> ReverbPanel::Title::getTextBox() const
{
    const int w = static_cast<int> (std::ceil (font.getStringWidthFloat (text)));
    return { (getWidth() - w) / 2, 0, w, getHeight() };
}

void ReverbPanel::Title::paint (juce::Graphics& g)
{
    const auto colour = findLookAndFeelCorvanel (*this) != nullptr ? HuePalette::shades (paletteEntry (hue)).dark
                                                                    : juce::Colour (0xFF787878);
    const auto box = getTextBox();
    g.setColour (colour);
    g.setFont (font);
    g.drawText (text, box, juce::Justification::centred, false);
    const int y = getHeight() / 2 - 1;
    g.fillRect (4, y, juce::jmax (0, box.getX() - 8), 2);
    g.fillRect (box.getRight() + 4, y, juce::jmax (0, getWidth() - 4 - (box.getRight() + 4)), 2);
}

//==============================================================================
ReverbPanel::ReverbPanel (PanelContextIfc& context, int track)
    : ParameterPanel (context, track, true, false),
      globalMode (context, globalModeBit, { &captions[0], &captions[1], &captions[2], &captions[3], &captions[4], &captions[5],
                                            &captions[6] })
{
    lpKnob.setCompact (true);
    hpKnob.setCompact (true);
    decayKnob.setRange (1.0, 128.0, 1.0);
    decayKnob.setOpaque (true);

    preDelayKnob.setTooltip (juce::translate ("Sets the pre-delay time of the Reverb."));
    decayKnob.setTooltip (juce::translate ("Sets the decay time of the reverberated signal."));
    frequencyKnob.setTooltip (juce::translate ("Sets the filter shelving frequency. Use together with the Gain parameter to control "
                                               "the damping of the reverberating signal at the set frequency."));
    gainKnob.setTooltip (juce::translate ("Affects the damping of the reverberating signal at the shelving frequency. At its highest "
                                          "value, the treble is included in the reverberations. Lowering the value gradually "
                                          "dampens it."));
    lpKnob.setTooltip (juce::translate ("Sets the lowpass filtering of the input to the reverb."));
    hpKnob.setTooltip (juce::translate ("Sets the highpass filtering of the input to the reverb."));
    volumeKnob.setTooltip (juce::translate ("Adjusts the volume of the Reverb."));
    inputGraph.setTooltip (juce::translate ("Click and drag to change the filter cutoff frequency of the low pass filter."));
    shelvingGraph.setTooltip (juce::translate ("Click and drag to change the shelving cutoff frequency and gain."));

    for (auto* knob : { &preDelayKnob, &frequencyKnob, &gainKnob, &lpKnob, &hpKnob, &volumeKnob })
    {
        knob->referToValue (preferences.getSliderMouseWheelValue());
        addAndMakeVisible (knob);
    }
    decayKnob.referToValue (preferences.getSliderMouseWheelValue());
    addAndMakeVisible (decayKnob);
    addAndMakeVisible (inputGraph);
    addAndMakeVisible (shelvingGraph);
    addAndMakeVisible (shelvingTitle);
    addAndMakeVisible (inputTitle);
    for (size_t i = 0; i < captions.size(); ++i)
    {
        captions[i].setText (juce::translate (captionTexts[i]), juce::dontSendNotification);
        captions[i].setJustificationType (juce::Justification::centredTop);
        addAndMakeVisible (captions[i]);
    }
    inputGraph.addChangeListener (this);
    shelvingGraph.addChangeListener (this);
}

ReverbPanel::~ReverbPanel()
{
    inputGraph.removeChangeListener (this);
    shelvingGraph.removeChangeListener (this);
    releaseBindings();
}

void ReverbPanel::setParameterIds (const juce::Identifier& preDelay, const juce::Identifier& decayTime,
                                   const juce::Identifier& shelvingFrequency, const juce::Identifier& shelvingGain,
                                   const juce::Identifier& lpFilter, const juce::Identifier& hpFilter, const juce::Identifier& volume)
{
    preDelayId = preDelay;
    decayId = decayTime;
    frequencyId = shelvingFrequency;
    gainId = shelvingGain;
    lpId = lpFilter;
    hpId = hpFilter;
    volumeId = volume;

    // In the order a right click tests them.
    addBinding (std::make_unique<ReverbDecayBinding> (decayKnob, decayId, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (frequencyKnob, frequencyId, 0, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (gainKnob, gainId, 0, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (lpKnob, lpId, 0, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (hpKnob, hpId, 0, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (volumeKnob, volumeId, 0, *this));
    addBinding (std::make_unique<UniFineKnobBinding> (preDelayKnob, preDelayId, 0, *this));

    watch ({ decayId, frequencyId, gainId, lpId, hpId, volumeId, preDelayId });
    applyDefaults();
    start();
}

void ReverbPanel::valueChanged (MachineDataObject* object, const juce::Identifier& id, int value)
{
    ParameterPanel::valueChanged (object, id, value);
    showOnGraphs (id, value);
}

void ReverbPanel::writeFromGui (const juce::Identifier& id, int value)
{
    showOnGraphs (id, value);
    ParameterPanel::writeFromGui (id, value);
}

void ReverbPanel::showOnGraphs (const juce::Identifier& id, int value)
{
    if (! id.isValid())
        return;
    const int g = value >> 8;
    if (id == frequencyId)
    {
        if (! shelvingGraph.isControlPointDragged (0))
            shelvingGraph.setBreakpointX (0, g);
    }
    else if (id == gainId)
    {
        shelvingGraph.setBreakpointLevel (1, g);
    }
    else if (id == lpId)
    {
        inputGraph.bandwidth = g;
        inputGraph.updateUpperEdge();
    }
    else if (id == hpId)
    {
        inputGraph.setBreakpointPosition (0, g);
    }
}

void ReverbPanel::writeKnob (UniHighResKnob& knob, const juce::Identifier& id, int value)
{
    // The knob clamps to its range before its value is read back and written.
    knob.setHighResValue (juce::jlimit (knob.getMinimum(), knob.getMaximum(), static_cast<double> (value)));
    ParameterPanel::writeFromGui (id, static_cast<int> (knob.getValue()));
}

void ReverbPanel::changeListenerCallback (SafeChangeBroadcaster* source)
{
    if (source == &inputGraph && inputGraph.breakpoints.size() >= 2)
    {
        writeKnob (lpKnob, lpId, juce::jlimit (0, 127, inputGraph.bandwidth) * 256);
        writeKnob (hpKnob, hpId, inputGraph.breakpoints[0].x * 256);
    }
    else if (source == &shelvingGraph && shelvingGraph.breakpoints.size() >= 2)
    {
        writeKnob (frequencyKnob, frequencyId, shelvingGraph.breakpoints[0].x * 256);
        writeKnob (gainKnob, gainId, shelvingGraph.breakpoints[1].level * 256);
    }
}

void ReverbPanel::paint (juce::Graphics& g)
{
    g.setColour (HuePalette::shades (paletteEntry (hue)).darkest);
    for (auto* graph : { static_cast<juce::Component*> (&shelvingGraph), static_cast<juce::Component*> (&inputGraph) })
    {
        const auto r = graph->getBounds();
        g.fillRect (r.getX() - 8, r.getY() - 28, r.getWidth() + 16, r.getHeight() + 36);
    }
    const auto d = decayKnob.getBounds();
    g.fillRect (d.getX(), d.getY() - 16, d.getWidth(), d.getHeight() + 20);
}

void ReverbPanel::resized()
{
    const int a = juce::jmax (getWidth() - 16, 0);
    const int b = juce::jmax (getHeight() - 24, 0);
    const int r1 = juce::jmin (b, 100);
    const int l1 = juce::jmin (r1, 20);
    const int gap = juce::jmin (b - r1, 4);
    const int y2 = 12 + r1 + gap;
    const int r2 = juce::jmin (b - r1 - gap, 100);
    const int l2 = juce::jmin (r2, 20);

    // Columns from the left, each as wide as the rest allows up to its maximum.
    const int maxima[5] = { 64, 200, 70, 236, 70 };
    int x[5] {}, w[5] {};
    for (int c = 0, left = 8, rest = a; c < 5; ++c)
    {
        w[c] = juce::jmax (0, juce::jmin (rest, maxima[c]));
        x[c] = left;
        left += w[c];
        rest -= w[c];
    }

    auto centredCaption = [&] (int index, int centre, int top, int strip) {
        captions[static_cast<size_t> (index)].setBounds (centre - 30, top + (juce::jmax (strip - 6, 0) - 14) / 2, 60, 14);
    };
    auto sideKnob = [&] (juce::Component& knob, int centre, int top, int strip, int row) {
        knob.setBounds (centre - sideKnobWidth / 2, top + strip + juce::jmin (row - strip - knobHeight, 0) / 2, sideKnobWidth, knobHeight);
    };

    captions[preDelayCaption].setBounds (x[0], 12, w[0], juce::jmax (l1 - 6, 0));
    preDelayKnob.setBounds (x[0], 12 + l1, w[0], juce::jmin (r1 - l1, knobHeight));
    captions[volumeCaption].setBounds (x[0], y2, w[0], juce::jmax (l2 - 6, 0));
    volumeKnob.setBounds (x[0], y2 + l2, w[0], juce::jmax (0, juce::jmin (r2 - l2, knobHeight)));

    centredCaption (decayCaption, x[1] + w[1] / 2, 12, l1);
    decayKnob.setBounds (x[1] + (w[1] - decayWidth) / 2, l1 + 27, decayWidth, decayHeight);

    const int left = x[2] + w[2] / 2 - 8;
    centredCaption (frequencyCaption, left, 12, l1);
    sideKnob (frequencyKnob, left, 12, l1, r1);
    centredCaption (hpCaption, left, y2, l2);
    sideKnob (hpKnob, left, y2, l2, r2);

    const int t1 = juce::jmin (r1, 12);
    shelvingTitle.setBounds (x[3] - 4, 11, w[3] + 8, t1);
    shelvingGraph.setBounds (x[3], t1 + 22, w[3], juce::jmin (r1 - t1, 52));
    const int t2 = juce::jmax (0, juce::jmin (r2, 12));
    inputTitle.setBounds (x[3] - 4, y2 - 1, w[3] + 8, t2);
    inputGraph.setBounds (x[3], y2 + t2 + 10, w[3], juce::jmax (0, juce::jmin (r2 - t2, 52)));

    const int right = x[4] + w[4] / 2 + 8;
    centredCaption (gainCaption, right, 12, l1);
    sideKnob (gainKnob, right, 12, l1, r1);
    centredCaption (lpCaption, right, y2, l2);
    sideKnob (lpKnob, right, y2, l2, r2);
}
