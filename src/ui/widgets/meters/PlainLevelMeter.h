#pragma once

#include "ui/lookandfeel/HasHue.h"
#include "ui/widgets/Labels.h"
#include "processor/SampleSubscriberIfc.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

// The level of one audio channel as a bar with a peak-hold line. Blocks of
// samples arrive on the publisher's thread (newSamples); a message-thread
// timer turns the largest absolute sample since its last tick into the bar's
// length. The owner subscribes the meter to the publisher and sets the public
// options right after construction; the meter never subscribes itself.
class PlainLevelMeter : public juce::Component,
                        public juce::SettableTooltipClient,
                        public juce::Timer,
                        public SampleSubscriberIfc,
                        public HasHue
{
public:
    // The drawing part: fills its background and picks the bar colour from
    // the hold line; the concrete meters draw the bar. Message thread only.
    class MeterBase : public juce::Component
    {
    public:
        explicit MeterBase (bool fromTopToBottom = false);

        void paint (juce::Graphics& g) override;

        // The colour of the bar and the hold line for the current hold level.
        juce::Colour chooseColour() const;

        PlainLevelMeter* owner = nullptr;
        bool showHoldLine = true;
        bool fromTop = false;
        float level = 0.0f;   // pixels
        float held = 0.0f;    // pixels of the hold line

    protected:
        virtual void drawBar (juce::Graphics& g, int barLength, int heldLength) = 0;
    };

    explicit PlainLevelMeter (std::unique_ptr<MeterBase> meterPart);
    ~PlainLevelMeter() override;

    // Publisher's thread: remembers the block's peak for the next tick.
    void newSamples (const float* samples, int numSamples) override;

    // Message thread.
    void timerCallback() override;
    void parentHierarchyChanged() override;
    void colourChanged() override;

    void setPeakText (float dB);

    MeterBase& getMeterPart() { return *meter; }
    SmallLabel& getPeakLabel() { return peakLabel; }
    float getPeakDb() const { return peakDb; }

    // Options, set by the owner after construction.
    int updateRate = 30;
    bool dbScale = false;
    bool showPeakLabel = false;
    int thickness = 4;
    juce::Colour backgroundColour, barColour, topColour, markColour;
    int length = 1;
    std::atomic<float> pendingPeak { 0.0f };
    float topDb = 0.0f;
    float floorDb = -70.0f;
    float markDb = -3.0f;
    float peakDb = -std::numeric_limits<float>::infinity();

    // The monotonic clock in nanoseconds; tests drive it.
    std::function<std::int64_t()> monotonicNanos;

    static constexpr std::int64_t holdNanos = 1'500'000'000;

protected:
    SmallLabel peakLabel;
    std::unique_ptr<MeterBase> meter;
    std::int64_t lastHoldTime = 0;
};

// A vertical bar rising from the bottom, the peak label above it.
class PlainVerticalLevelMeter : public PlainLevelMeter
{
public:
    PlainVerticalLevelMeter();

    void resized() override;

    class Meter : public MeterBase
    {
    protected:
        void drawBar (juce::Graphics& g, int barLength, int heldLength) override;
    };
};

// A horizontal bar growing to the right, the peak label at its right end.
class PlainHorizontalLevelMeter : public PlainLevelMeter
{
public:
    PlainHorizontalLevelMeter();

    void resized() override;

    class Meter : public MeterBase
    {
    protected:
        void drawBar (juce::Graphics& g, int barLength, int heldLength) override;
    };
};
