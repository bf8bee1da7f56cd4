// The machine panel engine beyond single columns: building, the first poll,
// the re-read when shown, the highlight fade, the layout of both families,
// pixels, right-click hits, a custom column, bad input and the factory.
#include "../PanelTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/AnalogMachinePanels.h"
#include "ui/panels/machines/DigitalMachinePanels.h"
#include "ui/panels/machines/MachinePanelFactory.h"
#include "ui/panels/machines/MidiMachinePanel.h"

using namespace paneltest;

namespace
{
constexpr int analogTrack = 8;    // T9
constexpr int digitalTrack = 0;   // T1

class AnalogPanelTest : public PanelTest
{
protected:
    AnalogPanelTest() : PanelTest (analogTrack) {}
};

class DigitalPanelTest : public PanelTest
{
protected:
    DigitalPanelTest() : PanelTest (digitalTrack) {}
};

juce::Slider& sliderOf (MachinePanel& panel, size_t column)
{
    return *dynamic_cast<juce::Slider*> (panel.getControlComponents (column).at (0));
}

TEST_F (AnalogPanelTest, BuildingWritesNothingAndTheFirstPollSetsEveryControl)
{
    // Device values that differ from every control's start.
    const std::vector<std::pair<juce::Identifier, int>> device = {
        { Sound_SdClassicTune, 0x4200 }, { Sound_SdClassicDetune, 0x1100 }, { Sound_SdClassicOscBalance, 0x3000 },
        { Sound_SdClassicDecayTime, 0x2200 }, { Sound_SdClassicSnapAmount, 0x3300 }, { Sound_SdClassicNoiseDecay, 0x4400 },
        { Sound_SdClassicNoiseLevel, 0x5500 }, { Sound_SdClassicLevel, 0x6600 },
    };
    for (const auto& [id, v] : device)
        recorder.showFromDevice (id, v);

    SnareDrumClassicPanel panel (context, analogTrack);
    panel.setBounds (0, 0, 800, 200);
    pump();
    EXPECT_TRUE (recorder.writes().empty());
    EXPECT_EQ (sliderOf (panel, 1).getValue(), 0.0) << "values arrive with the first poll, not before";

    poll();
    const double shown[] = { 512.0, 17.0, -16.0, 34.0, 51.0, 68.0, 85.0, 102.0 };
    for (size_t i = 0; i < 8; ++i)
    {
        EXPECT_EQ (sliderOf (panel, i).getValue(), shown[i]) << panel.getCaption (i)->getText();
        EXPECT_EQ (dynamic_cast<BaseKnob*> (&sliderOf (panel, i)) != nullptr
                       ? dynamic_cast<BaseKnob&> (sliderOf (panel, i)).highlightLevel
                       : dynamic_cast<OverdriveSlider&> (sliderOf (panel, i)).highlightLevel,
                   1.0f)
            << "a changed control lights up";
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());
    EXPECT_EQ (dynamic_cast<UniHighResKnob&> (sliderOf (panel, 0)).getOwnLabel().getText(), "2.00");
}

TEST_F (AnalogPanelTest, APanelMadeVisibleShowsCurrentValuesBeforeTheNextPoll)
{
    ShownWindow window;
    SnareDrumClassicPanel panel (context, analogTrack);
    panel.setBounds (window.getLocalBounds());
    panel.setVisible (false);
    window.addChildComponent (panel);
    poll();

    recorder.showFromDevice (Sound_SdClassicDetune, 0x4500);
    recorder.showFromDevice (Sound_SdClassicLevel, 0x1200);
    panel.setVisible (true);

    EXPECT_EQ (sliderOf (panel, 1).getValue(), 0x45);
    EXPECT_EQ (sliderOf (panel, 7).getValue(), 0x12);
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (DigitalPanelTest, HiddenPanelsKeepFollowingTheDevice)
{
    DigitalKickPanel panel (context, digitalTrack);
    panel.setVisible (false);
    recorder.showFromDevice (Sound_MCKickDecay, 0x3100);
    poll();
    EXPECT_EQ (sliderOf (panel, 3).getValue(), 0x31);
}

TEST_F (AnalogPanelTest, AHighlightFadesOverThirtyTicksAndThenRests)
{
    SnareDrumClassicPanel panel (context, analogTrack);
    panel.setBounds (0, 0, 800, 200);
    poll();
    recorder.showFromDevice (Sound_SdClassicDetune, 0x0700);
    poll();
    auto& knob = dynamic_cast<BaseKnob&> (sliderOf (panel, 1));
    ASSERT_EQ (knob.highlightLevel, 1.0f);

    ASSERT_TRUE (fhtest::pumpUntil ([&] { return knob.highlightLevel < 0.0f; }, std::chrono::seconds (5)));
    const float rest = knob.highlightLevel;
    EXPECT_GT (rest, -ParameterPanel::fadeStep);
    pump();
    pump();
    EXPECT_EQ (knob.highlightLevel, rest) << "a faded highlight stays where it came to rest";
}

TEST_F (AnalogPanelTest, AUserEditLightsAKnobButNotTheOverdriveSlider)
{
    SnareDrumClassicPanel panel (context, analogTrack);
    panel.setBounds (0, 0, 800, 200);
    poll();
    auto& knob = dynamic_cast<BaseKnob&> (sliderOf (panel, 3));
    auto& overdrive = dynamic_cast<OverdriveSlider&> (sliderOf (panel, 7));
    knob.highlightLevel = -0.01f;
    overdrive.highlightLevel = -0.01f;

    edit::drag (knob, 10.0f);
    edit::drag (overdrive, 10.0f);

    EXPECT_EQ (knob.highlightLevel, 1.0f);
    EXPECT_LT (overdrive.highlightLevel, 0.0f);
    EXPECT_EQ (recorder.writes().size(), 2u);
}

TEST_F (AnalogPanelTest, DeviceValuesDuringADragMoveNeitherTheControlNorItsLabel)
{
    SnareDrumClassicPanel panel (context, analogTrack);
    panel.setBounds (0, 0, 800, 200);
    poll();

    struct Case { size_t column; juce::Identifier id; int deviceValue; int afterRelease; double shownAfterRelease; };
    const Case cases[] = {
        { 0, Sound_SdClassicTune, 0x5000, 0x4800, 0x800 },
        { 1, Sound_SdClassicDetune, 0x5000, 0x4800, 0x48 },
        { 7, Sound_SdClassicLevel, 0x5000, 0x4800, 0x48 },
    };

    for (const auto& c : cases)
    {
        auto& control = sliderOf (panel, c.column);
        edit::pressAndDrag (control, 15.0f);
        const double dragged = control.getValue();
        auto* fine = dynamic_cast<UniHighResKnob*> (&control);
        const auto label = fine != nullptr ? fine->getOwnLabel().getText() : juce::String();

        recorder.clear();
        recorder.showFromDevice (c.id, c.deviceValue);
        poll();
        EXPECT_EQ (control.getValue(), dragged) << c.id.toString();
        if (fine != nullptr)
        {
            EXPECT_EQ (fine->getOwnLabel().getText(), label);
        }

        edit::release (control);
        recorder.showFromDevice (c.id, c.afterRelease);
        poll();
        EXPECT_EQ (control.getValue(), c.shownAfterRelease) << "the next change after the release applies";
        EXPECT_TRUE (recorder.writes().empty());
    }
}

//==============================================================================
TEST_F (AnalogPanelTest, LayoutOfTheAnalogFamily)
{
    SnareDrumClassicPanel panel (context, analogTrack);

    panel.setBounds (0, 0, 400, 200);   // c = 50, top = 57
    EXPECT_EQ (panel.getCaption (0)->getBounds(), juce::Rectangle<int> (0, 57, 50, 20));
    EXPECT_EQ (sliderOf (panel, 0).getBounds(), juce::Rectangle<int> (0, 77, 50, 57)) << "tune knob";
    EXPECT_EQ (sliderOf (panel, 1).getBounds(), juce::Rectangle<int> (50, 77, 50, 54)) << "ordinary knob";
    EXPECT_EQ (panel.getCaption (7)->getBounds(), juce::Rectangle<int> (350, 57, 50, 20));
    EXPECT_EQ (sliderOf (panel, 7).getBounds(), juce::Rectangle<int> (350, 77, 50, 57)) << "overdrive slider";

    panel.setBounds (0, 0, 805, 80);   // c = 100, the last 5 pixels empty; top = -3
    EXPECT_EQ (panel.getCaption (6)->getBounds(), juce::Rectangle<int> (600, -3, 100, 20));
    EXPECT_EQ (sliderOf (panel, 7).getBounds(), juce::Rectangle<int> (700, 17, 100, 57));
    EXPECT_EQ (panel.getCaption (0)->getJustificationType(), juce::Justification::centredTop);
}

TEST_F (DigitalPanelTest, LayoutOfTheDigitalFamily)
{
    DigitalKickPanel panel (context, digitalTrack);

    panel.setBounds (0, 0, 800, 200);   // colW = 100, top = 57
    EXPECT_EQ (panel.getCaption (2)->getBounds(), juce::Rectangle<int> (200, 57, 100, 16)) << "Punch caption";
    EXPECT_EQ (panel.getControlComponents (2).at (0)->getBounds(), juce::Rectangle<int> (236, 90, 28, 16)) << "Punch button";
    EXPECT_EQ (panel.getCaption (5)->getBounds(), juce::Rectangle<int> (498, 57, 104, 20)) << "Mod+Fdbk caption";
    EXPECT_EQ (sliderOf (panel, 5).getBounds(), juce::Rectangle<int> (500, 77, 100, 54));
    EXPECT_EQ (sliderOf (panel, 0).getBounds(), juce::Rectangle<int> (0, 77, 100, 57));
    EXPECT_EQ (sliderOf (panel, 7).getBounds(), juce::Rectangle<int> (700, 77, 100, 57));

    panel.setBounds (0, 0, 7, 60);   // colW = 0, top = -13
    EXPECT_EQ (panel.getControlComponents (2).at (0)->getBounds(), juce::Rectangle<int> (-14, 20, 28, 16));
    EXPECT_EQ (sliderOf (panel, 3).getBounds(), juce::Rectangle<int> (0, 7, 0, 54));
}

TEST_F (AnalogPanelTest, AnAnalogSwitchStandsUprightAndCountsFrom256)
{
    const MachinePanelTable table { 31, &analogFamily, { { "Osc Reset", Sound_HhBasicOscReset, ControlKind::onOff, "Resets." } } };
    MachinePanel panel (context, analogTrack, table);
    panel.setBounds (0, 0, 800, 200);
    auto& button = dynamic_cast<LabeledOnOffButton&> (*panel.getControlComponents (0).at (0));

    EXPECT_EQ (panel.getCaption (0)->getBounds(), juce::Rectangle<int> (0, 57, 100, 20));
    EXPECT_EQ (button.getBounds(), juce::Rectangle<int> (0, 77, 100, 32));
    EXPECT_TRUE (button.vertical);
    EXPECT_EQ (button.getButtonText(), "");

    struct Case { int device; bool on; };
    for (const auto& c : { Case { 256, true }, Case { 0x80, false }, Case { 0x7F00, true }, Case { 255, false } })
    {
        panel.setValueFromDevice (Sound_HhBasicOscReset, c.device);
        EXPECT_EQ (button.getToggleState(), c.on) << c.device;
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());

    edit::click (button);
    edit::click (button);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_HhBasicOscReset, 256 }, { Sound_HhBasicOscReset, 0 } }));
}

