// The analog panels' controls that are more than a knob: the bass drums'
// waveform selectors, BD CLASSIC's transient combo and level fader, BD SHARP's
// waveform and "Reset" switch on one parameter, and the button rows of the
// plastic drum, the ride and the impulse; their right clicks and layouts.
#include "MachineTypeFixture.h"

#include "../modulation/MenuTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/AnalogMachinePanels.h"
#include "ui/panels/machines/MachinePanelFactory.h"
#include "ui/panels/machines/controls/SelectorControls.h"
#include "ui/panels/machines/controls/TransientControl.h"

using namespace paneltest;

namespace
{
class SelectorPanels : public MachineTypeTest
{
};

std::vector<bool> litButtons (BassDrumWaveformButtons& selector)
{
    std::vector<bool> lit;
    for (auto& button : selector.buttons)
        lit.push_back (button->getToggleState());
    return lit;
}

//==============================================================================
TEST_F (SelectorPanels, WaveformSelectorsClampDeviceIndicesToTheirButtons)
{
    struct Case { int device; std::vector<bool> lit; };
    const Case cases[] = {
        { 0, { true, false, false } },       { 0x100, { false, true, false } }, { 0x200, { false, false, true } },
        { 0x300, { false, false, true } },   { 0x7F00, { false, false, true } }, { 0x1FF, { false, true, false } },
        { -0x100, { true, false, false } },
    };

    for (const auto& [type, column, id] : { std::tuple { 8, size_t { 4 }, Sound_BdHardWaveform }, std::tuple { 9, size_t { 4 }, Sound_BdClassicWaveform } })
    {
        SCOPED_TRACE (id.toString());
        auto panel = build (type);
        ASSERT_NE (panel, nullptr);
        auto& selector = partOf<BassDrumWaveformSelector> (*panel, column);
        EXPECT_EQ (selector.caption.getText(), "Waveform");
        EXPECT_EQ (selector.getTooltip(), "Sets the oscillator waveform to sine, asymmetric sine or triangle.");
        for (const auto& c : cases)
        {
            freshFromDevice (id, c.device);
            EXPECT_EQ (litButtons (selector), c.lit) << c.device;
        }
        pump();
        EXPECT_TRUE (recorder.writes().empty()) << "a device value is never written back";
    }
}

TEST_F (SelectorPanels, AWaveformClickWritesItsIndexOneMessageLater)
{
    for (const auto& [type, id] : { std::pair { 8, Sound_BdHardWaveform }, std::pair { 9, Sound_BdClassicWaveform } })
    {
        SCOPED_TRACE (id.toString());
        auto panel = build (type);
        ASSERT_NE (panel, nullptr);
        auto& selector = partOf<BassDrumWaveformSelector> (*panel, 4);
        freshFromDevice (id, 0x300);
        recorder.clear();

        edit::click (*selector.buttons[1]);
        EXPECT_TRUE (recorder.writes().empty()) << "not before the change message";
        pump();
        edit::click (*selector.buttons[0]);
        pump();
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { id, 0x100 }, { id, 0 } }));
    }
}

TEST_F (SelectorPanels, NoButtonSelectedWritesNothing)
{
    auto hard = build (8);
    ASSERT_NE (hard, nullptr);
    auto& waveform = partOf<BassDrumWaveformSelector> (*hard, 4);
    for (auto& button : waveform.buttons)
        button->setToggleState (false, juce::dontSendNotification);
    ASSERT_EQ (waveform.getSelectedIndex(), -1);
    waveform.sendChangeMessage ({});
    pump();
    EXPECT_TRUE (recorder.writes().empty()) << "BD HARD's selector without a lit button";

    auto sharp = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (13, context, trackIndex));   // before its first poll
    ASSERT_NE (sharp, nullptr);
    sharp->setBounds (0, 0, 800, 200);
    auto& reset = partOf<LabeledOnOffButton> (*sharp, 4, 0);
    ASSERT_EQ (partOf<BassDrumSharpWaveformSelector> (*sharp, 4, 1).getSelectedIndex(), -1) << "no waveform lit before a device value";
    edit::click (reset);
    pump();
    EXPECT_TRUE (recorder.writes().empty()) << "BD SHARP before any waveform is lit";

    auto plastic = build (11);
    ASSERT_NE (plastic, nullptr);
    auto& row = partOf<ButtonRowSelector> (*plastic, 4);
    row.selectedIndex = 5;
    row.sendChangeMessage ({});
    pump();
    EXPECT_TRUE (recorder.writes().empty()) << "a row whose index names no button";
}

