#include "GraphTestSupport.h"

#include "ui/widgets/graphs/FilterCurves.h"
#include "ui/widgets/graphs/MasterFilterComponent.h"
#include "ui/widgets/graphs/MultimodeFilterComponent.h"

#include <cmath>

using namespace graphtest;
using corvanel::MasterFilterComponent;
using corvanel::MultimodeFilterComponent;

namespace
{
class FilterResponseDisplays : public uitest::LookAndFeelTest
{
};

struct MessageCounter : SafeChangeListener
{
    int count = 0;
    void changeListenerCallback (SafeChangeBroadcaster*) override { ++count; }
};

// Presses on the display after a move inside and drags by (dx, dy) pixels
// through the display's invisible drag surface.
template <typename Display>
void pressAndDrag (Display& display, float dx, float dy)
{
    const juce::Point<float> down { 20.0f, 60.0f };
    display.controlPoint.mouseMove (at (display, down));
    display.controlPoint.mouseDown (at (display, down));
    display.controlPoint.mouseDrag (at (display, down + juce::Point<float> (dx, dy), down));
}

template <typename Display>
void release (Display& display)
{
    display.controlPoint.mouseUp (at (display, { 20.0f, 60.0f }));
}
} // namespace

TEST (ResonanceTables, PositionsOnTheBreakpoints)
{
    EXPECT_FLOAT_EQ (corvanel::resonanceTablePosition (0.0f), 0.0f);
    EXPECT_FLOAT_EQ (corvanel::resonanceTablePosition (15.0f), 1.0f);
    EXPECT_FLOAT_EQ (corvanel::resonanceTablePosition (120.0f), 7.0f + 9.0f / 16.0f);
    EXPECT_FLOAT_EQ (corvanel::resonanceTablePosition (127.0f), 8.0f);
    EXPECT_FLOAT_EQ (corvanel::resonanceTablePosition (300.0f), 8.0f);
    EXPECT_FLOAT_EQ (corvanel::resonanceTablePosition (-4.0f), 0.0f);
    EXPECT_FLOAT_EQ (corvanel::resonanceTablePosition (std::nanf ("")), 0.0f);

    EXPECT_FLOAT_EQ (MultimodeFilterComponent::resonanceToQ (0.0f), 0.51f);
    EXPECT_FLOAT_EQ (MultimodeFilterComponent::resonanceToQ (15.0f), 1.0f);
    EXPECT_FLOAT_EQ (MultimodeFilterComponent::resonanceToQ (20.0f), 1.0f + 1.5f * 5.0f / 16.0f);
    EXPECT_FLOAT_EQ (MultimodeFilterComponent::resonanceToQ (127.0f), 70.0f);
}

TEST (FilterCurves, AttenuationAtChosenFrequencies)
{
    const struct
    {
        int type;
        float cutoff, q, position, gain;
        float dB;
    } cases[] = {
        { 0, 64, 0.51f, 0.0f, 0, 3.0727f },      // low pass: the numerator's 0.5 is 3 dB
        { 0, 64, 0.51f, 0.5f, 0, 8.8589f },      // at the cutoff
        { 0, 64, 70.0f, 0.5f, 0, -33.8917f },    // resonance peak
        { 0, 64, 0.51f, 1.0f, 0, 45.2169f },     // three octaves above
        { 4, 64, 0.51f, 0.0f, 0, 45.2169f },     // high pass mirrors it
        { 16, 64, 0.7f, 0.75f, 0, 42.7940f },    // four-pole low pass
        { 8, 64, 2.3f, 0.5f, 32, -5.625f },      // equaliser centre: -20 log10 G
        { 8, 64, 2.3f, 0.5f, -32, 5.625f },
        { 99, 64, 0.51f, 0.5f, 0, 8.8589f },     // unknown types draw as type 0
    };
    for (const auto& c : cases)
        EXPECT_NEAR (corvanel::filterCurveForType (c.type) (c.cutoff, c.q, c.position, c.gain), c.dB, 1e-3f) << "type " << c.type;

    // The off type ignores the passed Q.
    const auto off = corvanel::filterCurveForType (7);
    EXPECT_FLOAT_EQ (off (64, 0.51f, 0.3f, 0), off (64, 70.0f, 0.3f, 0));
}

TEST_F (FilterResponseDisplays, MultimodeCurveSitsBelowTheZeroLineAndSpansTheWidth)
{
    MultimodeFilterComponent display;
    display.setSize (200, 100);
    EXPECT_TRUE (display.responsePath.isEmpty());

    display.setCutoff (64.0f * 256.0f);
    display.setResonance (0.0f);
    EXPECT_FLOAT_EQ (display.q, 0.51f);
    EXPECT_FLOAT_EQ (display.controlPoint.x, 64.0f);

    const auto bounds = display.responsePath.getBounds();
    EXPECT_NEAR (bounds.getX(), -2.0f, 1e-3f);
    EXPECT_NEAR (bounds.getRight(), 1.02f * 201.0f - 2.0f, 1e-3f);
    EXPECT_NEAR (bounds.getBottom(), 102.0f, 1e-3f);
    // The first drawn sample, about 6 pixels below the zero line (3 dB).
    const auto first = elements (display.responsePath).front().point;
    EXPECT_NEAR (first.y, 6.15f, 0.05f);
    EXPECT_NEAR (first.x, -2.0f, 1e-3f);
}