TEST_F (DigitalPanelTest, FamilyParticulars)
{
    DigitalKickPanel digital (context, digitalTrack);
    SnareDrumClassicPanel analog (context, digitalTrack);

    EXPECT_EQ (digital.hue, 6);
    EXPECT_EQ (analog.hue, 9);
    EXPECT_EQ (dynamic_cast<HasHue&> (sliderOf (digital, 1)).hue, 6) << "children take the panel's hue";

    auto& punch = dynamic_cast<LabeledOnOffButton&> (*digital.getControlComponents (2).at (0));
    EXPECT_FALSE (punch.vertical);
    EXPECT_EQ (punch.getButtonText(), "");
    EXPECT_EQ (punch.getTooltip(),
               "Adds pseudo-compression and distortion to the sound, which results in something similar to accent. (On, Off)");
    EXPECT_EQ (sliderOf (digital, 1).getTooltip(), "Sets the depth and time of the pitch sweep.");
    EXPECT_TRUE (dynamic_cast<BaseKnob&> (sliderOf (digital, 1)).isCompact());
}

// The analog family translates its captions and every help text; the digital
// family only the knobs' and the overdrive slider's help texts.
TEST_F (DigitalPanelTest, EachFamilyTranslatesItsOwnTexts)
{
    juce::LocalisedStrings::setCurrentMappings (new juce::LocalisedStrings (
        "language: Test\n"
        "\"Tune\" = \"TUNE\"\n"
        "\"Punch\" = \"PUNCH\"\n"
        "\"Sets the common pitch of the oscillators.\" = \"PITCH\"\n"
        "\"Sets the depth and time of the pitch sweep.\" = \"SWEEP\"\n"
        "\"Adds pseudo-compression and distortion to the sound, which results in something similar to accent. (On, Off)\" = \"ACCENT\"\n"
        "\"Sets the overdrive (gain increase boost of the amp), located before the multi-mode filter in the signal path.\" = \"DRIVE\"\n",
        false));

    {
        SnareDrumClassicPanel analog (context, analogTrack);
        DigitalKickPanel digital (context, digitalTrack);

        EXPECT_EQ (analog.getCaption (0)->getText(), "TUNE");
        EXPECT_EQ (sliderOf (analog, 0).getTooltip(), "PITCH");
        EXPECT_EQ (sliderOf (analog, 7).getTooltip(), "DRIVE");

        EXPECT_EQ (digital.getCaption (0)->getText(), "Tune");
        EXPECT_EQ (digital.getCaption (2)->getText(), "Punch");
        EXPECT_EQ (sliderOf (digital, 1).getTooltip(), "SWEEP");
        EXPECT_EQ (sliderOf (digital, 7).getTooltip(), "DRIVE");
        EXPECT_EQ (dynamic_cast<juce::Button&> (*digital.getControlComponents (2).at (0)).getTooltip(),
                   "Adds pseudo-compression and distortion to the sound, which results in something similar to accent. (On, Off)");
    }

    juce::LocalisedStrings::setCurrentMappings (nullptr);
}