//==============================================================================
TEST_F (SelectorPanels, TransientDeviceValuesShowItemLevelAndEnablement)
{
    auto panel = build (9);
    ASSERT_NE (panel, nullptr);
    auto& combo = partOf<juce::ComboBox> (*panel, 6, 0);
    auto& level = partOf<VerticalSlider> (*panel, 6, 1);
    ASSERT_EQ (combo.getNumItems(), 12);
    const char* items[] = { "Off", "Tic", "A1", "B1", "C1", "D1", "E1", "A2", "B2", "C2", "D2", "E2" };
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ (combo.getItemText (i), items[i]);

    for (int n = 0; n <= 58; ++n)
    {
        const int step = std::min (n, 55);   // beyond the last step: the last step
        const int expectedId = step == 0 ? 1 : (step - 1) / 5 + 2;
        const int expectedLevel = step == 0 ? 0 : (step - 1) % 5;
        freshFromDevice (Sound_BdClassicTransient, n << 8);
        EXPECT_EQ (combo.getSelectedId(), expectedId) << n;
        EXPECT_EQ (level.getSlider().getValue(), expectedLevel) << n;
        EXPECT_EQ (level.getValueLabel().getText(), juce::String (expectedLevel)) << n;
        EXPECT_EQ (level.isEnabled(), step != 0) << n;
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty()) << "a device value is never written back";
}

TEST_F (SelectorPanels, TransientUserEditsWriteTheStepOfItemAndLevel)
{
    auto panel = build (9);
    ASSERT_NE (panel, nullptr);
    auto& combo = partOf<juce::ComboBox> (*panel, 6, 0);
    auto& level = partOf<VerticalSlider> (*panel, 6, 1);

    // Every item chosen at every level: 0 for "Off", else 5 x (id - 2) + level + 1.
    for (int id = 1; id <= 12; ++id)
        for (int s = 0; s <= 4; ++s)
        {
            freshFromDevice (Sound_BdClassicTransient, (5 * 3 + s + 1) << 8);   // "C1" at level s
            recorder.clear();
            if (id == 5)
                combo.setSelectedId (4, juce::dontSendNotification);   // so choosing "C1" is a change
            combo.setSelectedId (id, juce::sendNotificationSync);
            const int expected = id == 1 ? 0 : (5 * (id - 2) + s + 1) * 256;
            EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_BdClassicTransient, expected } })) << id << " " << s;
        }

    // The level moved under every item.
    for (int group = 0; group <= 11; ++group)
    {
        freshFromDevice (Sound_BdClassicTransient, group == 0 ? 0 : (5 * (group - 1) + 1) << 8);
        recorder.clear();
        level.getSlider().setValue (3.0, juce::sendNotificationSync);
        const int expected = group == 0 ? 0 : (5 * (group - 1) + 3 + 1) * 256;
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_BdClassicTransient, expected } })) << group;
        EXPECT_EQ (level.getValueLabel().getText(), "3");
    }
}

TEST_F (SelectorPanels, TheLevelFaderIsEnabledOnlyByDeviceValues)
{
    auto panel = build (9);
    ASSERT_NE (panel, nullptr);
    auto& combo = partOf<juce::ComboBox> (*panel, 6, 0);
    auto& level = partOf<VerticalSlider> (*panel, 6, 1);

    freshFromDevice (Sound_BdClassicTransient, 9 << 8);   // "A1" at level 3
    recorder.clear();
    combo.setSelectedId (2, juce::sendNotificationSync);   // "Tic"
    combo.setSelectedId (1, juce::sendNotificationSync);   // "Off"
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_BdClassicTransient, 1024 }, { Sound_BdClassicTransient, 0 } }));
    EXPECT_TRUE (level.isEnabled()) << "not until the device reports the 0";
    poll();
    EXPECT_FALSE (level.isEnabled());

    recorder.clear();
    level.getSlider().setValue (2.0, juce::sendNotificationSync);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_BdClassicTransient, 0 } })) << "a level under \"Off\" writes 0";
}

