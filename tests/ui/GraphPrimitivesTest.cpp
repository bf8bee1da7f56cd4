#include "GraphTestSupport.h"

#include "ui/widgets/graphs/ControlPointComponent.h"
#include "ui/widgets/graphs/EnvelopePath.h"
#include "ui/widgets/graphs/GraphPoint.h"
#include "ui/widgets/graphs/LineGridComponent.h"

using namespace graphtest;

namespace
{
class GraphPrimitives : public uitest::LookAndFeelTest
{
};

juce::Image drawPoint (const GraphPoint& point, bool mouseDown)
{
    juce::Image image (juce::Image::ARGB, 100, 80, true);
    juce::Graphics g (image);
    drawControlPoint (point, g, juce::Colour (0xFFFF0000), mouseDown);
    return image;
}
} // namespace

TEST_F (GraphPrimitives, ControlPointDotAndArrowsFollowTheDragAxis)
{
    GraphPoint level { 50.0f, 40.0f, 6.0f, true, true, true };
    const auto image = drawPoint (level, false);
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, 50, 40), 0xFFFF0000, 8));   // dot
    // Arcs of radius 7 above and below, none to the sides.
    EXPECT_GT (image.getPixelAt (50, 33).getAlpha(), 0x40);
    EXPECT_GT (image.getPixelAt (50, 47).getAlpha(), 0x40);
    EXPECT_EQ (image.getPixelAt (43, 40).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (57, 40).getAlpha(), 0);

    auto sideways = level;
    sideways.isLevelPoint = false;
    const auto side = drawPoint (sideways, false);
    EXPECT_GT (side.getPixelAt (43, 40).getAlpha(), 0x40);
    EXPECT_GT (side.getPixelAt (57, 40).getAlpha(), 0x40);
    EXPECT_EQ (side.getPixelAt (50, 33).getAlpha(), 0);

    // While the button is down the highlighted handle turns grey.
    const auto pressed = drawPoint (level, true);
    const auto dot = pressed.getPixelAt (50, 40);
    EXPECT_EQ (dot.getRed(), dot.getGreen());
    EXPECT_EQ (dot.getRed(), dot.getBlue());
    EXPECT_GT (dot.getRed(), 0xF0);

    // Not highlighted: only the dot, in the colour even with the button down.
    level.highlighted = false;
    const auto plain = drawPoint (level, true);
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (plain, 50, 40), 0xFFFF0000, 8));
    EXPECT_EQ (plain.getPixelAt (50, 33).getAlpha(), 0);
}

TEST_F (GraphPrimitives, ControlPointComponentDragsInValueUnits)
{
    juce::Component owner;
    owner.setSize (200, 100);
    ControlPointComponent point;
    point.setBounds (owner.getLocalBounds());
    owner.addChildComponent (point);
    point.xScale = 0.5f;
    point.yScale = 1.0f;
    point.setX (10.0f);
    point.setY (30.0f);

    // A press without a move inside first does not arm the point.
    point.mouseDown (at (owner, { 20, 50 }));
    point.mouseDrag (at (owner, { 50, 50 }, { 20, 50 }));
    EXPECT_FLOAT_EQ (point.x, 10.0f);
    point.mouseUp (at (owner, { 50, 50 }));

    point.mouseMove (at (owner, { 20, 50 }));
    EXPECT_TRUE (point.hover && point.armed);
    point.mouseDown (at (owner, { 20, 50 }));
    EXPECT_TRUE (point.isDragInProgress());
    point.mouseDrag (at (owner, { 50, 30 }, { 20, 50 }));
    EXPECT_FLOAT_EQ (point.x, 25.0f);   // 30 pixels * 0.5
    EXPECT_FLOAT_EQ (point.y, 50.0f);   // 20 pixels up * 1
    point.mouseDrag (at (owner, { 320, 50 }, { 20, 50 }));
    EXPECT_FLOAT_EQ (point.x, 127.0f);
    point.mouseDrag (at (owner, { 20, 150 }, { 20, 50 }));
    EXPECT_FLOAT_EQ (point.y, 0.0f);
    point.mouseUp (at (owner, { 20, 50 }));
    EXPECT_FALSE (point.armed || point.dragging);

    // Device values are limited to the axis.
    point.setX (-5.0f);
    point.setY (500.0f);
    EXPECT_FLOAT_EQ (point.x, 0.0f);
    EXPECT_FLOAT_EQ (point.y, 127.0f);
}

