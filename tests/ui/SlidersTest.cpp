#include "KnobTestSupport.h"

#include "ui/widgets/sliders/DialSliders.h"
#include "ui/widgets/sliders/ImprovedNoise.h"
#include "ui/widgets/sliders/TextBoxSlider.h"
#include "ui/widgets/sliders/VerticalSlider.h"

#include <set>

namespace
{
using namespace uitest;

struct SliderRecorder : juce::Slider::Listener
{
    void sliderValueChanged (juce::Slider* s) override { values.push_back (s->getValue()); }
    std::vector<double> values;
};

class SliderTest : public LookAndFeelTest
{
};

struct DialMaker
{
    const char* name;
    std::function<std::unique_ptr<DialSlider>()> make;
};

const std::vector<DialMaker> dials {
    { "CircleSlider", [] { return std::make_unique<CircleSlider> (true); } },
    { "CubeSlider", [] { return std::make_unique<CubeSlider> (true); } },
    { "OverdriveSlider", [] { return std::make_unique<OverdriveSlider>(); } },
};

TEST_F (SliderTest, DialsUserDragNotifiesOnceDeviceValueNever)
{
    for (const auto& maker : dials)
    {
        SCOPED_TRACE (maker.name);
        auto dial = maker.make();
        dial->setBounds (0, 0, 60, 80);
        SliderRecorder rec;
        dial->addListener (&rec);

        dial->setKnobValue (40);
        EXPECT_TRUE (rec.values.empty());
        EXPECT_EQ (dial->getValue(), 40.0);
        EXPECT_EQ (dial->highlightLevel, 1.0f);

        pressAndDrag (*dial, 20.0f);
        ASSERT_EQ (rec.values.size(), 1u);
        EXPECT_GT (dial->getValue(), 40.0);

        // These dials take device values even during a drag.
        dial->highlightLevel = 0.0f;
        dial->setKnobValue (10);
        EXPECT_EQ (dial->getValue(), 10.0);
        EXPECT_EQ (dial->highlightLevel, 1.0f);
        release (*dial);
        EXPECT_EQ (rec.values.size(), 1u);

        dial->highlightLevel = 0.3f;
        dial->setKnobValue (10);
        EXPECT_EQ (dial->highlightLevel, 0.3f);
        dial->removeListener (&rec);
    }
}

TEST_F (SliderTest, FadeHighlight)
{
    CircleSlider slider (true);
    slider.fadeHighlight (-1.0f);
    EXPECT_EQ (slider.highlightLevel, 1.0f);
    for (int i = 0; i < 30; ++i)
        slider.fadeHighlight (1.0f / 30.0f);
    EXPECT_NEAR (slider.highlightLevel, 0.0f, 1e-5f);
    slider.highlightLevel = -0.01f;
    slider.fadeHighlight (1.0f / 30.0f);
    EXPECT_EQ (slider.highlightLevel, -0.01f);
}

TEST_F (SliderTest, DialTexts)
{
    CircleSlider hi (true);
    CircleSlider plain (false);
    OverdriveSlider overdrive;
    EXPECT_EQ (hi.getTextFromValue (384), "1.50");
    EXPECT_EQ (plain.getTextFromValue (63.57), "63");
    EXPECT_EQ (overdrive.getTextFromValue (63.57), "63");
    EXPECT_EQ (overdrive.getName(), "Overdrive");
    EXPECT_EQ (overdrive.getInterval(), 0.01);

    EXPECT_EQ (hi.getValueFromText ("12"), 12.0);
    hi.setRange (0, 32512, 1);
    EXPECT_EQ (hi.getValueFromText ("1.5"), 384.0);
    EXPECT_EQ (hi.getValueFromText ("0.001"), 1.0);
    EXPECT_EQ (hi.getValueFromText ("x"), 0.0);
}

TEST_F (SliderTest, CircleRings)
{
    CircleSlider slider (true);
    const std::pair<double, int> cases[] = { { 0, 0 }, { 101, 4 }, { 102, 5 }, { 127, 5 } };
    for (const auto& [value, rings] : cases)
    {
        slider.setValue (value, juce::dontSendNotification);
        EXPECT_EQ (slider.innerRingCount(), rings) << value;
    }
}

TEST_F (SliderTest, CubeFillLevel)
{
    CubeSlider slider (true);
    slider.setBounds (0, 0, 100, 120);
    slider.setValue (0, juce::dontSendNotification);
    EXPECT_EQ (slider.fillLevel(), 0.0f);
    slider.setValue (127, juce::dontSendNotification);
    EXPECT_EQ (slider.fillLevel(), std::ceil (0.707f * 100.0f));
}

TEST_F (SliderTest, OverdriveRingMorphsFromCircleToNoise)
{
    OverdriveSlider slider;
    const auto circle = slider.makeRing (0.0f).getBounds();
    EXPECT_NEAR (circle.getWidth(), 2.0f, 0.01f);
    EXPECT_NEAR (circle.getHeight(), 2.0f, 0.01f);

    std::set<float> radii;
    for (int i = 0; i < OverdriveSlider::pointCount; ++i)
    {
        const float r = OverdriveSlider::shapePoint (i).getDistanceFromOrigin();
        EXPECT_GE (r, 0.4f - 1e-4f);
        EXPECT_LE (r, 1.1f + 1e-4f);
        radii.insert (std::round (r * 100.0f));
    }
    EXPECT_GT (radii.size(), 10u);
}

TEST_F (SliderTest, ImprovedNoiseProperties)
{
    std::set<int> seen (ImprovedNoise::permutation(), ImprovedNoise::permutation() + 256);
    EXPECT_EQ (seen.size(), 256u);
    EXPECT_EQ (*seen.begin(), 0);
    EXPECT_EQ (*seen.rbegin(), 255);

    // Zero on every lattice point; bounded; continuous.
    for (int x = -3; x < 3; ++x)
        EXPECT_EQ (ImprovedNoise::noise (x, 2, 7), 0.0);
    for (double x = 0.0; x < 20.0; x += 0.173)
    {
        const double n = ImprovedNoise::noise (x, 0.6, 1.0);
        EXPECT_LE (std::abs (n), 1.05);
        EXPECT_LT (std::abs (n - ImprovedNoise::noise (x + 1e-4, 0.6, 1.0)), 1e-2);
    }
}

TEST_F (SliderTest, ReverbDecayInfAtTheTop)
{
    ReverbDecayKnob knob;
    knob.setBounds (0, 0, 80, 100);
    knob.setRange (1, 128, 1);
    SliderRecorder rec;
    knob.addListener (&rec);
    knob.setKnobValue (128);
    render (knob);
    EXPECT_TRUE (knob.showsInfinity());
    EXPECT_EQ (knob.getTextBoxWidth(), 0);
    EXPECT_EQ (knob.getTextBoxHeight(), 0);
    EXPECT_EQ (knob.highlightLevel, 1.0f);

    knob.setKnobValue (127);
    render (knob);
    EXPECT_FALSE (knob.showsInfinity());
    EXPECT_EQ (knob.getTextBoxWidth(), 80);
    EXPECT_EQ (knob.getTextBoxHeight(), 20);
    EXPECT_TRUE (rec.values.empty());
}

TEST_F (SliderTest, TextBoxSliderPlusRuleAndDisabledText)
{
    TextBoxSlider slider;
    slider.setRange (-64, 63, 1);
    const std::pair<double, const char*> cases[] = { { 0, "+0" }, { 12, "+12" }, { -5, "-5" } };
    for (const auto& [value, text] : cases)
    {
        slider.setValue (value, juce::dontSendNotification);
        EXPECT_EQ (slider.getDisplayText(), text);
    }
    slider.setRange (0, 127, 1);
    slider.setValue (5, juce::dontSendNotification);
    EXPECT_EQ (slider.getDisplayText(), "5");
    EXPECT_FALSE (slider.isScrollWheelEnabled());

    HighResultionTextBoxSlider fine;
    fine.setValue (384, juce::dontSendNotification);
    EXPECT_EQ (fine.getDisplayText(), "1.50");
    EXPECT_EQ (fine.getMaximum(), 32512.0);

    const std::pair<int, int> widths[] = { { 0, 24 }, { 1, 32 }, { 2, 48 }, { 7, 48 } };
    for (const auto& [mode, width] : widths)
    {
        slider.boxWidthMode = mode;
        EXPECT_EQ (slider.getBoxWidth(), width);
    }
}

TEST_F (SliderTest, TextBoxSliderUserDragNotifies)
{
    TextBoxSlider slider;
    slider.setBounds (0, 0, 40, 20);
    SliderRecorder rec;
    slider.addListener (&rec);
    pressAndDrag (slider, 15.0f);
    release (slider);
    EXPECT_EQ (rec.values.size(), 1u);
}

TEST_F (SliderTest, ModulationSliderRepaintsOnlyOnChange)
{
    ModulationSlider slider;
    slider.setValue (5);
    EXPECT_EQ (slider.getValue(), 5.0);
    slider.setRange (10, 4);
    slider.setBounds (0, 0, 60, 12);
    render (slider);
}

TEST_F (SliderTest, VerticalSliderDeviceAndTypedValues)
{
    auto* inner = new VerticalSlider::ExtendedSlider();
    VerticalSlider slider ("Level", 0, inner);
    slider.setBounds (0, 0, 40, 100);
    inner->setRange (0, 4, 1);
    SliderRecorder rec;
    inner->addListener (&rec);

    slider.setValue (3, juce::dontSendNotification);
    EXPECT_EQ (inner->getValue(), 3.0);
    EXPECT_EQ (slider.getValueLabel().getText(), "3");
    EXPECT_EQ (inner->highlightLevel, 1.0f);
    EXPECT_TRUE (rec.values.empty());

    slider.getValueLabel().setText ("200", juce::sendNotificationSync);
    EXPECT_EQ (slider.getValueLabel().getText(), "200");
    EXPECT_EQ (inner->getValue(), 4.0);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (rec.values.size(), 1u);

    // Device values are dropped while the user drags the fader.
    pressAndDrag (*inner, 10.0f, leftMouse);
    const auto dragged = inner->getValue();
    slider.setValue (1, juce::dontSendNotification);
    EXPECT_EQ (inner->getValue(), dragged);
    release (*inner);

    // The right button does not move the fader.
    inner->setValue (2, juce::dontSendNotification);
    pressAndDrag (*inner, 60.0f, rightMouse);
    EXPECT_EQ (inner->getValue(), 2.0);
}

TEST_F (SliderTest, VerticalSliderLayout)
{
    VerticalSlider slider ("Level", new VerticalSlider::ExtendedSlider());
    slider.setBounds (0, 0, 40, 100);
    EXPECT_EQ (slider.getCaption().getBounds(), juce::Rectangle<int> (0, 0, 40, 16));
    EXPECT_EQ (slider.getValueLabel().getBounds(), juce::Rectangle<int> (0, 76, 40, 24));
    EXPECT_EQ (slider.getSlider().getBounds(), juce::Rectangle<int> (4, 16, 32, 60));
    EXPECT_EQ (slider.getSlider().getSliderStyle(), juce::Slider::LinearVertical);
    render (slider);
}

TEST_F (SliderTest, AllSlidersRender)
{
    for (const auto& maker : dials)
    {
        auto dial = maker.make();
        dial->setBounds (0, 0, 60, 80);
        dial->setKnobValue (127);
        render (*dial);
    }
    TextBoxSlider withIcon ([] (double) { juce::Path p; p.addEllipse (0, 0, 4, 4); return p; });
    withIcon.setBounds (0, 0, 40, 20);
    render (withIcon);
}
} // namespace