TEST_F (AnalogPanelTest, WithTheWheelPreferenceOffTheWheelWritesNothing)
{
    SnareDrumClassicPanel panel (context, analogTrack);
    panel.setBounds (0, 0, 800, 200);
    poll();
    setWheelPreference (false);

    for (size_t i = 0; i < 8; ++i)
    {
        const double before = sliderOf (panel, i).getValue();
        edit::wheel (sliderOf (panel, i), 0.5f);
        EXPECT_EQ (sliderOf (panel, i).getValue(), before) << panel.getCaption (i)->getText();
    }
    EXPECT_TRUE (recorder.writes().empty());

    setWheelPreference (true);
    edit::wheel (sliderOf (panel, 7), 0.5f);
    EXPECT_EQ (recorder.writes().size(), 1u) << "the analog overdrive slider follows the preference at once";
}

TEST_F (DigitalPanelTest, PixelsOfTheBackgroundAndOfAHighlightedKnob)
{
    DigitalKickPanel panel (context, digitalTrack);
    panel.setBounds (0, 0, 800, 200);
    poll();
    auto& knob = dynamic_cast<BaseKnob&> (sliderOf (panel, 3));

    recorder.showFromDevice (Sound_MCKickDecay, 0x5000);
    poll();
    ASSERT_EQ (knob.highlightLevel, 1.0f);
    const auto lit = uitest::render (panel);
    knob.highlightLevel = -0.01f;
    const auto faded = uitest::render (panel);

    EXPECT_TRUE (uitest::nearColour (uitest::pixel (faded, 400, 10), 0xFF1E1E1E)) << "above the band";
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (faded, 400, 190), 0xFF1E1E1E)) << "below the band";

    // The knob's inner circle (compact, 100 x 54: centre (50, 21), radius 15)
    // is drawn white while lit and in the hue's bright shade once faded.
    const auto onCircle = knob.getPosition() + juce::Point<int> (35, 21);
    const auto litPixel = uitest::pixel (lit, onCircle.x, onCircle.y);
    const auto fadedPixel = uitest::pixel (faded, onCircle.x, onCircle.y);
    EXPECT_TRUE (uitest::nearColour (litPixel, 0xFFF0F0F0, 12));
    EXPECT_FALSE (uitest::nearColour (fadedPixel, 0xFFF0F0F0, 40)) << std::hex << fadedPixel;
}

