#include "GraphTestSupport.h"

#include "ui/widgets/graphs/DelayRingGraph.h"
#include "ui/widgets/graphs/FilterGraph.h"

using namespace graphtest;

namespace
{
class FilterGraphs : public uitest::LookAndFeelTest
{
};

struct MessageCounter : SafeChangeListener
{
    int count = 0;
    void changeListenerCallback (SafeChangeBroadcaster*) override { ++count; }
};

// Hovers over control point index and drags it to the given position.
void dragHandle (FilterGraph& graph, size_t index, juce::Point<float> to)
{
    graph.createResponsePath();
    const juce::Point<float> from { graph.controlPoints[index].x, graph.controlPoints[index].y };
    graph.mouseMove (at (graph, from));
    graph.mouseDown (at (graph, from));
    graph.mouseDrag (at (graph, to, from));
}

// Drags only the given handle (the shelf's two handles share one spot, so
// hovering would take both).
void dragOnly (FilterGraph& graph, size_t index, juce::Point<float> to)
{
    graph.createResponsePath();
    const juce::Point<float> from { graph.controlPoints[index].x, graph.controlPoints[index].y };
    for (auto& point : graph.controlPoints)
        point.highlighted = false;
    graph.controlPoints[index].highlighted = true;
    graph.mouseDown (at (graph, from));
    graph.mouseDrag (at (graph, to, from));
}
} // namespace

TEST_F (FilterGraphs, ConfigurationsGiveTheirHandles)
{
    HPFilter hp;
    ASSERT_EQ (hp.controlPoints.size(), 1u);
    EXPECT_FALSE (hp.controlPoints[0].isLevelPoint);
    EXPECT_EQ (hp.breakpoints[0].level, -10);
    EXPECT_EQ (hp.breakpoints[1].level, 64);
    EXPECT_EQ (hp.breakpoints[1].slopeType, 1);
    EXPECT_FALSE (hp.leftMargin || hp.rightMargin);

    ShelvingFilter shelf;
    ASSERT_EQ (shelf.controlPoints.size(), 2u);
    EXPECT_FALSE (shelf.controlPoints[0].isLevelPoint);
    EXPECT_TRUE (shelf.controlPoints[1].isLevelPoint);
    EXPECT_EQ (shelf.pointMap[1], 1u);
    EXPECT_EQ (shelf.breakpoints[0].level, 127);

    BPFilter bp;
    ASSERT_EQ (bp.controlPoints.size(), 2u);
    EXPECT_EQ (bp.pointMap[0], 0u);
    EXPECT_EQ (bp.pointMap[1], 1u);
    EXPECT_EQ (bp.cornerRadius, 4.0f);
    EXPECT_EQ (bp.breakpoints[2].level, -10);

    // A level handle on the first breakpoint (not at its right end) adds room on the left.
    FilterGraph margins ({ { 0, 0, 1, 1 }, { 1, 0, 1, 1 } }, 0.0f);
    EXPECT_TRUE (margins.leftMargin);
    EXPECT_TRUE (margins.rightMargin);
}