TEST_F (SelectorPanels, ALevelAfterAnOversizedDeviceValueWritesAValidStep)
{
    auto panel = build (9);
    ASSERT_NE (panel, nullptr);
    auto& level = partOf<VerticalSlider> (*panel, 6, 1);
    freshFromDevice (Sound_BdClassicTransient, 0x7F00);
    EXPECT_EQ (partOf<juce::ComboBox> (*panel, 6, 0).getSelectedId(), 12);
    recorder.clear();
    level.getSlider().setValue (1.0, juce::sendNotificationSync);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_BdClassicTransient, 52 << 8 } }));
}

//==============================================================================
TEST_F (SelectorPanels, BdSharpFoldsWaveformAndResetIntoOneValue)
{
    auto panel = build (13);
    ASSERT_NE (panel, nullptr);
    auto& reset = partOf<LabeledOnOffButton> (*panel, 4, 0);
    auto& selector = partOf<BassDrumSharpWaveformSelector> (*panel, 4, 1);
    EXPECT_EQ (reset.getButtonText(), "Reset");

    struct DeviceCase { int device; int waveform; bool reset; };
    const DeviceCase deviceCases[] = {
        { 0x0700, 3, false }, { 0x0400, 2, true }, { 0x0A00, 4, true }, { 0, 0, true }, { 0x0100, 0, false },
        { 0x0900, 4, false }, { 0x7F00, 4, false }, { 0x05FF, 2, false }, { -0x0300, 0, false },
    };
    for (const auto& c : deviceCases)
    {
        // Straight to the panel's device path: the data object would clamp 0x0A00 and below 0.
        panel->setValueFromDevice (Sound_BdSharpWaveform, c.device);
        EXPECT_EQ (selector.getSelectedIndex(), c.waveform) << c.device;
        EXPECT_EQ (reset.getToggleState(), c.reset) << c.device;
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty()) << "a device value is never written back";

    struct UserCase { int device; const char* edit; int written; };
    const UserCase userCases[] = {
        { 0x0500, "reset", 0x0400 },   // waveform 2, "Reset" switched on
        { 0x0400, "reset", 0x0500 },   // switched off
        { 0x0100, "wave4", 0x0900 },   // "Reset" off, waveform 4 chosen
        { 0x0000, "wave1", 0x0200 },   // "Reset" on, waveform 1 chosen
    };
    for (const auto& c : userCases)
    {
        freshFromDevice (Sound_BdSharpWaveform, c.device);
        recorder.clear();
        if (std::string (c.edit) == "reset")
            edit::click (reset);
        else
            edit::click (*selector.buttons[std::string (c.edit) == "wave4" ? 4u : 1u]);
        pump();
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_BdSharpWaveform, c.written } })) << c.edit << " from " << c.device;
    }
}

//==============================================================================
struct RowCase
{
    const char* name;
    int type;
    int track;
    size_t column;
    juce::Identifier id;
    std::vector<const char*> texts;
    const char* help;
};

std::vector<RowCase> rowCases()
{
    return {
        { "ModulationType", 11, drumTrack, 4, Sound_BdPlasticModulationType, { "0", "1" },
          "The first (A) is linear Frequency Modula- tion between the oscillators. The second (B) is FM combined with ring modulation." },
        { "RideType", 30, cymbalTrack, 1, Sound_CyRideType, { "A", "B", "C", "D" },
          "Selects different sets of fundamental oscillator frequencies, as well as different inter-oscillator logical interaction." },
        { "Polarity", 33, drumTrack, 2, Sound_ImpulsePolarity, { "4", "5" }, "Sets the polarity, positive or negative." },
    };
}

class ButtonRows : public PanelTest, public ::testing::WithParamInterface<RowCase>
{
protected:
    ButtonRows() : PanelTest (GetParam().track)
    {
        panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (GetParam().type, context, GetParam().track));
        if (panel == nullptr)
            return;
        panel->setBounds (0, 0, 800, 200);
        poll();
        pump();
        recorder.clear();
    }

    ButtonRowSelector& row() { return partOf<ButtonRowSelector> (*panel, GetParam().column); }

    std::shared_ptr<MachinePanel> panel;
};

