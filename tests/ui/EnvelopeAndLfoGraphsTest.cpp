#include "GraphTestSupport.h"

#include "ui/widgets/graphs/AmpEnvelopeGraph.h"
#include "ui/widgets/graphs/EnvelopePanelGraph.h"
#include "ui/widgets/graphs/LFOSelector.h"

using namespace graphtest;

namespace
{
class EnvelopeGraphs : public uitest::LookAndFeelTest
{
};

juce::Point<float> centreOf (const GraphPoint& point)
{
    return { point.x, point.y };
}

template <typename Graph>
void pressAndDrag (Graph& graph, juce::Point<float> from, juce::Point<float> offset)
{
    graph.mouseMove (at (graph, from));
    graph.mouseDown (at (graph, from));
    graph.mouseDrag (at (graph, from + offset, from));
}
} // namespace

TEST_F (EnvelopeGraphs, AmpShapeWithAutoHoldAndInfiniteDecay)
{
    AmpEnvelopeGraph graph;
    graph.setSize (320, 120);   // drawing area 300 x 100
    graph.holdAutoValue = 1.0f;
    graph.setAutoLabel ("Note");

    const auto path = graph.buildAmpPath (0.0f, 1.0f, 1.0f);
    EXPECT_TRUE (pathIs (path, { S (0, 1), L (0, 0), L (0.33f, 0), L (1, 0), L (1.5f, 0), L (1.5f, 1) }));
    EXPECT_TRUE (graph.handles[0].visible);
    EXPECT_FALSE (graph.handles[1].visible);
    EXPECT_FALSE (graph.handles[2].visible);
    EXPECT_FLOAT_EQ (graph.handles[0].x, 10.0f);
    EXPECT_FLOAT_EQ (graph.handles[0].y, 10.0f);

    // The label is centred on the middle of the hold: x = trunc (0.165 * 300 + 10) = 59.
    graph.setHold (127.0f);
    graph.setDecay (127.0f);
    const auto image = uitest::render (graph);
    const auto ground = lookAndFeel.getHueColours (9).darkest.getARGB();
    int left = 1000, right = -1;
    for (int y = 14; y <= 26; ++y)
        for (int x = 14; x < 320; ++x)   // right of the attack line
            if (! uitest::nearColour (uitest::pixel (image, x, y), ground, 3))
            {
                left = std::min (left, x);
                right = std::max (right, x);
            }
    ASSERT_GE (right, left);
    EXPECT_NEAR ((left + right) / 2.0, 59.0, 3.0);
}

TEST_F (EnvelopeGraphs, AmpHoldAtTheStartAutoValue)
{
    AmpEnvelopeGraph graph;
    graph.setSize (320, 120);
    // Auto value 0: a hold of 127 is a real hold with its handle at 0.33.
    graph.buildAmpPath (0.0f, 1.0f, 0.5f);
    EXPECT_TRUE (graph.handles[1].visible);
    EXPECT_NEAR (graph.handles[1].x, 10.0f + 0.33f * 300.0f, 1e-3f);
    EXPECT_TRUE (graph.handles[2].visible);
    EXPECT_NEAR (graph.handles[2].x, 10.0f + 0.495f * 300.0f, 1e-3f);
    EXPECT_FLOAT_EQ (graph.handles[2].y, 110.0f);

    // Hold 0 is the auto hold, drawn a full segment wide.
    const auto autoHold = graph.buildAmpPath (0.0f, 0.0f, 0.5f);
    EXPECT_TRUE (pathIs (autoHold, { S (0, 1), L (0, 0), L (0.33f, 0), Q (0.495f, 1) }));
    EXPECT_FALSE (graph.handles[1].visible);

    // Flipped: full level at the bottom.
    graph.flipped = true;
    graph.buildAmpPath (0.0f, 0.0f, 0.5f);
    EXPECT_FLOAT_EQ (graph.handles[0].y, 110.0f);
    EXPECT_FLOAT_EQ (graph.handles[2].y, 10.0f);
}