//==============================================================================
TEST_F (DigitalPanelTest, RightClicksHitControlsNeverCaptionsOrEmptyArea)
{
    DigitalKickPanel panel (context, digitalTrack);
    panel.setBounds (0, 0, 800, 200);
    const auto origin = panel.getScreenPosition();

    struct Case { juce::Point<int> at; const juce::Identifier* expected; };
    const Case cases[] = {
        { { 50, 100 }, &Sound_MCKickTune },
        { { 50, 60 }, nullptr },                 // a caption
        { { 250, 97 }, &Sound_MCKickPunch },
        { { 210, 97 }, nullptr },                // beside the Punch button
        { { 750, 110 }, &Sound_MCKickLevel },
        { { 400, 10 }, nullptr },                // above the band
        { { 799, 199 }, nullptr },
    };

    for (const auto& c : cases)
    {
        auto* hit = panel.findBindingAt (origin + c.at);
        if (c.expected == nullptr)
        {
            EXPECT_EQ (hit, nullptr) << c.at.toString();
            continue;
        }
        ASSERT_NE (hit, nullptr) << c.at.toString();
        EXPECT_EQ (hit->getIdentifier(), *c.expected) << c.at.toString();
    }

    auto& tune = dynamic_cast<UniHighResKnob&> (sliderOf (panel, 0));
    auto* onLabel = panel.findBindingAt (tune.getOwnLabel().getScreenBounds().getCentre());
    ASSERT_NE (onLabel, nullptr) << "the tune knob's value label counts as the knob";
    EXPECT_EQ (onLabel->getIdentifier(), Sound_MCKickTune);
}

