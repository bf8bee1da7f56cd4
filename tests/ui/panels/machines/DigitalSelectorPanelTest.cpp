// The digital panels' selectors: SY RAW's waveform grids with oscillator 1's
// "Reset" switch folded into its waveform value, and SY SWARM's sub-oscillator
// buttons; what a click writes, that device values are shown and never
// written back, values that name no button, right clicks, layout and pixels.
#include "MachineTypeFixture.h"

#include "../modulation/MenuTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/DigitalMachinePanels.h"
#include "ui/panels/machines/MachinePanelFactory.h"

using namespace paneltest;

namespace
{
constexpr int rawTrack = 9;      // T10
constexpr int swarmTrack = 3;    // T4
constexpr size_t waveform1Column = 4, waveform2Column = 5, subColumn = 6;
constexpr int none = -1;         // no button lit

template <typename Selector>
int litButton (Selector& selector, int count)
{
    int lit = none;
    for (int i = 0; i < count; ++i)
        if (selector.getButton (i).getToggleState())
        {
            EXPECT_EQ (lit, none) << "two buttons lit";
            lit = i;
        }
    return lit;
}

class RawPanel : public MachineTypeTest
{
protected:
    RawPanel() : MachineTypeTest (rawTrack) {}

    void SetUp() override
    {
        panel = build (39);
        ASSERT_NE (panel, nullptr);
    }

    WaveformSelector& selector1() { return partOf<WaveformSelector> (*panel, waveform1Column, 0); }
    LabeledOnOffButton& resetSwitch() { return partOf<LabeledOnOffButton> (*panel, waveform1Column, 1); }
    WaveformSelector& selector2() { return partOf<WaveformSelector> (*panel, waveform2Column, 0); }

    std::shared_ptr<MachinePanel> panel;
};

class SwarmPanel : public MachineTypeTest
{
protected:
    SwarmPanel() : MachineTypeTest (swarmTrack) {}

    void SetUp() override
    {
        panel = build (38);
        ASSERT_NE (panel, nullptr);
    }

    SubOscillatorSelector& selector() { return partOf<SubOscillatorSelector> (*panel, subColumn); }
    int lit() { return litButton (selector(), SubOscillatorSelector::buttonCount); }

