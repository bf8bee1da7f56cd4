#include "UiTestSupport.h"

#include "foundation/GlobalPreferences.h"
#include "ui/widgets/MouseWheelValueChangeEnabler.h"

#include <memory>

namespace
{
// A slider whose wheel follows the shared preference, as the knobs' does.
struct WheelSlider : juce::Slider, MouseWheelValueChangeEnabler
{
    WheelSlider()
    {
        setRange (0.0, 127.0, 1.0);
        setValue (64.0, juce::dontSendNotification);
        setSize (40, 40);
        juce::Slider::setScrollWheelEnabled (false);
    }

    void setScrollWheelEnabled (bool enabled) override
    {
        ++calls;
        juce::Slider::setScrollWheelEnabled (enabled);
    }

    void turnWheel()
    {
        juce::MouseWheelDetails wheel { 0.0f, 0.5f, false, false, false };
        mouseWheelMove (uitest::mouseEvent (*this, {}), wheel);
    }

    int calls = 0;
};

class MouseWheelTest : public fhtest::AppTest
{
protected:
    juce::Value preference { juce::var (false) };
};

TEST_F (MouseWheelTest, ControlTakesTheCurrentStateAtOnce)
{
    preference = true;
    WheelSlider slider;
    EXPECT_FALSE (slider.isScrollWheelEnabled());

    slider.referToValue (preference);
    EXPECT_TRUE (slider.isScrollWheelEnabled());
    EXPECT_EQ (slider.calls, 1);
}

TEST_F (MouseWheelTest, EveryTiedControlFollowsThePreference)
{
    auto first = std::make_unique<WheelSlider>();
    WheelSlider second, third;
    for (auto* slider : { first.get(), &second, &third })
        slider->referToValue (preference);

    preference = true;
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return second.isScrollWheelEnabled() && third.isScrollWheelEnabled(); },
                                    std::chrono::seconds (10)));
    EXPECT_TRUE (first->isScrollWheelEnabled());

    // The wheel changes the value only while the preference is on.
    second.turnWheel();
    EXPECT_NE (second.getValue(), 64.0);

    // One control going away leaves the others tied.
    first.reset();
    preference = false;
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! second.isScrollWheelEnabled() && ! third.isScrollWheelEnabled(); },
                                    std::chrono::seconds (10)));

    third.turnWheel();
    EXPECT_EQ (third.getValue(), 64.0);
}

TEST_F (MouseWheelTest, UntiedControlKeepsItsConstructionState)
{
    WheelSlider slider;
    preference = true;
    fhtest::pumpFor (std::chrono::milliseconds (50));
    EXPECT_FALSE (slider.isScrollWheelEnabled());
    EXPECT_EQ (slider.calls, 0);
}

TEST_F (MouseWheelTest, DestroyedControlLeavesOtherListenersOfTheSource)
{
    struct Counter : juce::Value::Listener
    {
        void valueChanged (juce::Value&) override { ++changes; }
        int changes = 0;
    } counter;
    preference.addListener (&counter);

    {
        WheelSlider slider;
        slider.referToValue (preference);
    }

    preference = true;
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return counter.changes > 0; }, std::chrono::seconds (10)));
    preference.removeListener (&counter);
}
// Tied to the real "SliderMouseWheel" preference, as the panels tie their knobs.
TEST_F (MouseWheelTest, ControlsFollowTheGlobalPreference)
{
    GlobalPreferences preferences (true, false);
    ASSERT_FALSE (preferences.getSliderMouseWheel());

    WheelSlider knob, slider;
    knob.referToValue (preferences.getSliderMouseWheelValue());
    slider.referToValue (preferences.getSliderMouseWheelValue());
    EXPECT_FALSE (knob.isScrollWheelEnabled());

    preferences.setSliderMouseWheel (true);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return knob.isScrollWheelEnabled() && slider.isScrollWheelEnabled(); },
                                    std::chrono::seconds (10)));

    preferences.setSliderMouseWheel (false);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return ! knob.isScrollWheelEnabled() && ! slider.isScrollWheelEnabled(); },
                                    std::chrono::seconds (10)));

    // A control tied while the preference is on takes it at once.
    preferences.setSliderMouseWheel (true);
    WheelSlider late;
    late.referToValue (preferences.getSliderMouseWheelValue());
    EXPECT_TRUE (late.isScrollWheelEnabled());
}
} // namespace
