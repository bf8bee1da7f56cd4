// The track filter panels on a detached panel context: the analog multi-mode
// filter with its envelope row (T10) and the base-width filter (T1): device
// values shown without a write, user edits written in their encodings, the
// filter-type map both ways, the infinite toggles, the defaults, right-click
// targets and the layouts at the sizes the track tab gives.
#include "../PanelTestSupport.h"
#include "../modulation/MenuTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/panels/track/AnalogEnvelopePanel.h"
#include "ui/panels/track/BaseWidthFilterPanel.h"

using namespace paneltest;
using R = juce::Rectangle<int>;
using Row = FilterEnvelopeRow;

namespace
{
const std::vector<juce::Identifier> analogIds { Sound_FilterAttack,    Sound_FilterDecay,     Sound_FilterSustain,
                                                Sound_FilterRelease,   Sound_FilterResonance, Sound_FilterFrequency,
                                                Sound_FilterEnvDepth,  Sound_AnalogFilterType, Sound_FilterEnvDelay,
                                                Sound_FilterEnvRestart };

class AnalogFilterTest : public PanelTest
{
protected:
    AnalogFilterTest() : PanelTest (9, analogIds)
    {
        panel.setParameterIds ({ analogIds[0], analogIds[1], analogIds[2], analogIds[3], analogIds[4], analogIds[5],
                                 analogIds[6], analogIds[7], analogIds[8], analogIds[9] });
        panel.setHue (11);
        panel.setBounds (0, 0, 276, 468);
        poll();
        recorder.clear();
    }

    AnalogEnvelopePanel panel { context, &object, 9 };
    Row& row = panel.getEnvelope();
};

TEST_F (AnalogFilterTest, DeviceValuesShowInEveryControlWithoutAWrite)
{
    struct Case { juce::Identifier id; int value; juce::Slider* box; double shown; ModulationSlider* bar; double barValue; };
    const Case cases[] = {
        { Sound_FilterAttack, 0x2000, &row.getBox (Row::attack), 32, &row.getBar (Row::attack), 32 },
        { Sound_FilterSustain, 0x5100, &row.getBox (Row::sustain), 81, &row.getBar (Row::sustain), 81 },
        { Sound_FilterEnvDelay, 0x0700, &row.getBox (Row::delay), 7, &row.getBar (Row::delay), 7 },
        { Sound_FilterDecay, 0x3000, &row.getBox (Row::decay), 48, &row.getBar (Row::decay), 48 },
        { Sound_FilterRelease, 0x7F00, &row.getBox (Row::release), 127, &row.getBar (Row::release), 127 },
        { Sound_FilterFrequency, 0x4080, &panel.getFrequencyBox(), 0x4080, &panel.getFrequencyBar(), 0x40 },
        { Sound_FilterResonance, 0x1234, &panel.getResonanceBox(), 0x1234, &panel.getResonanceBar(), 0x12 },
        { Sound_FilterEnvDepth, 0x2000, &panel.getDepthBox(), -8192, &panel.getDepthBar(), -32 },
        { Sound_FilterEnvDepth, 0x4000, &panel.getDepthBox(), 0, &panel.getDepthBar(), 0 },
    };
    for (const auto& c : cases)
    {
        recorder.showFromDevice (c.id, c.value);
        poll();
        EXPECT_EQ (c.box->getValue(), c.shown) << c.id.toString();
        EXPECT_EQ (c.bar->getValue(), c.barValue) << c.id.toString();
    }
    EXPECT_EQ (row.getGraph().data.attack, 32);
    EXPECT_EQ (row.getGraph().data.sustain, 81);
    EXPECT_EQ (row.getGraph().data.delay, 7);
    EXPECT_EQ (row.getGraph().data.decay, 48);
    EXPECT_EQ (row.getGraph().data.release, 127);
    EXPECT_TRUE (row.getInfiniteToggle (Row::release).getToggleState());
    EXPECT_FALSE (row.getBox (Row::release).isEnabled()) << "an infinite release disables its box";
    EXPECT_EQ (row.getBox (Row::release).getDisplayText(), "127") << "the analog box keeps its number";
    EXPECT_EQ (panel.getDepthBox().getDisplayText(), "+0.00");
    EXPECT_EQ (panel.getDisplay().cutoff, 0x4080 / 256.0f);

    recorder.showFromDevice (Sound_FilterEnvRestart, 0x100);
    poll();
    EXPECT_TRUE (row.getResetToggle().getToggleState());
    EXPECT_TRUE (row.getGraph().reset);

    // While the user drags a box, a device value still moves it (filter boxes follow the device).
    edit::pressAndDrag (row.getBox (Row::attack), 20.0f);
    recorder.clear();
    recorder.showFromDevice (Sound_FilterAttack, 0x0900);
    poll();
    EXPECT_EQ (row.getBox (Row::attack).getValue(), 9.0);
    edit::release (row.getBox (Row::attack));
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (AnalogFilterTest, UserEditsWriteTheirEncodings)
{
    struct Case { juce::Slider* box; double value; juce::Identifier id; int written; };
    const Case cases[] = {
        { &row.getBox (Row::attack), 10, Sound_FilterAttack, 0x0A00 },
        { &row.getBox (Row::decay), 127, Sound_FilterDecay, 0x7F00 },
        { &row.getBox (Row::sustain), 64, Sound_FilterSustain, 0x4000 },
        { &row.getBox (Row::release), 5, Sound_FilterRelease, 0x0500 },
        { &row.getBox (Row::delay), 3, Sound_FilterEnvDelay, 0x0300 },
        { &panel.getFrequencyBox(), 16512, Sound_FilterFrequency, 16512 },
        { &panel.getResonanceBox(), 2560, Sound_FilterResonance, 2560 },
        { &panel.getDepthBox(), -8192, Sound_FilterEnvDepth, 0x2000 },
        { &panel.getDepthBox(), 0, Sound_FilterEnvDepth, 0x4000 },
    };
    for (const auto& c : cases)
    {
        recorder.clear();
        c.box->setValue (c.value, juce::sendNotificationSync);
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { c.id, c.written } })) << c.id.toString();
    }
    const double barBefore = panel.getFrequencyBar().getValue();
    panel.getFrequencyBox().setValue (0x2000, juce::sendNotificationSync);
    EXPECT_EQ (panel.getFrequencyBar().getValue(), barBefore) << "the frequency bar waits for the echo";
    poll();
    EXPECT_EQ (panel.getFrequencyBar().getValue(), 0x20);
    EXPECT_EQ (row.getGraph().data.attack, 10);
}