TEST_F (FilterGraphs, SlopesAndHandlesSitOnTheirBreakpoints)
{
    HPFilter hp;
    hp.setSize (254, 137);
    hp.setBreakpointX (0, 64);
    // Level -5 on the bottom edge, 122 ten pixels below the top.
    const auto t = hp.getGraphTransform();
    EXPECT_NEAR (juce::Point<float> (0, -5).transformedBy (t).y, 137.0f, 1e-3f);
    EXPECT_NEAR (juce::Point<float> (127, 122).transformedBy (t).y, 10.0f, 1e-3f);
    EXPECT_NEAR (juce::Point<float> (127, 122).transformedBy (t).x, 254.0f, 1e-3f);

    // Without rounding the slope (type 2) ends at 64 and starts at 38.6.
    hp.cornerRadius = 0.0f;
    const auto path = hp.createResponsePath();
    const auto e = elements (path);
    ASSERT_GE (e.size(), 4u);
    const auto slopeStart = e[2].point;
    const auto slopeEnd = e[3].point;
    EXPECT_NEAR (slopeStart.x, 2.0f * 38.6f, 1e-3f);
    EXPECT_NEAR (slopeStart.y, juce::Point<float> (0, -10).transformedBy (t).y, 1e-3f);
    EXPECT_NEAR (slopeEnd.x, 128.0f, 1e-3f);
    EXPECT_NEAR (slopeEnd.y, juce::Point<float> (0, 64).transformedBy (t).y, 1e-3f);
    // The cutoff handle sits where the level is already 64.
    EXPECT_NEAR (hp.controlPoints[0].x, 128.0f, 0.5f);
    EXPECT_NEAR (hp.controlPoints[0].y, slopeEnd.y, 0.5f);

    LPFilter lp;
    lp.setSize (254, 137);
    lp.cornerRadius = 0.0f;
    lp.setBreakpointX (0, 0);
    const auto lpPath = elements (lp.createResponsePath());
    EXPECT_NEAR (lpPath[2].point.x, 0.0f, 1e-3f);   // the slope starts at the left end
}

TEST_F (FilterGraphs, MinimumSeparationsFollowTheSlopeTypes)
{
    BPFilter bp;
    EXPECT_EQ (bp.minimumSeparation (0, 1), 0);    // ends at x0, starts at x1
    EXPECT_EQ (bp.minimumSeparation (1, 2), 38);   // starts at x1, centred on x2
    FilterGraph centred ({ { 1, 1, 1, 0 }, { 1, 1, 1, 0 }, { 1, 1, 1, 1 } }, 0.0f);
    EXPECT_EQ (centred.minimumSeparation (0, 1), 25);
    FilterGraph reversed ({ { 1, 1, 0, 0 }, { 1, 1, 2, 0 }, { 1, 1, 1, 1 } }, 0.0f);
    EXPECT_EQ (reversed.minimumSeparation (0, 1), 50);
}

TEST_F (FilterGraphs, LevelDragCoversZeroTo127)
{
    ShelvingFilter shelf;
    shelf.setSize (254, 137);
    shelf.setBreakpointX (0, 40);
    shelf.setBreakpointLevel (0, 64);   // the shelf, whatever the index
    EXPECT_EQ (shelf.breakpoints[1].level, 64);
    EXPECT_EQ (shelf.breakpoints[0].level, 127);

    MessageCounter listener;
    shelf.addChangeListener (&listener);
    const struct
    {
        float y;
        int level;
    } cases[] = { { 0.0f, 127 }, { -40.0f, 127 }, { 137.0f, 0 }, { 300.0f, 0 }, { 68.5f, 63 } };
    for (const auto& c : cases)
    {
        dragOnly (shelf, 1, { 150.0f, c.y });
        EXPECT_EQ (shelf.breakpoints[1].level, c.level) << c.y;
        // The owner's level updates are dropped while the user drags the level handle.
        EXPECT_TRUE (shelf.isControlPointDragged (1));
        shelf.setBreakpointLevel (0, 10);
        EXPECT_EQ (shelf.breakpoints[1].level, c.level);
        shelf.mouseUp (at (shelf, { 150.0f, c.y }));
    }
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return listener.count == 5; }, std::chrono::seconds (5)));
    shelf.setBreakpointLevel (0, 10);
    EXPECT_EQ (shelf.breakpoints[1].level, 10);
    shelf.removeChangeListener (&listener);
}