    std::shared_ptr<MachinePanel> panel;
};

//==============================================================================
TEST_F (RawPanel, GlyphsTooltipsAndTheResetSwitch)
{
    const juce::StringArray glyphs { "X", "S", "y", "Y", "~", "[", "a" };
    ASSERT_EQ (selector1().getNumButtons(), 6);
    ASSERT_EQ (selector2().getNumButtons(), 7);
    for (int i = 0; i < 7; ++i)
    {
        EXPECT_EQ (selector2().getButton (i).getButtonText(), glyphs[i]);
        if (i < 6)
        {
            EXPECT_EQ (selector1().getButton (i).getButtonText(), glyphs[i]);
        }
    }
    EXPECT_TRUE (selector1().getTooltip().startsWith ("Selects the waveform of oscillator 1. There are six waveforms for oscillator 1: sine, asymetric sine,"));
    EXPECT_TRUE (selector1().getTooltip().endsWith ("then the phase of both oscillators are reset when trigged."));
    EXPECT_TRUE (selector2().getTooltip().startsWith ("Selects the waveform of oscillator 2. There are eight waveforms for oscillator 2:"));
    EXPECT_TRUE (selector2().getTooltip().endsWith ("Turning up LEV2 to adds a sine wave to the sound)."));
    EXPECT_EQ (selector1().getButton (0).getTooltip(), "X") << "the selector keeps its tooltip to itself; a glyph's is its glyph";
    EXPECT_EQ (resetSwitch().getButtonText(), "Reset");
    EXPECT_EQ (resetSwitch().getTooltip(), "");
    EXPECT_EQ (selector1().hue, 6);
    EXPECT_EQ (selector2().getButton (6).hue, 6) << "the panel's hue reaches the buttons";
}

TEST_F (RawPanel, DeviceValuesFoldResetAndWaveformAndNamingNoButtonChangeNothing)
{
    // In order: each case starts where the one before ended. Straight to the
    // panel's device path, since the data object clamps to the parameter's range.
    struct Case { int device; bool reset; int lit; };
    const Case waveform1[] = {
        { 0x0700, true, 1 },  { 0x0500, false, 5 }, { 0x0000, false, 0 }, { 0x0B00, true, 5 },  { 0x05FF, false, 5 },
        { 0x0600, true, 0 },  { 0x0C00, true, 0 },  { 0x7F00, true, 0 },  { -0x0100, true, 0 }, { -1, true, 0 },
        { 0x01FF, false, 1 }, { 0x0C00, false, 1 },
    };
    for (const auto& c : waveform1)
    {
        panel->setValueFromDevice (Sound_VCOWaveform1, c.device);
        EXPECT_EQ (resetSwitch().getToggleState(), c.reset) << std::hex << c.device;
        EXPECT_EQ (litButton (selector1(), 6), c.lit) << std::hex << c.device;
        EXPECT_EQ (selector1().selectedIndex, c.lit) << std::hex << c.device;
    }

    const Case waveform2[] = {
        { 0x0600, false, 6 }, { 0x0000, false, 0 }, { 0x0700, false, 0 }, { 0x0300, false, 3 }, { -0x0100, false, 3 }, { 0x0C00, false, 3 },
    };
    for (const auto& c : waveform2)
    {
        panel->setValueFromDevice (Sound_VCOWaveform2, c.device);
        EXPECT_EQ (litButton (selector2(), 7), c.lit) << std::hex << c.device;
        EXPECT_EQ (selector2().selectedIndex, c.lit) << std::hex << c.device;
    }
    EXPECT_FALSE (resetSwitch().getToggleState()) << "oscillator 2 has no switch";

    pump();
    EXPECT_TRUE (recorder.writes().empty()) << "a device value is never written back";
}

TEST_F (RawPanel, ClicksAndTheResetSwitchWriteTheFoldedValueOneMessageLater)
{
    struct Case { const juce::Identifier& id; int device; const char* edit; int button; int written; };
    const Case cases[] = {
        { Sound_VCOWaveform1, 0x0700, "glyph", 2, 0x0800 },   // "Reset" on, "y" chosen
        { Sound_VCOWaveform1, 0x0500, "reset", 0, 0x0B00 },   // "Reset" switched on under "["
        { Sound_VCOWaveform1, 0x0B00, "reset", 0, 0x0500 },   // and off again
        { Sound_VCOWaveform1, 0x0100, "glyph", 0, 0x0000 },
        { Sound_VCOWaveform1, 0x0300, "glyph", 3, 0x0300 },   // the lit glyph again writes again
        { Sound_VCOWaveform2, 0x0200, "glyph", 6, 0x0600 },   // the ring modulator
        { Sound_VCOWaveform2, 0x0600, "glyph", 0, 0x0000 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (std::string (c.edit) + " " + std::to_string (c.button) + " from " + std::to_string (c.device));
        freshFromDevice (c.id, c.device);
        recorder.clear();
        auto& selector = c.id == Sound_VCOWaveform1 ? selector1() : selector2();
        if (std::string (c.edit) == "reset")
            edit::click (resetSwitch());
        else
        {
            edit::click (selector.getButton (c.button));
            EXPECT_TRUE (recorder.writes().empty()) << "not before the change message";
            EXPECT_EQ (litButton (selector, selector.getNumButtons()), c.button);
        }
        pump();
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { c.id, c.written } }));
    }
}

TEST_F (RawPanel, AfterAValueNamingNoButtonAClickWritesWhatTheDeviceOrUserChose)
{
    freshFromDevice (Sound_VCOWaveform1, 0x0300);
    panel->setValueFromDevice (Sound_VCOWaveform1, 0x0D00);
    recorder.clear();
    edit::click (resetSwitch());
    pump();
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_VCOWaveform1, 0x0900 } })) << "waveform 3 with reset";

    freshFromDevice (Sound_VCOWaveform2, 0x0400);
    panel->setValueFromDevice (Sound_VCOWaveform2, 0x0900);
    recorder.clear();
    edit::click (selector2().getButton (4));
    pump();
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_VCOWaveform2, 0x0400 } }));
}