TEST_F (AnalogFilterTest, FilterTypesMapBothWays)
{
    const int typeIds[] = { 0, 2, 4, 5, 9, 6, 10, 7 };
    for (int n = 0; n < 8; ++n)
    {
        recorder.showFromDevice (Sound_AnalogFilterType, n << 8);
        poll();
        EXPECT_EQ (panel.getTypeSelector().getSelectedType(), typeIds[n]) << n;
        EXPECT_EQ (panel.getDisplay().filterType, typeIds[n]) << n;
    }
    for (int outside : { 8, 0x7F, -1 })
    {
        panel.setValueFromDevice (Sound_AnalogFilterType, outside * 256);
        EXPECT_EQ (panel.getTypeSelector().getSelectedType(), 7) << outside << " shows OFF";
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());

    for (int n = 0; n < 8; ++n)
    {
        recorder.clear();
        panel.getTypeSelector().setSelectedType (typeIds[n], true);
        pump();
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_AnalogFilterType, n << 8 } })) << n;
    }
    EXPECT_EQ (AnalogEnvelopePanel::valueOfTypeId (3), 7) << "an unknown type writes OFF";
}

TEST_F (AnalogFilterTest, InfiniteTogglesRememberTheFiniteTime)
{
    auto& toggle = row.getInfiniteToggle (Row::release);
    recorder.showFromDevice (Sound_FilterRelease, 0x7F00);   // infinite from the start
    poll();
    ASSERT_TRUE (toggle.getToggleState());
    recorder.clear();
    edit::click (toggle);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_FilterRelease, 126 << 8 } })) << "lastFiniteValue starts at 126";
    EXPECT_TRUE (row.getBox (Row::release).isEnabled());

    recorder.showFromDevice (Sound_FilterRelease, 40 << 8);
    poll();
    recorder.clear();
    edit::click (toggle);
    edit::click (toggle);
    EXPECT_EQ (recorder.writes(),
               (std::vector<Write> { { Sound_FilterRelease, 0x7F00 }, { Sound_FilterRelease, 40 << 8 } }));
    EXPECT_EQ (row.getTimeState (Row::release).value, 40);

    recorder.clear();
    edit::click (row.getInfiniteToggle (Row::decay));
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_FilterDecay, 0x7F00 } }));
    EXPECT_FALSE (row.getBox (Row::decay).isEnabled());

    recorder.clear();
    edit::click (row.getResetToggle());
    edit::click (row.getResetToggle());
    EXPECT_EQ (recorder.writes(),
               (std::vector<Write> { { Sound_FilterEnvRestart, 256 }, { Sound_FilterEnvRestart, 0 } }));
}