TEST_F (FilterGraphs, PositionDragFollowsTheMouse)
{
    HPFilter hp;
    hp.setSize (254, 137);
    hp.setBreakpointX (0, 20);
    dragHandle (hp, 0, { 127.0f, 60.0f });
    EXPECT_EQ (hp.breakpoints[0].x, 63);
    dragHandle (hp, 0, { -50.0f, 60.0f });
    EXPECT_EQ (hp.breakpoints[0].x, 0);
    hp.mouseUp (at (hp, { 0.0f, 60.0f }));
    dragHandle (hp, 0, { 400.0f, 60.0f });
    EXPECT_EQ (hp.breakpoints[0].x, 127);
    hp.mouseUp (at (hp, { 0.0f, 60.0f }));

    // Nothing moves while the graph is disabled.
    hp.setBreakpointX (0, 0);
    hp.setEnabled (false);
    dragHandle (hp, 0, { 127.0f, 60.0f });
    EXPECT_EQ (hp.breakpoints[0].x, 0);
}

TEST_F (FilterGraphs, BandPassDragsKeepTheBandInRange)
{
    BPFilter bp;
    bp.setSize (254, 137);
    bp.setBreakpointPosition (0, 20.7);
    EXPECT_EQ (bp.breakpoints[0].x, 20);
    EXPECT_EQ (bp.breakpoints[1].x, 32);   // minimum width 12

    // The band end dragged below the start: bandwidth 0, the end snaps to x0 + 12.
    dragHandle (bp, 1, { 10.0f, 60.0f });
    EXPECT_EQ (bp.bandwidth, 0);
    EXPECT_EQ (bp.breakpoints[1].x, 32);

    // To x 80: v = 80 - 20 - 6 = 54, bandwidth 54 * 127 / 115 = 59.
    dragHandle (bp, 1, { 160.0f, 60.0f });
    EXPECT_EQ (bp.bandwidth, 59);
    EXPECT_EQ (bp.breakpoints[1].x, 85);

    // To the right edge with the band at 0: 121 * 127 / 115 would be 133.
    bp.setBreakpointPosition (0, 0.0);
    dragHandle (bp, 1, { 253.9f, 60.0f });
    EXPECT_EQ (bp.bandwidth, 127);
    EXPECT_EQ (bp.breakpoints[1].x, 127);

    // The band start cannot pass the band end.
    bp.bandwidth = 0;
    bp.setBreakpointPosition (0, 20.0);
    dragHandle (bp, 0, { 200.0f, 60.0f });
    EXPECT_EQ (bp.breakpoints[0].x, 32);
    EXPECT_EQ (bp.breakpoints[1].x, 44);

    // The device's widest band from x0 100 ends at 128.
    bp.bandwidth = 127;
    bp.setBreakpointPosition (0, 100.0);
    EXPECT_EQ (bp.breakpoints[1].x, 128);
}

TEST_F (FilterGraphs, SettersIgnoreIndicesWithoutBreakpoint)
{
    BPFilter bp;
    bp.setBreakpointPosition (0, 30.0);
    const auto before = bp.breakpoints;
    bp.setBreakpointLevel (3, 50);
    bp.setBreakpointX (7, 50);
    bp.setBreakpointPosition (9, 50.0);
    bp.FilterGraph::setBreakpointPosition (100, 50.0);
    for (size_t i = 0; i < before.size(); ++i)
    {
        EXPECT_EQ (bp.breakpoints[i].x, before[i].x);
        EXPECT_EQ (bp.breakpoints[i].level, before[i].level);
    }
}

TEST_F (FilterGraphs, HandlesOnOneSpotMoveTogether)
{
    FilterGraph graph ({ { 1, 1, 1, 0 }, { 1, 1, 1, 0 }, { 1, 1, 1, 1 } }, 0.0f);
    graph.setSize (254, 137);
    graph.setBreakpointX (0, 60);
    graph.setBreakpointX (1, 60);
    MessageCounter listener;
    graph.addChangeListener (&listener);

    dragHandle (graph, 0, { 120.0f, 60.0f });
    EXPECT_TRUE (graph.controlPoints[0].highlighted);
    EXPECT_TRUE (graph.controlPoints[1].highlighted);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return listener.count == 2; }, std::chrono::seconds (5)));
    // The first is kept 25 before the second; the second 25 after the moved first.
    EXPECT_EQ (graph.breakpoints[0].x, 35);
    EXPECT_EQ (graph.breakpoints[1].x, 60);

    graph.mouseExit (at (graph, { 0.0f, 0.0f }));
    EXPECT_FALSE (graph.controlPoints[0].highlighted || graph.controlPoints[1].highlighted);
    graph.removeChangeListener (&listener);
}