TEST_P (ButtonRows, ButtonsTextsTooltipsAndAFreshRowLightsTheFirst)
{
    auto fresh = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (GetParam().type, context, GetParam().track));
    ASSERT_NE (fresh, nullptr);
    auto& r = partOf<ButtonRowSelector> (*fresh, GetParam().column);
    ASSERT_EQ (r.getNumButtons(), static_cast<int> (GetParam().texts.size()));
    EXPECT_EQ (r.selectedIndex, 0);
    for (int i = 0; i < r.getNumButtons(); ++i)
    {
        EXPECT_EQ (r.getButton (i).getButtonText(), GetParam().texts[static_cast<size_t> (i)]);
        EXPECT_EQ (r.getButton (i).getToggleState(), i == 0);
        EXPECT_EQ (r.getButton (i).getRadioGroupId(), 1);
        EXPECT_EQ (r.getButton (i).getTooltip(), GetParam().help);
    }
    fresh->setHue (4);
    for (int i = 0; i < r.getNumButtons(); ++i)
        EXPECT_EQ (r.getButton (i).hue, 4);
}

TEST_P (ButtonRows, EachClickWritesItsIndexOneMessageLater)
{
    ASSERT_NE (panel, nullptr);
    const auto& id = GetParam().id;
    for (int i = row().getNumButtons() - 1; i >= 0; --i)
    {
        edit::click (row().getButton (i));
        EXPECT_TRUE (recorder.writes().empty()) << "not before the change message";
        pump();
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { id, i << 8 } })) << i;
        EXPECT_EQ (row().selectedIndex, i);
        for (int j = 0; j < row().getNumButtons(); ++j)
            EXPECT_EQ (row().getButton (j).getToggleState(), j == i);
        recorder.clear();
    }
    edit::click (row().getButton (0));
    pump();
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { id, 0 } })) << "the lit button again writes again";
}