TEST_F (GraphPrimitives, ControlPointSendsOneMessagePerAxis)
{
    juce::Component owner;
    owner.setSize (100, 100);
    ControlPointComponent point;
    point.setBounds (owner.getLocalBounds());

    struct Counter : SafeChangeListener
    {
        int count = 0;
        void changeListenerCallback (SafeChangeBroadcaster*) override { ++count; }
    } counter;
    point.addChangeListener (&counter);

    point.mouseMove (at (owner, { 10, 10 }));
    point.mouseDown (at (owner, { 10, 10 }));
    point.mouseDrag (at (owner, { 20, 10 }, { 10, 10 }));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return counter.count == 2; }, std::chrono::seconds (5)));
    point.mode = ControlPointComponent::horizontalOnly;
    point.mouseDrag (at (owner, { 30, 10 }, { 10, 10 }));
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return counter.count == 3; }, std::chrono::seconds (5)));
    point.removeChangeListener (&counter);
}

namespace
{
EnvDataInfDecayInfRelease envelope (int type, int attack, int decay, int sustain, int release, int delay = 0, bool noHold = true)
{
    EnvDataInfDecayInfRelease data;
    data.envelopeType = type;
    data.attack = attack;
    data.decay = decay;
    data.sustain = sustain;
    data.release = release;
    data.delay = delay;
    data.noHold = noHold;
    return data;
}

void expectHandle (const GraphPoint& handle, float x, float y, bool visible)
{
    EXPECT_NEAR (handle.x, x, 1e-4f);
    EXPECT_NEAR (handle.y, y, 1e-4f);
    EXPECT_EQ (handle.visible, visible);
}
} // namespace

TEST (EnvelopePath, TypeOneWithFullSustain)
{
    const auto shape = buildEnvelopePath (envelope (1, 0, 0, 127, 0), false, false);
    EXPECT_TRUE (pathIs (shape.path, { S (0, 1), L (0, 1), L (0, 0), L (0, 0), C (0, 0), L (0.7f, 0), C (0.7f, 1) }));
    ASSERT_EQ (shape.handles.size(), 5u);
    expectHandle (shape.handles[0], 0, 1, false);
    expectHandle (shape.handles[1], 0, 0, true);
    expectHandle (shape.handles[2], 0, 0, true);
    expectHandle (shape.handles[3], 0.35f, 0, true);
    EXPECT_TRUE (shape.handles[3].isLevelPoint);
    EXPECT_FALSE (shape.handles[1].isLevelPoint);
    expectHandle (shape.handles[4], 0.7f, 1, true);

    // Sustain 0: the decay falls to the bottom, the sustain runs along it.
    const auto silent = buildEnvelopePath (envelope (1, 0, 0, 0, 0), false, false);
    EXPECT_TRUE (pathIs (silent.path, { S (0, 1), L (0, 1), L (0, 0), L (0, 0), C (0, 1), L (0.7f, 1), C (0.7f, 1) }));
}