TEST_F (AnalogFilterTest, DoubleClicksReturnToTheDefaults)
{
    struct Case { juce::Slider* box; juce::Identifier id; double shown; int written; };
    const Case cases[] = {
        { &row.getBox (Row::attack), Sound_FilterAttack, (double) (defaultOf (Sound_FilterAttack) >> 8),
          (defaultOf (Sound_FilterAttack) >> 8) << 8 },
        { &panel.getFrequencyBox(), Sound_FilterFrequency, (double) defaultOf (Sound_FilterFrequency),
          defaultOf (Sound_FilterFrequency) },
        { &panel.getDepthBox(), Sound_FilterEnvDepth, (double) (defaultOf (Sound_FilterEnvDepth) - 0x4000),
          defaultOf (Sound_FilterEnvDepth) },
    };
    for (const auto& c : cases)
    {
        c.box->setValue (c.shown > c.box->getMinimum() ? c.shown - 1.0 : c.shown + 1.0, juce::dontSendNotification);
        recorder.clear();
        edit::doubleClick (*c.box);
        EXPECT_EQ (c.box->getValue(), c.shown) << c.id.toString();
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { c.id, c.written } })) << c.id.toString();
    }
}

TEST_F (AnalogFilterTest, RightClicksOpenTheMenuOnlyOnParameterBoxesAndReset)
{
    ShownWindow window;
    window.setSize (276, 468);
    window.addAndMakeVisible (panel);
    menutest::ScopedModalStep step;
    const auto centre = [&] (juce::Component& c) { return window.getLocalPoint (&c, c.getLocalBounds().getCentre()); };

    struct Case { juce::Component* on; juce::Identifier opens; const char* what; };
    const Case cases[] = {
        { &row.getBox (Row::attack), Sound_FilterAttack, "attack" },
        { &row.getBox (Row::release), Sound_FilterRelease, "release" },
        { &panel.getResonanceBox(), Sound_FilterResonance, "resonance" },
        { &panel.getDepthBox(), Sound_FilterEnvDepth, "depth" },
        { &row.getBox (Row::delay), Sound_FilterEnvDelay, "delay" },
        { &row.getResetToggle(), Sound_FilterEnvRestart, "reset" },
        { &row.getInfiniteToggle (Row::decay), {}, "decay Inf" },
        { &row.getGraph(), {}, "graph" },
        { &panel.getDisplay(), {}, "display" },
        { &panel.getTypeSelector(), {}, "selector" },
    };
    for (const auto& c : cases)
    {
        step.shown.clear();
        edit::clickThroughPeer (window, centre (*c.on), edit::right);
        ASSERT_EQ (step.shown.size(), c.opens.isValid() ? 1u : 0u) << c.what;
        if (c.opens.isValid())
        {
            EXPECT_EQ (panel.getModulationMenu().getParameterId(), c.opens) << c.what;
        }
    }
    step.shown.clear();
    edit::clickThroughPeer (window, centre (row.getBox (Row::attack)), edit::left);
    EXPECT_TRUE (step.shown.empty()) << "a left click opens nothing";
    window.removeChildComponent (&panel);
}

TEST_F (AnalogFilterTest, LayoutAtTheTrackTabsSize)
{
    EXPECT_EQ (panel.getDisplay().getBounds(), R (16, 56, 244, 114));
    EXPECT_EQ (panel.getFrequencyBox().getBounds(), R (36, 190, 68, 28));
    EXPECT_EQ (panel.getResonanceBox().getBounds().getX(), 104);
    EXPECT_EQ (panel.getDepthBox().getBounds().getX(), 172);
    EXPECT_EQ (panel.getTypeSelector().getBounds(), R (8, 36, 260, 12));
    EXPECT_EQ (row.getBounds(), R (0, 234, 276, 234));
    EXPECT_EQ (row.getGraph().getBounds().translated (0, 234), R (16, 270, 244, 138));
    EXPECT_EQ (row.getCaption (Row::delay).getBounds().translated (0, 234), R (12, 416, 36, 12));
    EXPECT_EQ (row.getBox (Row::release).getBounds().translated (0, 234), R (205, 428, 28, 20));
    EXPECT_EQ (row.getInfiniteToggle (Row::release).getBounds().translated (0, 234), R (240, 434, 16, 8));
    EXPECT_EQ (row.getDash (2).getBounds().translated (0, 234), R (75, 438, 16, 1));
    EXPECT_EQ (FilterEnvelopeRow::upperHalfHeight (467), 234);
    EXPECT_EQ (FilterEnvelopeRow::upperHalfHeight (469), 234);
    EXPECT_EQ (FilterEnvelopeRow::upperHalfHeight (312), 156);
}