TEST_F (EnvelopeGraphs, AmpDragsStopShortOfAutoHoldAndInfiniteDecay)
{
    AmpEnvelopeGraph graph;
    graph.setSize (320, 120);
    graph.holdAutoValue = 1.0f;
    graph.setAttack (0.0f);
    graph.setHold (0.0f);
    graph.setDecay (60.0f);
    int attackCalls = 0, holdCalls = 0, decayCalls = 0;
    float seenAttack = -1.0f;
    graph.attackCallback = [&] { ++attackCalls; seenAttack = graph.attack; };
    graph.holdCallback = [&] { ++holdCalls; };
    graph.decayCallback = [&] { ++decayCalls; };

    // Hold 0 lies on the attack handle: the lower index wins the tie.
    graph.mouseMove (at (graph, { 10.0f, 10.0f }));
    EXPECT_TRUE (graph.handles[0].highlighted);
    EXPECT_FALSE (graph.handles[1].highlighted);

    // 33 pixels are 42.33 steps (99 pixels per full segment).
    pressAndDrag (graph, { 10.0f, 10.0f }, { 33.0f, 0.0f });
    EXPECT_NEAR (graph.attack, 42.333f, 1e-3f);
    EXPECT_EQ (attackCalls, 1);
    EXPECT_FLOAT_EQ (seenAttack, graph.attack);
    // Resting on the attack handle drops device values.
    graph.setAttack (5.0f);
    EXPECT_NEAR (graph.attack, 42.333f, 1e-3f);

    graph.setHold (100.0f);
    graph.buildAmpPath (graph.attack / 127.0f, graph.hold / 127.0f, graph.decay / 127.0f);
    pressAndDrag (graph, centreOf (graph.handles[1]), { 200.0f, 0.0f });
    EXPECT_FLOAT_EQ (graph.hold, 126.0f);
    EXPECT_EQ (holdCalls, 1);

    graph.buildAmpPath (graph.attack / 127.0f, graph.hold / 127.0f, graph.decay / 127.0f);
    pressAndDrag (graph, centreOf (graph.handles[2]), { 250.0f, 0.0f });
    EXPECT_FLOAT_EQ (graph.decay, 126.0f);
    EXPECT_EQ (decayCalls, 1);

    // With the start auto value 0 the hold drag stops at 1.
    graph.holdAutoValue = 0.0f;
    graph.buildAmpPath (graph.attack / 127.0f, graph.hold / 127.0f, graph.decay / 127.0f);
    pressAndDrag (graph, centreOf (graph.handles[1]), { -300.0f, 0.0f });
    EXPECT_FLOAT_EQ (graph.hold, 1.0f);

    // Away from the handles the setters apply again.
    graph.mouseExit (at (graph, { 0.0f, 0.0f }));
    graph.setAttack (5.0f);
    EXPECT_FLOAT_EQ (graph.attack, 5.0f);
}

namespace
{
using PanelGraph = EnvelopePanelGraph<EnvDataInfDecayInfRelease>;

void prepare (PanelGraph& graph)
{
    graph.setSize (220, 120);   // drawing area 200 x 100
    graph.data.envelopeType = 1;
    graph.data.attack = 64;
    graph.data.decay = 64;
    graph.data.sustain = 64;
    graph.data.release = 64;
    graph.updatePath();
}
} // namespace

TEST_F (EnvelopeGraphs, PanelGraphHandlesInPixels)
{
    PanelGraph graph;
    EXPECT_EQ (graph.data.envelopeType, 1);
    EXPECT_EQ (graph.data.decayLimits.maximum, 126);
    prepare (graph);

    const auto& handles = graph.shape.handles;
    ASSERT_EQ (handles.size(), 5u);
    EXPECT_NEAR (handles[1].x, 10.0f + 200.0f * 0.25f * 64.0f / 127.0f, 1e-3f);
    EXPECT_FLOAT_EQ (handles[1].y, 10.0f);
    EXPECT_FALSE (handles[0].visible);
    EXPECT_TRUE (handles[2].visible && handles[3].visible && handles[4].visible);
    EXPECT_FALSE (graph.displayPath.isEmpty());

    // An infinite decay hides decay, sustain and release.
    graph.setDecay (127);
    EXPECT_FALSE (handles[2].visible || handles[3].visible || handles[4].visible);
    EXPECT_TRUE (handles[1].visible);
    // They cannot be dragged: the hidden sustain handle takes the hover, the press finds nothing.
    const auto sustainAt = centreOf (handles[3]);
    const auto before = graph.data;
    pressAndDrag (graph, sustainAt, { 0.0f, 40.0f });
    EXPECT_EQ (graph.data.sustain, before.sustain);
    EXPECT_EQ (graph.data.release, before.release);

    graph.setDecay (20);   // the hidden decay handle is not the highlighted one
    EXPECT_EQ (graph.data.decay, 20);
    graph.showDelayPoint = true;
    graph.data.release = 127;
    graph.updatePath();
    EXPECT_TRUE (handles[0].visible);
    EXPECT_FALSE (handles[4].visible);
}