//==============================================================================
// A two-part control: a button that cycles 0, 1, 2 and writes index << 8 (a
// 2 writes nothing), and a label that shows the value and opens no menu.
class CyclingControl : public CustomColumnControl
{
public:
    CyclingControl()
    {
        button.onClick = [this]
        {
            index = (index + 1) % 3;
            if (onUserChange != nullptr)
                onUserChange();
        };
    }

    std::vector<Part> getParts() override
    {
        return { { &button, [] (const ColumnCell& c) { return juce::Rectangle<int> (c.x + 1, c.top + 30, c.width - 2, 20); }, true },
                 { &label, nullptr, false } };
    }

    void showDeviceValue (int value) override
    {
        index = ValueMapping::selectorIndex (value, 3);
        label.setText (juce::String (index), juce::dontSendNotification);
    }

    std::optional<int> valueToWrite() override
    {
        if (index == 2)
            return std::nullopt;
        return ValueMapping::selectorToDevice (index);
    }

    juce::TextButton button;
    juce::Label label;
    int index = 0;
};

TEST_F (AnalogPanelTest, ACustomColumnIsPlacedShownWrittenAndHit)
{
    CyclingControl* control = nullptr;
    const MachinePanelTable table {
        15, &analogFamily,
        {
            { "Tune", Sound_SdClassicTune, ControlKind::tune, "" },
            MachineColumn ("", Sound_SdClassicDetune, ControlKind::custom, "").withCustom ([&control] {
                auto made = std::make_unique<CyclingControl>();
                control = made.get();
                return made;
            }),
        },
    };

    MachinePanel panel (context, analogTrack, table);
    panel.setBounds (0, 0, 800, 200);
    ASSERT_NE (control, nullptr);
    EXPECT_EQ (panel.getCaption (1), nullptr);
    EXPECT_EQ (control->button.getBounds(), juce::Rectangle<int> (101, 87, 98, 20));
    EXPECT_EQ (control->label.getBounds(), juce::Rectangle<int> (100, 55, 100, 70)) << "the captionless default place";

    recorder.showFromDevice (Sound_SdClassicDetune, 0x300);
    poll();
    EXPECT_EQ (control->label.getText(), "2") << "clamped to the last button";
    EXPECT_TRUE (recorder.writes().empty());

    control->button.triggerClick();
    pump();
    control->button.triggerClick();
    pump();
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_SdClassicDetune, 0 }, { Sound_SdClassicDetune, 0x100 } }));
    recorder.clear();
    control->button.triggerClick();
    pump();
    EXPECT_TRUE (recorder.writes().empty()) << "a control that has nothing to write writes nothing";

    auto* hit = panel.findBindingAt (control->button.getScreenBounds().getCentre());
    ASSERT_NE (hit, nullptr);
    EXPECT_EQ (hit->getIdentifier(), Sound_SdClassicDetune);
    EXPECT_EQ (panel.findBindingAt (control->label.getScreenBounds().getTopLeft().translated (1, 1)), nullptr);
}