TEST_F (FilterResponseDisplays, ResonanceChoosesTheTableOfTheType)
{
    MultimodeFilterComponent display;
    display.setSize (128, 64);
    display.setResonance (127.0f);
    EXPECT_FLOAT_EQ (display.q, 70.0f);
    EXPECT_FLOAT_EQ (display.controlPoint.y, 127.0f);

    display.setFilterType (14);
    display.setResonance (63.0f);
    EXPECT_FLOAT_EQ (display.q, 1.2f);
    EXPECT_FLOAT_EQ (display.controlPoint.y, 127.0f);   // only the general table moves the point

    // The equaliser's five steps; values outside 1 .. 5 take the nearest step.
    display.setFilterType (MultimodeFilterComponent::equaliserType);
    const struct
    {
        float step, q;
    } steps[] = { { 1, 0.77f }, { 2, 2.3f }, { 3.9f, 5.3f }, { 5, 10 }, { 0, 0.77f }, { -3, 0.77f },
                  { 6, 10 },    { 1e9f, 10 }, { std::nanf (""), 0.77f } };
    for (const auto& s : steps)
    {
        display.setResonance (s.step);
        EXPECT_FLOAT_EQ (display.q, s.q) << s.step;
    }
}

TEST_F (FilterResponseDisplays, RebuildWithNonNormalSamplesKeepsThePreviousPath)
{
    MultimodeFilterComponent display;
    display.setSize (128, 64);
    display.setFilterType (11);   // notch, sampled every half pixel
    display.setCutoff (60.25f * 256.0f);
    const auto before = display.responsePath;
    ASSERT_FALSE (before.isEmpty());

    // Cutoff 64 on a 128-pixel display puts the notch exactly on the sample at
    // x 64: an infinite attenuation, so the whole rebuild is rejected.
    display.setCutoff (64.0f * 256.0f);
    EXPECT_EQ (display.responsePath, before);

    display.setCutoff (64.25f * 256.0f);
    EXPECT_NE (display.responsePath, before);

    // A display without width keeps its path too.
    const auto kept = display.responsePath;
    display.setSize (0, 64);
    display.setCutoff (20.0f * 256.0f);
    EXPECT_EQ (display.responsePath, kept);
}

TEST_F (FilterResponseDisplays, EqualiserAtZeroGainIsAFlatLine)
{
    MultimodeFilterComponent display;
    display.setSize (128, 64);
    display.setFilterType (MultimodeFilterComponent::equaliserType);
    display.setResonance (3.0f);
    display.setGain (20.0f);
    const auto raised = display.responsePath;

    display.setGain (0.0f);
    EXPECT_FLOAT_EQ (display.controlPoint.y, 64.0f);
    EXPECT_NE (display.responsePath, raised);
    // Only the curve's top edge matters: it lies on the zero line.
    EXPECT_NEAR (display.responsePath.getBounds().getY(), 0.0f, 1e-3f);
}

TEST_F (FilterResponseDisplays, DragReachesTheListenerWithCutoffAndResonance)
{
    MultimodeFilterComponent display;
    display.setSize (128, 128);   // one value step per pixel
    display.setCutoff (64.0f * 256.0f);
    display.setResonance (0.0f);
    MessageCounter listener;
    display.addChangeListener (&listener);

    pressAndDrag (display, 10.0f, -20.0f);
    // While the drag is in progress device values are dropped.
    display.setCutoff (100.0f * 256.0f);
    display.setResonance (90.0f);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count >= 2; }, std::chrono::seconds (5)));
    EXPECT_FLOAT_EQ (display.cutoff, 74.0f);
    EXPECT_FLOAT_EQ (display.resonance, 20.0f);
    EXPECT_FLOAT_EQ (display.q, MultimodeFilterComponent::resonanceToQ (20.0f));
    release (display);

    display.setCutoff (100.0f * 256.0f);
    EXPECT_FLOAT_EQ (display.cutoff, 100.0f);

    // A message that arrives after the release is ignored.
    pressAndDrag (display, -30.0f, 0.0f);
    release (display);
    fhtest::pumpFor (std::chrono::milliseconds (50));
    EXPECT_FLOAT_EQ (display.cutoff, 100.0f);
    display.removeChangeListener (&listener);
}