TEST_F (EnvelopeGraphs, PanelGraphSettersRespectTheHandleUnderTheMouse)
{
    PanelGraph graph;
    prepare (graph);
    const auto& handles = graph.shape.handles;

    graph.mouseMove (at (graph, centreOf (handles[1])));
    EXPECT_TRUE (graph.isHandleHighlighted (1));
    graph.setAttack (30);   // resting only: applied
    EXPECT_EQ (graph.data.attack, 30);

    graph.mouseMove (at (graph, centreOf (handles[2])));
    graph.setDecay (10);   // resting nearest the decay: dropped
    EXPECT_EQ (graph.data.decay, 64);
    graph.setSustain (5);   // its handle is not the highlighted one
    EXPECT_EQ (graph.data.sustain, 5);

    // While the attack is dragged its updates are dropped.
    graph.mouseMove (at (graph, centreOf (handles[1])));
    graph.mouseDown (at (graph, centreOf (handles[1])));
    graph.setAttack (90);
    EXPECT_EQ (graph.data.attack, 30);
    graph.mouseUp (at (graph, centreOf (handles[1])));
    graph.setAttack (90);
    EXPECT_EQ (graph.data.attack, 90);
}

TEST_F (EnvelopeGraphs, PanelGraphDragSteps)
{
    PanelGraph graph;
    graph.data.delay = 0;
    prepare (graph);
    int delayCalls = 0, sustainCalls = 0;
    graph.delayCallback = [&] { ++delayCalls; };
    graph.sustainCallback = [&] { ++sustainCalls; };
    const auto& handles = graph.shape.handles;

    // The hidden delay handle takes the hover at the start corner, but a press drags nothing.
    const auto start = centreOf (handles[0]);
    pressAndDrag (graph, start, { 20.0f, 0.0f });
    EXPECT_TRUE (graph.isHandleHighlighted (0));
    EXPECT_EQ (graph.data.delay, 0);
    EXPECT_EQ (delayCalls, 0);
    graph.mouseUp (at (graph, start));

    // 20 pixels: attack 20 * 127 / 40 = 63 steps, the delay twice that.
    graph.showDelayPoint = true;
    graph.data.delay = 0;
    graph.updatePath();
    pressAndDrag (graph, centreOf (handles[0]), { 20.0f, 0.0f });
    EXPECT_EQ (graph.data.delay, 127);
    EXPECT_EQ (delayCalls, 1);
    graph.mouseUp (at (graph, {}));
    graph.data.delay = 0;
    graph.updatePath();

    graph.data.attack = 10;
    graph.updatePath();
    pressAndDrag (graph, centreOf (handles[1]), { 20.0f, 0.0f });
    EXPECT_EQ (graph.data.attack, 73);
    graph.mouseUp (at (graph, {}));

    // Decay and release stop at 126: never infinite by dragging.
    pressAndDrag (graph, centreOf (handles[2]), { 150.0f, 0.0f });
    EXPECT_EQ (graph.data.decay, 126);
    graph.mouseUp (at (graph, {}));

    // Sustain: 127 steps over the 100-pixel drawing height, down lowers it.
    graph.data.sustain = 127;
    graph.updatePath();
    pressAndDrag (graph, centreOf (handles[3]), { 0.0f, 50.0f });
    EXPECT_EQ (graph.data.sustain, 64);
    EXPECT_EQ (sustainCalls, 1);
    graph.mouseDrag (at (graph, centreOf (handles[3]), centreOf (handles[3]) - juce::Point<float> (0.0f, 100.0f)));
    EXPECT_EQ (graph.data.sustain, 0);
    graph.mouseUp (at (graph, {}));
}

TEST_F (EnvelopeGraphs, LfoStartPhaseMarkAndFittedWaveform)
{
    LFOSelector selector;
    selector.setSize (101, 40);
    auto& inner = selector.internalGraph;
    EXPECT_EQ (inner.getBounds(), juce::Rectangle<int> (-1, -1, 103, 42));

    inner.startPhase = 127;
    EXPECT_EQ (inner.startPhaseMarkX(), 100);
    inner.startPhase = 0;
    EXPECT_EQ (inner.startPhaseMarkX(), 1);

    inner.shape = 0;
    inner.updatePath();
    EXPECT_EQ (inner.waveformPath.getBounds(), juce::Rectangle<float> (2.0f, 2.0f, 99.0f, 38.0f));

    const auto markAt = [&] (int x) {
        const auto image = uitest::render (inner);
        return uitest::nearColour (uitest::pixel (image, x, 30), 0xFFF0F0F0, 2);
    };
    inner.startPhase = 127;
    EXPECT_FALSE (markAt (100));   // free-running: no start phase
    inner.triggerMode = 1;
    EXPECT_TRUE (markAt (100));
    EXPECT_TRUE (markAt (101));
    inner.shape = 6;
    inner.updatePath();
    EXPECT_FALSE (markAt (100));   // random: no start phase

    inner.shape = 7;
    inner.updatePath();
    EXPECT_TRUE (inner.waveformPath.isEmpty());

    selector.setHue (12);
    EXPECT_EQ (inner.dark, lookAndFeel.getHueColours (12).dark);
    EXPECT_EQ (selector.bright, lookAndFeel.getHueColours (12).bright);
}