//==============================================================================
TEST_F (AnalogPanelTest, DeviceValuesBeyondAControlsRangeAreClampedAndNeverWrittenBack)
{
    SnareDrumClassicPanel panel (context, analogTrack);
    panel.setBounds (0, 0, 800, 200);
    poll();

    struct Case { size_t column; juce::Identifier id; int value; double shown; const char* label; };
    const Case cases[] = {
        { 0, Sound_SdClassicTune, 0, -6144.0, "-24.00" },
        { 0, Sound_SdClassicTune, 0x7FFF, 6144.0, "24.00" },
        { 2, Sound_SdClassicOscBalance, -0x2000, -64.0, "" },
        { 1, Sound_SdClassicDetune, 0xFF00, 127.0, "" },
        { 7, Sound_SdClassicLevel, 0x10000, 127.0, "" },
    };

    for (const auto& c : cases)
    {
        panel.setValueFromDevice (c.id, c.value);
        EXPECT_EQ (sliderOf (panel, c.column).getValue(), c.shown) << c.id.toString() << " " << c.value;
        if (auto* fine = dynamic_cast<UniHighResKnob*> (&sliderOf (panel, c.column)))
        {
            EXPECT_EQ (fine->getOwnLabel().getText(), c.label);
        }
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (AnalogPanelTest, IdentifiersTheDataObjectLacksAreSkipped)
{
    const MachinePanelTable table {
        15, &analogFamily,
        {
            { "Delay", FX_DelayTime, ControlKind::unipolar, "" },
            { "Detune", Sound_SdClassicDetune, ControlKind::unipolar, "" },
        },
    };

    ShownWindow window;
    MachinePanel panel (context, analogTrack, table);
    panel.setBounds (0, 0, 800, 200);
    window.addAndMakeVisible (panel);
    recorder.showFromDevice (Sound_SdClassicDetune, 0x0900);
    poll();
    EXPECT_EQ (sliderOf (panel, 1).getValue(), 9.0);
    EXPECT_EQ (sliderOf (panel, 0).getValue(), 0.0);
    EXPECT_FALSE (sliderOf (panel, 0).isDoubleClickReturnEnabled() && sliderOf (panel, 0).getDoubleClickReturnValue() != 0.0);

    edit::drag (sliderOf (panel, 0), 20.0f);
    EXPECT_TRUE (recorder.writes().empty());
    int stored = 0;
    EXPECT_FALSE (object.getValue (FX_DelayTime, stored)) << "nothing was added to the sound";
}

TEST_F (DigitalPanelTest, ZeroAndTinySizesLayOutWithoutHarm)
{
    DigitalKickPanel digital (context, digitalTrack);
    SnareDrumClassicPanel analog (context, digitalTrack);

    for (const auto size : { juce::Point<int> (0, 0), juce::Point<int> (1, 1), juce::Point<int> (7, 85), juce::Point<int> (3, 400) })
    {
        digital.setSize (size.x, size.y);
        analog.setSize (size.x, size.y);
        uitest::render (digital);
        uitest::render (analog);
        for (size_t i = 0; i < 8; ++i)
        {
            EXPECT_GE (digital.getControlComponents (i).at (0)->getWidth(), 0);
            EXPECT_GE (analog.getCaption (i)->getWidth(), 0);
        }
    }
}

//==============================================================================
TEST_F (AnalogPanelTest, TheDisabledMachinesPanelWatchesShowsAndWritesNothing)
{
    NoMachinePanel panel (context, analogTrack);
    panel.setBounds (0, 0, 800, 200);
    EXPECT_EQ (panel.getNumChildComponents(), 0);
    recorder.showFromDevice (Sound_SdClassicDetune, 0x0900);
    poll();
    panel.setBounds (0, 0, 400, 100);
    EXPECT_EQ (panel.findBindingAt (panel.getScreenBounds().getCentre()), nullptr);
    EXPECT_TRUE (recorder.writes().empty());
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (uitest::render (panel), 200, 50), 0xFF1E1E1E));
}