TEST (EnvelopePath, KeyPointsOfEveryFamily)
{
    // delay 127 -> 0.125, attack 127 -> 0.25, decay 127 -> 0.25, sustain 63.5/127, release 127.
    const auto d = envelope (0, 127, 127, 127, 127, 127);
    struct Case
    {
        int type;
        bool noHold;
        std::vector<Element> path;
    } cases[] = {
        { 0, true, { S (0, 1), L (0.125f, 1), L (0.375f, 0), L (0.625f, 0), L (0.7f, 0), L (1.015f, 1) } },
        { 0, false, { S (0, 1), L (0.125f, 1), L (0.375f, 0), L (0.75f, 0), L (0.7f, 0), L (0.99f, 1) } },
        { 1, false, { S (0, 1), L (0.125f, 1), L (0.375f, 0), L (0.5f, 0), C (0.75f, 0), L (0.7f, 0), C (0.99f, 1) } },
        { 2, true, { S (0, 1), L (0.125f, 1), C (0.375f, 0), L (0.625f, 0), L (0.7f, 0), L (1.015f, 1) } },
        { 3, true, { S (0, 1), L (0.125f, 1), C (0.375f, 0), C (0.625f, 0), L (0.7f, 0), C (1.015f, 1) } },
        { 4, true, { S (0, 1), L (0.125f, 1), L (0.125f, 0), L (0.375f, 0), L (0.625f, 0), L (0.7f, 0), L (1.015f, 1) } },
        { 5, true, { S (0, 1), L (0.125f, 1), L (0.125f, 0), L (0.375f, 0), C (0.625f, 0), L (0.7f, 0), C (1.015f, 1) } },
        { 6, true, { S (0, 1), L (0.125f, 1), L (0.375f, 0), L (0.375f, 0), L (0.625f, 0), L (0.94f, 1) } },
        { 7, true, { S (0, 1), L (0.125f, 1), L (0.375f, 0), L (0.375f, 0), L (0.625f, 0), C (0.94f, 1) } },
    };
    for (const auto& c : cases)
    {
        auto data = d;
        data.envelopeType = c.type;
        data.noHold = c.noHold;
        EXPECT_TRUE (pathIs (buildEnvelopePath (data, false, false).path, c.path)) << "type " << c.type << " noHold " << c.noHold;
    }

    // Handles of the jump family sit one point later; the hold family hides decay and sustain.
    auto jump = d;
    jump.envelopeType = 4;
    const auto j = buildEnvelopePath (jump, false, false);
    expectHandle (j.handles[1], 0.375f, 0, true);
    expectHandle (j.handles[2], 0.625f, 0, true);
    expectHandle (j.handles[3], 0.6625f, 0, true);
    expectHandle (j.handles[4], 1.015f, 1, true);

    auto holdShape = d;
    holdShape.envelopeType = 6;
    const auto h = buildEnvelopePath (holdShape, false, false);
    expectHandle (h.handles[1], 0.375f, 0, true);
    expectHandle (h.handles[2], 0.375f, 0, false);
    expectHandle (h.handles[3], 0.5f, 0, false);
    expectHandle (h.handles[4], 0.94f, 1, true);
}

TEST (EnvelopePath, InfiniteDecayAndRelease)
{
    const auto data = envelope (1, 0, 127, 64, 127);
    const auto decayForever = buildEnvelopePath (data, false, true);
    EXPECT_TRUE (pathIs (decayForever.path, { S (0, 1), L (0, 1), L (0, 0), L (0, 0), C (2, 0), L (2, 0), C (2, 0) }));

    const auto releaseForever = buildEnvelopePath (envelope (1, 0, 0, 127, 127), true, false);
    EXPECT_TRUE (pathIs (releaseForever.path,
                         { S (0, 1), L (0, 1), L (0, 0), L (0, 0), C (0, 0), L (0.7f, 0), C (2, 0), L (2, 1) }));
    EXPECT_FALSE (releaseForever.handles[4].visible);

    const auto holdForever = buildEnvelopePath (envelope (6, 0, 0, 0, 127), true, false);
    EXPECT_TRUE (pathIs (holdForever.path, { S (0, 1), L (0, 1), L (0, 0), L (0, 0), L (0, 0), L (2, 0), L (2, 1) }));
}

TEST (EnvelopePath, UnknownTypesGiveNothing)
{
    for (int type : { -1, 8, 100 })
    {
        const auto shape = buildEnvelopePath (envelope (type, 10, 10, 10, 10), false, false);
        EXPECT_TRUE (shape.path.isEmpty()) << type;
        EXPECT_TRUE (shape.handles.empty()) << type;
    }
}