class BaseWidthFilterTest : public PanelTest
{
protected:
    BaseWidthFilterTest() : PanelTest (0, { Sound_FilterBase, Sound_FilterWidth })
    {
        panel.setParameterIds (Sound_FilterBase, Sound_FilterWidth);
        panel.setBounds (0, 0, 276, 128);
        poll();
        recorder.clear();
    }

    BaseWidthFilterPanel panel { context, &object, 0 };
};

TEST_F (BaseWidthFilterTest, DeviceValuesMoveBoxesBarsAndTheBand)
{
    recorder.showFromDevice (Sound_FilterWidth, 30 << 8);
    poll();
    const int bandwidth = panel.getDrawing().bandwidth;
    recorder.showFromDevice (Sound_FilterBase, 0x4000);
    poll();
    EXPECT_EQ (panel.getBaseBox().getValue(), 64.0);
    EXPECT_EQ (panel.getBaseBar().getValue(), 64.0);
    EXPECT_EQ (panel.getDrawing().breakpoints[0].x, 64);
    EXPECT_EQ (panel.getDrawing().bandwidth, bandwidth) << "the base keeps the bandwidth";
    EXPECT_EQ (panel.getWidthBox().getValue(), 30.0);
    EXPECT_GT (panel.getDrawing().breakpoints[1].x, 64);
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (BaseWidthFilterTest, EditsAndDefaultsWriteShiftedValues)
{
    panel.getBaseBox().setValue (20, juce::sendNotificationSync);
    panel.getWidthBox().setValue (100, juce::sendNotificationSync);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_FilterBase, 20 << 8 }, { Sound_FilterWidth, 100 << 8 } }));
    EXPECT_EQ (panel.getDrawing().bandwidth, 100);

    recorder.clear();
    edit::doubleClick (panel.getWidthBox());
    edit::doubleClick (panel.getBaseBox());
    EXPECT_EQ (panel.getWidthBox().getValue(), (double) (defaultOf (Sound_FilterWidth) >> 8));
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_FilterWidth, (defaultOf (Sound_FilterWidth) >> 8) << 8 },
                                                        { Sound_FilterBase, (defaultOf (Sound_FilterBase) >> 8) << 8 } }));
}

TEST_F (BaseWidthFilterTest, RightClicksAndLayout)
{
    EXPECT_EQ (panel.getDrawing().getBounds(), R (16, 18, 244, 50));
    EXPECT_EQ (panel.getBaseBox().getBounds(), R (68, 84, 68, 28));
    EXPECT_EQ (panel.getWidthBox().getBounds().getX(), 140);
    EXPECT_EQ (panel.getBaseCaption().getBounds().getY(), 72);

    ShownWindow window;
    window.setSize (276, 128);
    window.addAndMakeVisible (panel);
    menutest::ScopedModalStep step;
    const auto centre = [&] (juce::Component& c) { return window.getLocalPoint (&c, c.getLocalBounds().getCentre()); };
    struct Case { juce::Component* on; juce::Identifier opens; };
    for (const auto& c : { Case { &panel.getBaseBox(), Sound_FilterBase }, Case { &panel.getWidthBox(), Sound_FilterWidth },
                           Case { &panel.getDrawing(), {} }, Case { &panel.getBaseCaption(), {} } })
    {
        step.shown.clear();
        edit::clickThroughPeer (window, centre (*c.on), edit::right);
        ASSERT_EQ (step.shown.size(), c.opens.isValid() ? 1u : 0u) << c.on->getName();
        if (c.opens.isValid())
        {
            EXPECT_EQ (panel.getModulationMenu().getParameterId(), c.opens);
        }
    }
    window.removeChildComponent (&panel);
}
} // namespace