TEST_F (RawPanel, BeforeAnyDeviceValueNothingIsLitAndResetWritesIndexZero)
{
    auto fresh = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (39, context, rawTrack));   // before its first poll
    ASSERT_NE (fresh, nullptr);
    fresh->setBounds (0, 0, 800, 200);
    auto& selector = partOf<WaveformSelector> (*fresh, waveform1Column, 0);
    EXPECT_EQ (litButton (selector, 6), none);
    EXPECT_EQ (selector.selectedIndex, 0);
    edit::click (partOf<LabeledOnOffButton> (*fresh, waveform1Column, 1));
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_VCOWaveform1, 0x0600 } }));
}

TEST_F (RawPanel, Osc2DetuneIsAPlainKnobWrittenUnclamped)
{
    auto& knob = partOf<UnidirectionalKnob> (*panel, 1);
    freshFromDevice (Sound_VCOOsc2Detune, 0x3400);
    EXPECT_EQ (knob.getValue(), 52.0);
    EXPECT_EQ (knob.getMaximum(), 127.0);
    recorder.clear();
    knob.setValue (100.0, juce::sendNotificationSync);
    ASSERT_EQ (recorder.writes().size(), 1u);
    // The data object applies the parameter's range (at most 0x5800) to what the panel writes.
    EXPECT_EQ (recorder.writes()[0].id, Sound_VCOOsc2Detune);
    EXPECT_EQ (valueOf (Sound_VCOOsc2Detune), 0x5800);
}

