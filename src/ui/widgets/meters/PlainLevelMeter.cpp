#include "ui/widgets/meters/PlainLevelMeter.h"

#include "ui/lookandfeel/ColourIds.h"
#include "ui/lookandfeel/HuePalette.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace
{
std::int64_t steadyNanos()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds> (std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool isShowingOnScreen (juce::Component& c)
{
    auto* top = c.getTopLevelComponent();
    if (top == nullptr || ! top->isVisible() || ! top->isOnDesktop())
        return false;
    auto* peer = top->getPeer();
    return peer != nullptr && ! peer->isMinimised();
}
} // namespace

PlainLevelMeter::MeterBase::MeterBase (bool fromTopToBottom) : fromTop (fromTopToBottom)
{
    setOpaque (true);
}

juce::Colour PlainLevelMeter::MeterBase::chooseColour() const
{
    const auto& o = *owner;
    const auto len = static_cast<float> (o.length);
    if (held >= len && ! o.topColour.isTransparent())
        return o.topColour;
    if (held >= (o.markDb - o.floorDb) * len / (o.topDb - o.floorDb) && ! o.markColour.isTransparent())
        return o.markColour;
    return o.barColour;
}

void PlainLevelMeter::MeterBase::paint (juce::Graphics& g)
{
    if (owner == nullptr)
        return;
    g.fillAll (owner->backgroundColour);
    g.setColour (chooseColour());
    drawBar (g, static_cast<int> (level), static_cast<int> (held));
}

PlainLevelMeter::PlainLevelMeter (std::unique_ptr<MeterBase> meterPart)
    : monotonicNanos (steadyNanos), meter (std::move (meterPart))
{
    meter->owner = this;

    if (auto* laf = findLookAndFeelCorvanel (*this))
    {
        backgroundColour = laf->getCorvanelColourScheme().getUIColour (juce::LookAndFeel_V4::ColourScheme::widgetBackground);
        barColour = HuePalette::shades (hue).bright;
    }

    peakLabel.setText ("-Inf.", juce::dontSendNotification);
    peakLabel.setTooltip ("This label displays the peak signal level attained (in dB).\n"
                          "Click on it at any time to reset its value.");
    addChildComponent (peakLabel);
}

PlainLevelMeter::~PlainLevelMeter()
{
    stopTimer();
}

void PlainLevelMeter::newSamples (const float* samples, int numSamples)
{
    if (numSamples <= 0)
        return;
    const auto [lo, hi] = std::minmax_element (samples, samples + numSamples);
    const auto peak = std::max (*hi, std::abs (*lo));
    if (pendingPeak.load (std::memory_order_relaxed) < peak)
        pendingPeak.exchange (peak);
}

void PlainLevelMeter::timerCallback()
{
    if (pendingPeak.load() < 0.0f)
        return;   // no block since the last tick: everything stays

    const auto p = pendingPeak.exchange (-1.0f);
    const auto len = static_cast<float> (length);
    float newLevel = 1.0f;
    if (p > 0.0f)
    {
        const auto dB = 20.0f * std::log10 (p);
        if (dB > peakDb)
        {
            peakDb = dB;
            setPeakText (dB);
        }
        newLevel = dbScale ? (dB - floorDb) * len / (topDb - floorDb) : len * p;
        newLevel = std::max (newLevel, 1.0f);
    }
    newLevel = std::min (newLevel, len);

    const auto now = monotonicNanos();
    auto newHeld = meter->held;
    if (newLevel >= newHeld)
    {
        newHeld = newLevel;
        lastHoldTime = now;
    }
    else if (now - lastHoldTime > holdNanos)
    {
        newHeld -= 1.0f;
    }

    if (newLevel == meter->level && newHeld == meter->held)
        return;
    meter->level = newLevel;
    meter->held = newHeld;
    meter->repaint();
}

void PlainLevelMeter::parentHierarchyChanged()
{
    if (isShowingOnScreen (*this) && updateRate > 0)
        startTimer (1000 / updateRate);
    else
        stopTimer();
}

void PlainLevelMeter::colourChanged()
{
    setPeakText (peakDb);
}

void PlainLevelMeter::setPeakText (float dB)
{
    auto* laf = findLookAndFeelCorvanel (*this);
    if (! showPeakLabel || laf == nullptr)
        return;

    peakLabel.setColour (CorvanelColourIds::smallLabelText,
                         dB > topDb ? juce::Colour (0xffff0000)
                                    : laf->getCorvanelColourScheme().getUIColour (juce::LookAndFeel_V4::ColourScheme::defaultText));
    if (dB <= -100.0f)
        peakLabel.setText ("-Inf.", juce::dontSendNotification);
    else
        peakLabel.setText ((dB > 0.0f ? "+" : "") + juce::String (dB, 1), juce::dontSendNotification);
}

PlainVerticalLevelMeter::PlainVerticalLevelMeter() : PlainLevelMeter (std::make_unique<Meter>())
{
    peakLabel.setJustificationType (juce::Justification::centredTop);
    addAndMakeVisible (*meter);
}

void PlainVerticalLevelMeter::resized()
{
    int h0 = 0;
    peakLabel.setVisible (showPeakLabel);
    if (showPeakLabel)
    {
        h0 = std::min (getHeight(), 16);
        peakLabel.setBounds (0, 0, getWidth(), h0);
    }
    meter->setBounds ((getWidth() - thickness) / 2, h0, thickness, getHeight() - h0);
    length = getHeight() - h0;
}

void PlainVerticalLevelMeter::Meter::drawBar (juce::Graphics& g, int barLength, int heldLength)
{
    if (! fromTop)
    {
        g.fillRect (0, getHeight() - barLength, getWidth(), barLength);
        if (showHoldLine)
            g.fillRect (0, getHeight() - heldLength + 1, getWidth(), 1);
    }
    else
    {
        g.fillRect (0, 0, getWidth(), barLength);
        if (showHoldLine)
            g.fillRect (0, heldLength - 1, getWidth(), 1);
    }
}

PlainHorizontalLevelMeter::PlainHorizontalLevelMeter() : PlainLevelMeter (std::make_unique<Meter>())
{
    peakLabel.setJustificationType (juce::Justification::centredLeft);
    addAndMakeVisible (*meter);
}

void PlainHorizontalLevelMeter::resized()
{
    int w = getWidth();
    peakLabel.setVisible (showPeakLabel);
    if (showPeakLabel)
    {
        const int lw = std::min (getWidth(), 30);
        peakLabel.setBounds (getWidth() - lw, -1, lw, getHeight());
        w = getWidth() - lw - std::min (getWidth() - lw, 4);
    }
    meter->setBounds (0, (getHeight() - thickness) / 2, w, thickness);
    length = w;
}

void PlainHorizontalLevelMeter::Meter::drawBar (juce::Graphics& g, int barLength, int heldLength)
{
    g.fillRect (0, 0, barLength, getHeight());
    if (showHoldLine)
        g.fillRect (heldLength - 1, 0, 1, getHeight());
}