TEST (LfoWaveformPath, ShapesFitTheirBoxesOneUnitToTheRight)
{
    EXPECT_TRUE (pathIs (makeLfoWaveformPath (0).path, { S (1, 0.5f), L (1.25f, 0), L (1.5f, 0.5f), L (1.75f, 1), L (2, 0.5f) }));
    EXPECT_TRUE (pathIs (makeLfoWaveformPath (2).path,
                         { S (1, 0.5f), L (1, 0), L (1.5f, 0), L (1.5f, 0.5f), S (1.5f, 0.5f), L (1.5f, 1), L (2, 1), L (2, 0.5f) }));
    EXPECT_TRUE (pathIs (makeLfoWaveformPath (3).path,
                         { S (1, 0.5f), L (1, 0), L (1.5f, 0.5f), S (1.5f, 0.5f), L (2, 1), L (2, 0.5f) }));
    EXPECT_TRUE (pathIs (makeLfoWaveformPath (5).path, { S (1, 0.5f), L (1.5f, 0), L (1.5f, 0.49f), L (2, 0.49f) }));
    EXPECT_TRUE (pathIs (makeLfoWaveformPath (4).path, { S (1, 0.5f), L (1, 0), C (2, 0.5f) }));

    // The sine: a start and 51 lines, the bounds fitted to the unit square.
    const auto sine = makeLfoWaveformPath (1).path;
    const auto sineElements = elements (sine);
    EXPECT_EQ (sineElements.size(), 52u);
    const auto bounds = sine.getBounds();
    EXPECT_NEAR (bounds.getX(), 1.0f, 1e-5f);
    EXPECT_NEAR (bounds.getRight(), 2.0f, 1e-5f);
    EXPECT_NEAR (bounds.getY(), 0.0f, 1e-5f);
    EXPECT_NEAR (bounds.getBottom(), 1.0f, 1e-5f);
    EXPECT_NEAR (sineElements.front().point.y, 0.5f, 0.01f);

    const auto random = makeLfoWaveformPath (6).path.getBounds();
    EXPECT_NEAR (random.getX(), 1.0f, 1e-4f);
    EXPECT_NEAR (random.getWidth(), 1.0f, 1e-4f);
    EXPECT_NEAR (random.getHeight(), 1.0f, 1e-4f);

    for (int shape : { -1, 7 })
    {
        EXPECT_TRUE (makeLfoWaveformPath (shape).path.isEmpty());
        EXPECT_TRUE (makeLfoWaveformPath (shape).handles.empty());
    }
}

TEST_F (GraphPrimitives, LineGridDrawsItsDivisions)
{
    corvanel::LineGridComponent grid;
    grid.setSize (100, 60);
    bool clicks = true, childClicks = true;
    grid.getInterceptsMouseClicks (clicks, childClicks);
    EXPECT_FALSE (clicks || childClicks);
    EXPECT_EQ (grid.findColour (corvanel::LineGridComponent::lineColourId).getARGB(), 0x1A1E1E1Eu);

    grid.setColour (corvanel::LineGridComponent::lineColourId, juce::Colours::white);
    const auto image = uitest::render (grid);
    EXPECT_EQ (image.getPixelAt (20, 30).getAlpha(), 0xFF);   // the horizontal middle line
    EXPECT_EQ (image.getPixelAt (50, 10).getAlpha(), 0xFF);   // the vertical middle line
    EXPECT_EQ (image.getPixelAt (20, 10).getAlpha(), 0);

    grid.logarithmicSteps = 10;
    const auto decades = uitest::render (grid);
    // log10 (2) of the first decade: x 15.05, half a pixel wide.
    EXPECT_GT (decades.getPixelAt (15, 10).getAlpha(), 0);
    EXPECT_EQ (decades.getPixelAt (12, 10).getAlpha(), 0);
}