TEST_P (ButtonRows, DeviceValuesLightButtonsAndWriteNothing)
{
    ASSERT_NE (panel, nullptr);
    const int last = row().getNumButtons() - 1;
    // The ride keeps indices up to 7, which light no button; the others clamp to their last button.
    const int highest = GetParam().type == 30 ? 7 : last;

    for (int n : { 1, 0, 2, 3, 4, 7, 8, 100, -1 })
    {
        if (n <= last && n >= 0)
        {
            recorder.showFromDevice (GetParam().id, n << 8);   // through the data object and its poll
            poll();
        }
        else
            panel->setValueFromDevice (GetParam().id, n << 8);   // beyond the parameter's range, which the data object would clamp
        const int expected = std::clamp (n, 0, highest);
        EXPECT_EQ (row().selectedIndex, expected) << n;
        for (int j = 0; j <= last; ++j)
            EXPECT_EQ (row().getButton (j).getToggleState(), j == expected) << n << " button " << j;
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_P (ButtonRows, ARightClickOnAnyButtonOpensTheParametersMenuAndSelectsNothing)
{
    ASSERT_NE (panel, nullptr);
    ShownWindow window;
    window.setSize (800, 200);
    window.addAndMakeVisible (*panel);
    recorder.showFromDevice (GetParam().id, 0);
    poll();
    recorder.clear();

    for (int i = 0; i < row().getNumButtons(); ++i)
    {
        menutest::ScopedModalStep dismiss ([] { return 0; });
        auto& button = row().getButton (i);
        edit::clickThroughPeer (window, window.getLocalPoint (&button, button.getLocalBounds().getCentre()), edit::right);
        pump();
        ASSERT_EQ (dismiss.shown.size(), 1u) << i;
        EXPECT_EQ (panel->getModulationMenu().getParameterId(), GetParam().id);
        EXPECT_EQ (row().selectedIndex, 0) << "a right click selects nothing";
    }
    EXPECT_TRUE (recorder.writes().empty());
}

INSTANTIATE_TEST_SUITE_P (Rows, ButtonRows, ::testing::ValuesIn (rowCases()),
                          [] (const ::testing::TestParamInfo<RowCase>& info) { return std::string (info.param.name); });

//==============================================================================
// Right clicks where controls overlap or share a parameter, through the window.
TEST_F (SelectorPanels, RightClicksWhereControlsOverlapOrShareAParameter)
{
    struct Case { int type; int track; juce::Point<int> at; juce::Identifier expected; const char* where; };
    const Case cases[] = {
        { 11, drumTrack, { 601, 100 }, Sound_BdPlasticModulationLevel, "where Modulation Level overlaps Tick Level" },
        { 11, drumTrack, { 605, 100 }, Sound_BdPlasticTickLevel, "Tick Level beside the overlap" },
        { 11, drumTrack, { 410, 100 }, Sound_BdPlasticModulationType, "the row's button 0" },
        { 9, drumTrack, { 704, 120 }, Sound_BdClassicTransient, "the level fader reaching into the Overdrive column" },
        { 9, drumTrack, { 628, 98 }, Sound_BdClassicTransient, "the transient combo" },
        { 13, drumTrack, { 450, 129 }, Sound_BdSharpWaveform, "the \"Reset\" switch" },
        { 13, drumTrack, { 450, 89 }, Sound_BdSharpWaveform, "the sharp waveform selector" },
        { 8, drumTrack, { 450, 100 }, Sound_BdHardWaveform, "a waveform button" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.where);
        PanelTest::recorder.clear();
        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (c.type, context, c.track));
        ASSERT_NE (panel, nullptr);
        ShownWindow window;
        panel->setBounds (0, 0, 800, 200);
        window.addAndMakeVisible (*panel);
        poll();
        pump();

        menutest::ScopedModalStep dismiss ([] { return 0; });
        auto* target = panel->getComponentAt (c.at);
        ASSERT_NE (target, nullptr);
        ASSERT_NE (target, panel.get()) << "a control lies under the point";
        edit::clickThroughPeer (window, c.at, edit::right);
        pump();
        ASSERT_EQ (dismiss.shown.size(), 1u);
        EXPECT_EQ (panel->getModulationMenu().getParameterId(), c.expected);
    }
}

TEST_F (SelectorPanels, ARightClickOnTheResetSwitchNeitherTogglesItNorWrites)
{
    auto panel = build (13);
    ASSERT_NE (panel, nullptr);
    ShownWindow window;
    window.addAndMakeVisible (*panel);
    freshFromDevice (Sound_BdSharpWaveform, 0x0400);
    recorder.clear();
    auto& reset = partOf<LabeledOnOffButton> (*panel, 4, 0);
    menutest::ScopedModalStep dismiss ([] { return 0; });
    edit::clickThroughPeer (window, window.getLocalPoint (&reset, reset.getLocalBounds().getCentre()), edit::right);
    pump();
    EXPECT_EQ (dismiss.shown.size(), 1u);
    EXPECT_TRUE (reset.getToggleState());
    EXPECT_TRUE (recorder.writes().empty());
    EXPECT_GT (panel->getIndexOfChildComponent (&reset), panel->getIndexOfChildComponent (&partOf<BassDrumSharpWaveformSelector> (*panel, 4, 1)))
        << "the switch is in front";
}

//==============================================================================
TEST_F (SelectorPanels, LayoutOfTheSelectorColumns)
{
    struct Case { int type; int track; int width; size_t column; size_t part; bool caption; juce::Rectangle<int> bounds; const char* what; };
    const Case cases[] = {
        { 11, drumTrack, 800, 3, 0, true, { 302, 57, 96, 20 }, "BD PLASTIC Decay Time caption" },
        { 11, drumTrack, 800, 4, 0, true, { 396, 57, 108, 20 }, "BD PLASTIC Modulation Type caption" },
        { 11, drumTrack, 800, 4, 0, false, { 400, 85, 100, 64 }, "BD PLASTIC modulation type row" },
        { 11, drumTrack, 800, 5, 0, true, { 503, 57, 110, 20 }, "BD PLASTIC Modulation Level caption" },
        { 11, drumTrack, 800, 5, 0, false, { 514, 77, 88, 54 }, "BD PLASTIC Modulation Level knob" },
        { 11, drumTrack, 800, 6, 0, true, { 602, 57, 96, 20 }, "BD PLASTIC Tick Level caption" },
        { 13, drumTrack, 800, 4, 0, true, { 400, 57, 100, 20 }, "BD SHARP Waveform caption" },
        { 13, drumTrack, 800, 4, 1, false, { 400, 69, 100, 40 }, "BD SHARP waveform selector" },
        { 13, drumTrack, 800, 4, 0, false, { 402, 117, 96, 24 }, "BD SHARP Reset switch" },
        { 8, drumTrack, 800, 4, 0, false, { 400, 55, 100, 70 }, "BD HARD waveform selector" },
        { 9, drumTrack, 800, 4, 0, false, { 400, 55, 100, 70 }, "BD CLASSIC waveform selector" },
        { 9, drumTrack, 800, 6, 0, true, { 600, 57, 100, 20 }, "BD CLASSIC Transient caption" },
        { 9, drumTrack, 800, 6, 0, false, { 602, 86, 52, 24 }, "BD CLASSIC transient combo" },
        { 9, drumTrack, 800, 6, 1, false, { 648, 62, 60, 82 }, "BD CLASSIC level fader" },
        { 9, drumTrack, 240, 6, 0, false, { 177, 86, 52, 24 }, "BD CLASSIC combo in a 30-wide column" },
        { 9, drumTrack, 240, 6, 1, false, { 218, 62, 0, 82 }, "BD CLASSIC fader in a 30-wide column" },
        { 10, drumTrack, 800, 2, 0, true, { 192, 57, 116, 20 }, "BD FM FM Decay Time caption" },
        { 10, drumTrack, 800, 5, 0, false, { 500, 77, 104, 54 }, "BD FM FM Sweep Time, c + 4" },
        { 10, drumTrack, 800, 6, 0, false, { 604, 77, 96, 54 }, "BD FM FM Amount, c - 4" },
        { 10, drumTrack, 800, 7, 0, false, { 700, 77, 100, 57 }, "BD FM Overdrive" },
        { 30, cymbalTrack, 800, 1, 0, false, { 100, 79, 100, 64 }, "CY RIDE type row" },
        { 33, drumTrack, 800, 2, 0, false, { 215, 83, 70, 26 }, "UT IMPULSE polarity row" },
        { 33, drumTrack, 400, 2, 0, false, { 90, 83, 70, 26 }, "UT IMPULSE polarity row overhanging its column" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (c.type, context, c.track));
        ASSERT_NE (panel, nullptr);
        panel->setBounds (0, 0, c.width, 200);
        const auto* component = c.caption ? static_cast<juce::Component*> (panel->getCaption (c.column))
                                          : panel->getControlComponents (c.column).at (c.part);
        ASSERT_NE (component, nullptr);
        EXPECT_EQ (component->getBounds(), c.bounds);
    }
}

TEST_F (SelectorPanels, ButtonRowCellsRoundHalvesToTheEvenNeighbour)
{
    struct Case { int buttons; int width; int height; std::vector<juce::Rectangle<int>> bounds; };
    const Case cases[] = {
        { 4, 100, 64, { { 1, 1, 23, 28 }, { 26, 1, 23, 28 }, { 51, 1, 23, 28 }, { 76, 1, 23, 28 } } },
        { 4, 10, 64, { { 1, 1, 0, 28 }, { 3, 1, 0, 28 }, { 5, 1, 0, 28 }, { 7, 1, 0, 28 } } },
        { 2, 70, 26, { { 1, 1, 33, 24 }, { 36, 1, 33, 24 } } },
        { 2, 5, 26, { { 1, 1, 0, 24 }, { 3, 1, 0, 24 } } },     // 2.5 to 2: cells 2 and 2, the last pixel spare
        { 2, 7, 1, { { 1, 1, 2, 0 }, { 5, 1, 1, 0 } } },        // 3.5 to 4: cells 4 and 3
        { 4, 14, 40, { { 1, 1, 2, 28 }, { 5, 1, 2, 28 }, { 9, 1, 2, 28 }, { 13, 1, 0, 28 } } },   // 3.5 to 4: the last cell 2
    };
    for (const auto& c : cases)
    {
        std::vector<std::unique_ptr<ActionButton>> buttons;
        for (int i = 0; i < c.buttons; ++i)
            buttons.push_back (std::make_unique<ActionButton> (juce::String (i), juce::String()));
        ButtonRowSelector row (std::move (buttons), c.buttons - 1);
        row.setBounds (0, 0, c.width, c.height);
        for (int i = 0; i < c.buttons; ++i)
            EXPECT_EQ (row.getButton (i).getBounds(), c.bounds[static_cast<size_t> (i)]) << c.width << " button " << i;
    }
}

TEST_F (SelectorPanels, OnlyThePolarityCaptionHasATooltip)
{
    auto panel = build (33);
    ASSERT_NE (panel, nullptr);
    for (size_t i = 0; i < panel->getTable().columns.size(); ++i)
        EXPECT_EQ (panel->getCaption (i)->getTooltip(), i == 2 ? "Sets the polarity, positive or negative." : "") << i;
    auto ride = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (30, context, cymbalTrack));
    ASSERT_NE (ride, nullptr);
    EXPECT_TRUE (ride->getCaption (1)->getTooltip().isEmpty()) << "the ride's \"Type\" caption has none";
}
} // namespace