TEST_F (FilterResponseDisplays, EqualiserDragChangesTheGain)
{
    MultimodeFilterComponent display;
    display.setSize (128, 128);
    display.setFilterType (MultimodeFilterComponent::equaliserType);
    display.setResonance (2.0f);
    display.setGain (0.0f);
    display.setCutoff (32.0f * 256.0f);
    MessageCounter listener;
    display.addChangeListener (&listener);

    pressAndDrag (display, 0.0f, -10.0f);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count >= 2; }, std::chrono::seconds (5)));
    EXPECT_FLOAT_EQ (display.gain, 10.0f);
    EXPECT_FLOAT_EQ (display.resonance, 2.0f);
    EXPECT_FLOAT_EQ (display.q, 2.3f);
    release (display);
    display.removeChangeListener (&listener);
}

TEST_F (FilterResponseDisplays, DisabledDisplayIgnoresDrags)
{
    juce::Component parent;
    MultimodeFilterComponent display;
    parent.addAndMakeVisible (display);
    display.setSize (128, 128);
    display.setCutoff (64.0f * 256.0f);
    parent.setEnabled (false);
    MessageCounter listener;
    display.addChangeListener (&listener);

    pressAndDrag (display, 10.0f, 0.0f);
    fhtest::pumpFor (std::chrono::milliseconds (50));
    EXPECT_EQ (listener.count, 0);
    EXPECT_FLOAT_EQ (display.cutoff, 64.0f);
    release (display);
    display.removeChangeListener (&listener);
}

TEST_F (FilterResponseDisplays, MasterMixCoefficientsByType)
{
    MasterFilterComponent display;
    display.setSize (200, 100);
    EXPECT_EQ (display.filterType, 13);
    EXPECT_EQ (display.c2, 0.0);
    EXPECT_TRUE (display.responsePath.isEmpty());

    display.setFilterType (12);   // double notch; resonance 0 gives Q 0.1
    EXPECT_FLOAT_EQ (display.q, 0.1f);
    EXPECT_DOUBLE_EQ (display.t0, 1.0);
    EXPECT_NEAR (display.t1, -0.1, 1e-6);
    EXPECT_NEAR (display.t2, 5.8, 1e-6);
    EXPECT_NEAR (display.t3, -0.1, 1e-6);
    EXPECT_DOUBLE_EQ (display.t4, 1.0);

    // Types without a mix keep the previous coefficients.
    for (int type : { 8, 9, 10 })
    {
        display.setFilterType (type);
        EXPECT_EQ (display.c1, 4.0) << type;
        EXPECT_EQ (display.c4, 8.0) << type;
    }

    display.setFilterType (17);
    display.setResonance (127.0f);
    EXPECT_FLOAT_EQ (display.q, 1.995f);
    display.setFilterType (11);
    EXPECT_FLOAT_EQ (display.q, 1.0f);
    display.setFilterType (14);
    EXPECT_FLOAT_EQ (display.q, 1.991f);
}

TEST_F (FilterResponseDisplays, MasterResponseAtChosenFrequencies)
{
    MasterFilterComponent display;
    display.setSize (200, 100);
    display.setCutoff (64.0f * 256.0f);
    display.setFilterType (13);
    EXPECT_NEAR (display.computeResponse (0.0f, 200.0f), -0.01673f, 1e-4f);
    EXPECT_NEAR (display.computeResponse (100.0f, 200.0f), 1.76091f, 1e-4f);
    display.setResonance (127.0f);
    EXPECT_NEAR (display.computeResponse (100.0f, 200.0f), -20.45757f, 1e-3f);
    display.setResonance (0.0f);
    display.setFilterType (16);
    EXPECT_NEAR (display.computeResponse (150.0f, 200.0f), 42.71893f, 1e-3f);
    display.setFilterType (14);
    EXPECT_NEAR (display.computeResponse (50.0f, 200.0f), 20.91115f, 1e-3f);
    EXPECT_FALSE (display.responsePath.isEmpty());
}

TEST_F (FilterResponseDisplays, MasterDragMovesCutoffAndResonance)
{
    MasterFilterComponent display;
    display.setSize (256, 128);   // half a step per pixel sideways
    display.setFilterType (17);
    display.setCutoff (40.0f * 256.0f);
    display.setResonance (10.0f);
    MessageCounter listener;
    display.addChangeListener (&listener);

    pressAndDrag (display, 40.0f, -15.0f);
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return listener.count >= 2; }, std::chrono::seconds (5)));
    EXPECT_FLOAT_EQ (display.cutoff, 60.0f);
    EXPECT_FLOAT_EQ (display.resonance, 25.0f);
    EXPECT_FLOAT_EQ (display.q, 1.1f + 0.2f * 10.0f / 16.0f);
    release (display);
    display.removeChangeListener (&listener);
}

TEST_F (FilterResponseDisplays, MasterOffDrawsAFlatLine)
{
    MasterFilterComponent display;
    display.setSize (100, 60);
    display.setFilterType (MasterFilterComponent::offType);
    const auto image = uitest::render (display);
    const auto bright = lookAndFeel.getHueColours (9).bright.getARGB();
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, 50, 30), bright, 4));
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, 50, 10), lookAndFeel.getHueColours (9).darkest.getARGB(), 2));
}