TEST_F (RawPanel, RightClicksOpenTheSelectorsMenusButNotTheResetSwitchs)
{
    ShownWindow window;
    window.addAndMakeVisible (*panel);
    freshFromDevice (Sound_VCOWaveform1, 0x0100);
    freshFromDevice (Sound_VCOWaveform2, 0x0100);
    recorder.clear();

    struct Case { juce::Component* target; const juce::Identifier* expected; const char* what; };
    const Case cases[] = {
        { &selector1().getButton (4), &Sound_VCOWaveform1, "a glyph of oscillator 1" },
        { &selector2().getButton (6), &Sound_VCOWaveform2, "a glyph of oscillator 2" },
        { &resetSwitch(), nullptr, "the Reset switch" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        menutest::ScopedModalStep dismiss ([] { return 0; });
        panel->getModulationMenu().setParameterId ({});
        edit::clickThroughPeer (window, window.getLocalPoint (c.target, c.target->getLocalBounds().getCentre()), edit::right);
        pump();
        if (c.expected == nullptr)
            EXPECT_TRUE (dismiss.shown.empty());
        else
        {
            ASSERT_EQ (dismiss.shown.size(), 1u);
            EXPECT_EQ (panel->getModulationMenu().getParameterId(), *c.expected);
        }
    }
    EXPECT_EQ (litButton (selector1(), 6), 1) << "a right click selects nothing";
    EXPECT_EQ (litButton (selector2(), 7), 1);
    EXPECT_FALSE (resetSwitch().getToggleState());
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (RawPanel, LayoutOfTheWaveformColumnsAndGrids)
{
    struct Case { juce::Component* component; juce::Rectangle<int> bounds; const char* what; };
    const Case cases[] = {
        { panel->getCaption (waveform1Column), { 400, 57, 100, 20 }, "Waveform 1 caption" },
        { &selector1(), { 404, 77, 92, 58 }, "selector 1" },
        { &resetSwitch(), { 406, 137, 88, 14 }, "Reset switch" },
        { panel->getCaption (waveform2Column), { 500, 57, 100, 20 }, "Waveform 2 caption" },
        { &selector2(), { 504, 77, 92, 78 }, "selector 2" },
        { &selector1().getButton (0), { 1, 1, 44, 17 }, "X" },
        { &selector1().getButton (1), { 47, 1, 44, 17 }, "S" },
        { &selector1().getButton (4), { 1, 39, 44, 17 }, "~" },
        { &selector1().getButton (5), { 47, 39, 44, 17 }, "[" },
        { &selector2().getButton (5), { 47, 39, 44, 17 }, "[ of oscillator 2" },
        { &selector2().getButton (6), { 1, 58, 44, 17 }, "a, alone in its row" },
        { panel->getControlComponents (6).at (0), { 600, 77, 100, 54 }, "Noise Level" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (c.component->getBounds(), c.bounds) << c.what;

    panel->setBounds (0, 0, 40, 200);   // 5-pixel columns
    EXPECT_EQ (selector1().getBounds(), juce::Rectangle<int> (24, 77, 0, 58));
    EXPECT_EQ (resetSwitch().getBounds(), juce::Rectangle<int> (26, 137, 0, 14));
    EXPECT_EQ (selector1().getButton (0).getBounds(), juce::Rectangle<int> (1, 1, 0, 17));
}

//==============================================================================
TEST_F (SwarmPanel, ButtonsNamesTooltipAndLayout)
{
    const char* names[] = { "Sub Oscillator -2", "Sub Oscillator -1", "Sub Oscillator 0" };
    for (int i = 0; i < 3; ++i)
    {
        auto& button = selector().getButton (i);
        EXPECT_EQ (button.getName(), names[i]);
        EXPECT_EQ (button.getButtonText(), names[i]);
        EXPECT_EQ (button.offset, i - 2);
        EXPECT_EQ (button.getTooltip(), "");
        EXPECT_EQ (button.hue, 6);
    }
    EXPECT_EQ (selector().getTooltip(),
               "Detunes the fundamental oscillator down one or two octaves but leaves the detune oscillators' pitch unchanged.");

    EXPECT_EQ (panel->getCaption (subColumn)->getBounds(), juce::Rectangle<int> (600, 57, 100, 20));
    EXPECT_EQ (selector().getBounds(), juce::Rectangle<int> (612, 77, 88, 50));
    EXPECT_EQ (selector().getButton (2).getBounds(), juce::Rectangle<int> (0, 0, 88, 16)) << "offset 0 on top";
    EXPECT_EQ (selector().getButton (1).getBounds(), juce::Rectangle<int> (0, 16, 88, 16));
    EXPECT_EQ (selector().getButton (0).getBounds(), juce::Rectangle<int> (0, 32, 88, 16));

    panel->setBounds (0, 0, 80, 200);   // 10-pixel columns
    EXPECT_EQ (selector().getBounds(), juce::Rectangle<int> (72, 77, 0, 50));
}

TEST_F (SwarmPanel, BeforeAnyDeviceValueNoButtonIsLit)
{
    auto fresh = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (38, context, swarmTrack));
    ASSERT_NE (fresh, nullptr);
    auto& selector = partOf<SubOscillatorSelector> (*fresh, subColumn);
    EXPECT_EQ (litButton (selector, 3), none);
    EXPECT_EQ (selector.selectedIndex, 0);
}

TEST_F (SwarmPanel, UserClicksWriteTheirIndexOneMessageLater)
{
    struct Case { int device; int button; int written; };
    const Case cases[] = {
        { 0x0200, 0, 0x0000 },   // the bottom button, -2
        { 0x0000, 2, 0x0200 },   // the top button, 0
        { 0x0100, 1, 0x0100 },   // the lit button again writes again
    };
    for (const auto& c : cases)
    {
        freshFromDevice (Sound_SuperSawOscSub, c.device);
        recorder.clear();
        edit::click (selector().getButton (c.button));
        EXPECT_TRUE (recorder.writes().empty()) << "not before the change message";
        EXPECT_EQ (lit(), c.button);
        EXPECT_EQ (selector().selectedIndex, c.button);
        pump();
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_SuperSawOscSub, c.written } })) << c.button;
    }
}

TEST_F (SwarmPanel, DeviceValuesLightAButtonAndAreNeverWrittenBack)
{
    // In order: each case starts where the one before ended.
    struct Case { int device; int lit; };
    const Case cases[] = {
        { 0x0100, 1 }, { 0x0000, 0 }, { 0x0200, 2 }, { 0x01FF, 1 }, { 0x0300, 1 }, { -0x0100, 1 }, { 0x7F00, 1 }, { -1, 1 }, { 0x02FF, 2 },
    };
    for (const auto& c : cases)
    {
        panel->setValueFromDevice (Sound_SuperSawOscSub, c.device);
        EXPECT_EQ (lit(), c.lit) << std::hex << c.device;
        EXPECT_EQ (selector().selectedIndex, c.lit) << std::hex << c.device;
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());

    // Through the poll, the same.
    freshFromDevice (Sound_SuperSawOscSub, 0x0100);
    pump();
    EXPECT_EQ (lit(), 1);
    EXPECT_TRUE (recorder.writes().empty());

    // A value beyond the buttons, then a click on the lit one: the device's last valid choice.
    panel->setValueFromDevice (Sound_SuperSawOscSub, 0x0500);
    edit::click (selector().getButton (1));
    pump();
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_SuperSawOscSub, 0x0100 } }));
}