TEST_F (AnalogPanelTest, TheMidiPanelOnlySaysWhereItsSettingsAre)
{
    MidiMachinePanel panel;
    panel.setBounds (0, 0, 600, 120);
    EXPECT_EQ (panel.getLabel().getText(), "MIDI settings available on device");
    EXPECT_EQ (panel.getLabel().getJustificationType(), juce::Justification::centred);
    EXPECT_EQ (panel.getLabel().getBounds(), panel.getLocalBounds());
    EXPECT_TRUE (panel.getLabel().isVisible());
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (uitest::render (panel), 3, 3), 0xFF1E1E1E));
}

struct FactoryCase
{
    int type;
    int track;
    const char* panelClass;
};

TEST_F (AnalogPanelTest, TheFactoryBuildsThePanelOfEachTypeThatHasOne)
{
    const FactoryCase cases[] = {
        { 0, 0, "DigitalKickPanel" }, { 15, 9, "SnareDrumClassicPanel" }, { 34, 11, "NoMachinePanel" },
        { 35, 3, "MidiMachinePanel" }, { -1, 0, nullptr }, { 40, 0, nullptr },
    };

    for (const auto& c : cases)
    {
        auto panel = createMachinePanel (c.type, context, c.track);
        EXPECT_EQ (hasMachinePanel (c.type), c.panelClass != nullptr) << c.type;
        if (c.panelClass == nullptr)
        {
            EXPECT_EQ (panel, nullptr) << c.type;
            continue;
        }
        ASSERT_NE (panel, nullptr) << c.type;
        const bool right = (std::string (c.panelClass) == "DigitalKickPanel" && dynamic_cast<DigitalKickPanel*> (panel.get()))
                        || (std::string (c.panelClass) == "SnareDrumClassicPanel" && dynamic_cast<SnareDrumClassicPanel*> (panel.get()))
                        || (std::string (c.panelClass) == "NoMachinePanel" && dynamic_cast<NoMachinePanel*> (panel.get()))
                        || (std::string (c.panelClass) == "MidiMachinePanel" && dynamic_cast<MidiMachinePanel*> (panel.get()));
        EXPECT_TRUE (right) << c.type << " is not a " << c.panelClass;
        if (auto* machinePanel = dynamic_cast<ParameterPanel*> (panel.get()))
        {
            EXPECT_EQ (machinePanel->getDataObject(), context.getKit().getSound (c.track)) << c.type;
        }
    }
}

TEST_F (AnalogPanelTest, TrackTwelveIsTheEffectsBlockAndOtherTracksAreClamped)
{
    auto& kit = context.getKit();
    EXPECT_EQ (ParameterPanel::findTrackObject (kit, 12), &kit.getFx());
    EXPECT_EQ (ParameterPanel::findTrackObject (kit, -3), kit.getSound (0));
    EXPECT_EQ (ParameterPanel::findTrackObject (kit, 11), kit.getSound (11));
    EXPECT_EQ (ParameterPanel::findTrackObject (kit, 13), kit.getSound (11));
}
} // namespace