TEST (DelayRingGraphReadout, NoteValuesAndTimes)
{
    const struct
    {
        double time;
        const char* text;
    } cases[] = {
        { 32.0, "Note: 1/4" },  { 1.0, "Note: 1/128" }, { 3.0, "Note: 1/64." }, { 96.0, "Note: 1/2." },
        { 128.0, "Note: 1/1" }, { 32.0004, "Note: 1/4" }, { 5.0, "Time: 5" },   { 5.0005, "Time: 5" },
        { 5.5, "Time: 5.50" },  { 5.002, "Time: 5.00" }, { 100.0, "Time: 100" }, { 1.25, "Time: 1.25" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (DelayRingGraph::readoutText (c.time), juce::String (c.text)) << c.time;
}

TEST_F (FilterGraphs, DelayRingsFollowTimeFeedbackAndWidth)
{
    DelayRingGraph graph;
    graph.setSize (600, 100);
    EXPECT_EQ (graph.time, 32.0);
    EXPECT_EQ (graph.feedback, 32.0);

    graph.setTime (500.0);
    EXPECT_EQ (graph.time, 128.0);
    graph.setFeedback (-3.0);
    EXPECT_EQ (graph.feedback, 0.0);
    graph.setStereoWidth (100.0);
    EXPECT_EQ (graph.stereoWidth, 63.0);

    // Feedback 0: one ring only.
    graph.setTime (32.0);
    graph.setStereoWidth (0.0);
    auto rings = graph.computeRings();
    ASSERT_EQ (rings.size(), 1u);
    EXPECT_EQ (rings[0].x, 42.0f);
    EXPECT_EQ (rings[0].diameter, 16.0f);

    // Feedback 198: growing rings, grown colour from the second on, stopping
    // after the first ring above 100 pixels.
    graph.setFeedback (198.0);
    rings = graph.computeRings();
    ASSERT_EQ (rings.size(), 4u);   // 16, 31.68, 62.73, 124.2
    EXPECT_FALSE (rings[0].grown);
    EXPECT_TRUE (rings[1].grown);
    EXPECT_NEAR (rings[1].diameter, 31.68f, 1e-3f);
    EXPECT_GT (rings.back().diameter, 100.0f);
    EXPECT_LE (rings[2].diameter, 100.0f);

    // Width -32 on a 100-pixel graph: dy = -0.5 * 40; ping-pong alternates from there.
    graph.setFeedback (50.0);
    graph.setStereoWidth (-32.0);
    graph.setPingPong (1);
    rings = graph.computeRings();
    ASSERT_GE (rings.size(), 3u);
    EXPECT_FLOAT_EQ (rings[0].y, -20.0f);
    EXPECT_FLOAT_EQ (rings[1].y, 20.0f);
    EXPECT_FLOAT_EQ (rings[2].y, -20.0f);
    EXPECT_FLOAT_EQ (rings[1].x - rings[0].x, 32.0f);

    // Rings stop at the right edge.
    graph.setTime (128.0);
    graph.setFeedback (100.0);
    rings = graph.computeRings();
    ASSERT_EQ (rings.size(), 4u);
    EXPECT_EQ (rings.back().x, 522.0f);
}

TEST_F (FilterGraphs, DelayHueReplacesTheStartingColours)
{
    DelayRingGraph graph;
    EXPECT_EQ (graph.ringColour, juce::Colours::white);
    graph.setHue (11);
    EXPECT_EQ (graph.ringColour, lookAndFeel.getHueColours (11).bright);
    EXPECT_EQ (graph.grownRingColour, lookAndFeel.getHueColours (13).bright);
    EXPECT_EQ (graph.background, lookAndFeel.getHueColours (11).darkest);
}