TEST_F (SwarmPanel, HiddenPanelsAndTheReReadOnShowingWriteNothing)
{
    ShownWindow window;
    panel->setVisible (false);
    window.addChildComponent (*panel);

    fromDevice (Sound_SuperSawOscSub, 0x0000);
    EXPECT_EQ (lit(), 0) << "a hidden panel follows the device";
    recorder.showFromDevice (Sound_SuperSawOscSub, 0x0200);
    panel->setVisible (true);
    EXPECT_EQ (lit(), 2) << "re-read on showing";
    pump();
    poll();
    pump();
    EXPECT_TRUE (recorder.writes().empty());
    EXPECT_EQ (valueOf (Sound_SuperSawOscSub), 0x0200);
}

TEST_F (SwarmPanel, ARightClickOnTheSelectorOpensItsMenuAndSelectsNothing)
{
    ShownWindow window;
    window.addAndMakeVisible (*panel);
    freshFromDevice (Sound_SuperSawOscSub, 0x0200);
    recorder.clear();

    menutest::ScopedModalStep dismiss ([] { return 0; });
    auto& bottom = selector().getButton (0);
    edit::clickThroughPeer (window, window.getLocalPoint (&bottom, bottom.getLocalBounds().getCentre()), edit::right);
    pump();
    ASSERT_EQ (dismiss.shown.size(), 1u);
    EXPECT_EQ (panel->getModulationMenu().getParameterId(), Sound_SuperSawOscSub);
    EXPECT_EQ (lit(), 2);
    EXPECT_TRUE (recorder.writes().empty());
}

// The buttons draw an 8 x 8 square (the hue's brightest shade when lit, its
// third otherwise) and the offset in near-white, only under the program's
// look and feel.
TEST_F (SwarmPanel, ButtonPixelsUnderTheProgramsLookAndFeelAndUnderAnother)
{
    freshFromDevice (Sound_SuperSawOscSub, 0x0100);
    const auto& shades = lookAndFeel.getHueColours (6);
    const auto origin = selector().getPosition();
    // Square centres: x = (32 - 8) / 2 + 4, y = row + (16 - 8) / 2 + 4.
    const auto squareOf = [&] (int row) { return origin + juce::Point<int> (16, 16 * row + 8); };

    auto image = uitest::render (*panel);
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, squareOf (1).x, squareOf (1).y), shades.bright.getARGB())) << "lit, -1";
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, squareOf (0).x, squareOf (0).y), shades.dark.getARGB())) << "offset 0";
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, squareOf (2).x, squareOf (2).y), shades.dark.getARGB())) << "offset -2";
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, origin.x + 2, origin.y + 8), 0xFF1E1E1E)) << "the panel shows around the square";
    EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, origin.x + 60, origin.y + 8), 0xFF1E1E1E)) << "nothing right of the text";

    int nearWhite = 0;
    for (int x = 32; x < 44; ++x)
        for (int y = 0; y < 16; ++y)
            if (uitest::nearColour (uitest::pixel (image, origin.x + x, origin.y + y), 0xFFFAFAFA, 60))
                ++nearWhite;
    EXPECT_GT (nearWhite, 3) << "the offset's text";

    juce::LookAndFeel_V4 other;
    selector().setLookAndFeel (&other);
    image = uitest::render (*panel);
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE (uitest::nearColour (uitest::pixel (image, squareOf (row).x, squareOf (row).y), 0xFF1E1E1E)) << row;
    for (int x = 0; x < selector().getWidth(); ++x)
        for (int y = 0; y < selector().getHeight(); ++y)
            ASSERT_TRUE (uitest::nearColour (uitest::pixel (image, origin.x + x, origin.y + y), 0xFF1E1E1E)) << x << "," << y;
    selector().setLookAndFeel (nullptr);
}
} // namespace
