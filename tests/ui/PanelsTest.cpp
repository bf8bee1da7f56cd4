#include "UiTestSupport.h"

#include "ui/widgets/ActionButton.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/StaticPanel.h"

namespace
{
using uitest::LookAndFeelTest;
using uitest::pixel;
using uitest::render;

struct TintedControl : juce::Component, HasHue {};

TEST_F (LookAndFeelTest, PanelPassesItsHueDownThroughNestedPanels)
{
    corvanel::Panel outer;
    TintedControl knob;
    corvanel::Panel inner;
    TintedControl slider;
    juce::Component plain;
    TintedControl underPlain;   // below a component without a hue: not reached
    ColorfulActionButton choice ("ON", "");

    outer.addAndMakeVisible (knob);
    outer.addAndMakeVisible (inner);
    outer.addAndMakeVisible (plain);
    outer.addAndMakeVisible (choice);
    inner.addAndMakeVisible (slider);
    plain.addAndMakeVisible (underPlain);

    EXPECT_EQ (outer.hue, 9);
    outer.setHue (6);

    EXPECT_EQ (outer.hue, 6);
    EXPECT_EQ (knob.hue, 6);
    EXPECT_EQ (inner.hue, 6);
    EXPECT_EQ (slider.hue, 6);
    EXPECT_EQ (choice.hue, 6);
    EXPECT_EQ (underPlain.hue, 9);
    EXPECT_EQ (choice.findColour (0x2002050).getARGB(), 0x574DBDE8u);   // the button's own hue rule ran
}

struct CountedPanel : corvanel::Panel
{
    explicit CountedPanel (int& counter) : destroyed (counter) {}
    ~CountedPanel() override { ++destroyed; }
    int& destroyed;
};

TEST_F (LookAndFeelTest, StaticPanelLayoutAndContent)
{
    Corvanel::StaticPanel frame;
    EXPECT_EQ (frame.getComponentID(), "StaticPanel");
    EXPECT_TRUE (frame.isOpaque());
    EXPECT_EQ (frame.headingHeight, 24);

    int destroyed = 0;
    auto* first = new CountedPanel (destroyed);
    frame.setContent (first);
    EXPECT_EQ (first->getParentComponent(), &frame);
    EXPECT_TRUE (first->isVisible());

    frame.setBounds (0, 0, 200, 100);
    EXPECT_EQ (frame.getHeading()->getBounds(), juce::Rectangle<int> (0, 1, 200, 23));
    EXPECT_EQ (first->getBounds(), juce::Rectangle<int> (0, 24, 200, 76));

    frame.setSize (200, 10);
    EXPECT_EQ (frame.getHeading()->getBounds(), juce::Rectangle<int> (0, 1, 200, 9));
    EXPECT_EQ (first->getBounds(), juce::Rectangle<int> (0, 10, 200, 0));

    frame.setHeading ("AMP");
    EXPECT_EQ (frame.getHeading()->getText(), "AMP");
    EXPECT_EQ (frame.getName(), "AMP");

    auto* second = new CountedPanel (destroyed);
    frame.setContent (second);
    EXPECT_EQ (destroyed, 1);
    EXPECT_EQ (frame.getIndexOfChildComponent (second), 1);
    frame.setContent (nullptr);
    EXPECT_EQ (destroyed, 2);
    EXPECT_EQ (frame.getContent(), nullptr);
}

TEST_F (LookAndFeelTest, StaticPanelFrameDrawing)
{
    Corvanel::StaticPanel frame;
    frame.setSize (100, 60);

    auto image = render (frame);
    EXPECT_EQ (pixel (image, 50, 12), 0xFF2B2B2Bu);   // heading strip
    EXPECT_EQ (pixel (image, 50, 40), 0xFF1E1E1Eu);   // body
    EXPECT_EQ (pixel (image, 0, 40), 0xFF646464u);    // border
    EXPECT_EQ (pixel (image, 99, 12), 0xFF646464u);
    EXPECT_EQ (pixel (image, 50, 59), 0xFF646464u);

    // Lower than its heading: the strip covers the whole height.
    frame.setSize (100, 10);
    image = render (frame);
    EXPECT_EQ (pixel (image, 50, 8), 0xFF2B2B2Bu);

    // Another look and feel draws no frame (the heading label still draws itself).
    juce::LookAndFeel_V4 other;
    frame.setLookAndFeel (&other);
    frame.setSize (100, 60);
    EXPECT_EQ (pixel (render (frame), 50, 40), 0u);
    frame.setLookAndFeel (nullptr);
}
} // namespace
