// The particulars of the analog machine panels that their tables carry: the
// HH BASIC switch, the dual VCO's knobs and picker, the rimshot tune ranges,
// watched identifiers without a control, and the layout numbers.
#include "MachineTypeFixture.h"

#include "../modulation/MenuTestSupport.h"

#include "model/tables/IdentifierLists.h"
#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/AnalogMachinePanels.h"
#include "ui/panels/machines/MachinePanelFactory.h"
#include "ui/widgets/knobs/ListKnob.h"
#include "ui/widgets/knobs/OscillatorConfigComponent.h"

#include <algorithm>
#include <typeindex>

using namespace paneltest;

namespace
{
class AnalogPanels : public MachineTypeTest
{
protected:
    explicit AnalogPanels (int track = drumTrack) : MachineTypeTest (track) {}
};

class CymbalTrackPanels : public AnalogPanels
{
protected:
    CymbalTrackPanels() : AnalogPanels (cymbalTrack) {}
};

//==============================================================================
TEST_F (AnalogPanels, TheFactoryBuildsEachNamedPanel)
{
    struct Case { int type; int track; std::type_index panelClass; };
    const Case cases[] = {
        { 14, 8, typeid (SnareDrumHardPanel) },       { 16, 9, typeid (SnareDrumFMPanel) },
        { 17, 10, typeid (SnareDrumNaturalPanel) },   { 18, 8, typeid (RimshotHardPanel) },
        { 19, 8, typeid (RimshotClassicPanel) },      { 20, 9, typeid (DualVCOPanel) },
        { 21, 8, typeid (HandClapClassicPanel) },     { 22, 11, typeid (ClosedHihatClassicPanel) },
        { 23, 11, typeid (OpenHihatClassicPanel) },   { 24, 11, typeid (CymbalClassicPanel) },
        { 25, 11, typeid (CowbellClassicPanel) },     { 26, 11, typeid (ClosedHihatMetallicPanel) },
        { 27, 11, typeid (OpenHihatMetallicPanel) },  { 28, 11, typeid (CymbalMetallicPanel) },
        { 29, 11, typeid (CowbellMetallicPanel) },    { 31, 11, typeid (HihatBasicPanel) },
        { 32, 10, typeid (NoiseGenPanel) },
    };
    for (const auto& c : cases)
    {
        auto panel = createMachinePanel (c.type, context, c.track);
        ASSERT_NE (panel, nullptr) << c.type;
        EXPECT_EQ (std::type_index (typeid (*panel)), c.panelClass) << c.type;
        EXPECT_EQ (dynamic_cast<MachinePanel&> (*panel).getDataObject(), context.getKit().getSound (c.track)) << c.type;
    }
}

//==============================================================================
TEST_F (CymbalTrackPanels, TheOscResetSwitchFollowsTheFamilysThresholdAndWritesOnlyOnToggling)
{
    auto panel = build (31);
    ASSERT_NE (panel, nullptr);
    auto& button = partOf<LabeledOnOffButton> (*panel, 4);

    EXPECT_TRUE (button.vertical) << "drawn upright";
    EXPECT_TRUE (button.getButtonText().isEmpty()) << "its caption names it";
    EXPECT_EQ (panel->getCaption (4)->getText(), "Osc Reset");
    EXPECT_EQ (button.getTooltip(),
               "Activate in order to reset the oscillators for each triggering of the sound, or deactivate to let the oscillators run free. ");

    struct DeviceCase { int value; bool on; };
    const DeviceCase deviceCases[] = { { 256, true }, { 0, false }, { 1, false }, { 0x80, false }, { 255, false }, { 0x7F00, true }, { 0x1FF, true } };
    for (const auto& c : deviceCases)
    {
        freshFromDevice (Sound_HhBasicOscReset, c.value);
        EXPECT_EQ (button.getToggleState(), c.on) << c.value;
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty()) << "a device value is never written back";

    fromDevice (Sound_HhBasicOscReset, 0);
    edit::click (button);
    edit::click (button);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_HhBasicOscReset, 256 }, { Sound_HhBasicOscReset, 0 } }));
}

TEST_F (CymbalTrackPanels, ARightClickOnTheOscResetSwitchOpensItsMenuWithoutTogglingIt)
{
    auto panel = build (31);
    ASSERT_NE (panel, nullptr);
    ShownWindow window;
    window.addAndMakeVisible (*panel);
    auto& button = partOf<LabeledOnOffButton> (*panel, 4);
    fromDevice (Sound_HhBasicOscReset, 256);
    recorder.clear();

    menutest::ScopedModalStep dismiss ([] { return 0; });
    edit::clickThroughPeer (window, window.getLocalPoint (&button, button.getLocalBounds().getCentre()), edit::right);

    ASSERT_EQ (dismiss.shown.size(), 1u);
    EXPECT_EQ (panel->getModulationMenu().getParameterId(), Sound_HhBasicOscReset);
    EXPECT_TRUE (button.getToggleState()) << "a right click does not toggle";
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

//==============================================================================
TEST_F (AnalogPanels, TheDualVcoDecayKnobsShowInfAtTheirTop)
{
    auto panel = build (20);
    ASSERT_NE (panel, nullptr);

    struct Case { size_t column; juce::Identifier id; int device; const char* text; };
    const Case cases[] = {
        { 2, Sound_DVCOOsc1Decay, 0x7F00, "Inf" }, { 2, Sound_DVCOOsc1Decay, 0x7E00, "126" }, { 2, Sound_DVCOOsc1Decay, 0, "0" },
        { 3, Sound_DVCOOsc2Decay, 0x7F00, "Inf" }, { 3, Sound_DVCOOsc2Decay, 0x7EFF, "126" }, { 3, Sound_DVCOOsc2Decay, 0x0100, "1" },
    };
    for (const auto& c : cases)
    {
        fromDevice (c.id, c.device);
        EXPECT_EQ (partOf<ListKnob> (*panel, c.column).getShownText(), c.text) << c.id.toString() << " " << c.device;
    }

    for (size_t column : { 2u, 3u })
    {
        auto& knob = partOf<ListKnob> (*panel, column);
        EXPECT_EQ (knob.getMaximum(), 127.0);
        fromDevice (*panel->getTable().columns[column].id, 0x1000);
        recorder.clear();
        edit::drag (knob, 400.0f);
        EXPECT_EQ (knob.getShownText(), "Inf");
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { *panel->getTable().columns[column].id, 0x7F00 } }));
        EXPECT_EQ (knob.getBounds().getHeight(), 57);
    }
    pump();
}

TEST_F (AnalogPanels, EachTuneKnobHasItsOwnRangeAndWritesUnshiftedAroundTheCentre)
{
    struct Case
    {
        int type;
        size_t column;
        juce::Identifier id;
        double minimum, maximum;
        int writtenAtMinimum, writtenAtMaximum;
        const char* labelAtMaximum;
    };
    const Case cases[] = {
        { 20, 0, Sound_DVCOOsc1Tune, -6144.0, 6144.0, 0x2800, 0x5800, "24.00" },
        { 20, 1, Sound_DVCOOsc2Detune, -4096.0, 4096.0, 0x3000, 0x5000, "16.00" },
        { 18, 0, Sound_RsHardTune, -6144.0, 6144.0, 10240, 22528, "24.00" },
        { 19, 0, Sound_RsClassicTune1, -6144.0, 6144.0, 10240, 22528, "24.00" },
        { 19, 1, Sound_RsClassicTune2, -8192.0, 8192.0, 8192, 24576, "32.00" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.id.toString());
        auto panel = build (c.type);
        ASSERT_NE (panel, nullptr);
        auto& knob = partOf<UniHighResKnob> (*panel, c.column);
        EXPECT_EQ (knob.getMinimum(), c.minimum);
        EXPECT_EQ (knob.getMaximum(), c.maximum);

        fromDevice (c.id, 0);
        EXPECT_EQ (knob.getValue(), c.minimum) << "clamped from -16384";
        fromDevice (c.id, 0x4000);
        EXPECT_EQ (knob.getValue(), 0.0);
        EXPECT_EQ (knob.getOwnLabel().getText(), "0.00");
        fromDevice (c.id, 0x7FFF);
        EXPECT_EQ (knob.getValue(), c.maximum);
        EXPECT_EQ (knob.getOwnLabel().getText(), c.labelAtMaximum);
        fromDevice (c.id, 0x4000);
        recorder.clear();

        knob.setValue (c.maximum + 1000.0, juce::sendNotificationSync);
        knob.setValue (c.minimum - 1000.0, juce::sendNotificationSync);
        knob.setValue (-0.75, juce::sendNotificationSync);
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { c.id, c.writtenAtMaximum }, { c.id, c.writtenAtMinimum }, { c.id, 0x4000 } }));
    }
}

TEST_F (AnalogPanels, TheOscConfigPickerPassesItsIndexThrough)
{
    auto panel = build (20);
    ASSERT_NE (panel, nullptr);
    auto& picker = partOf<OscillatorConfigComponent> (*panel, 4);
    EXPECT_EQ (picker.getMinimum(), 0.0);
    EXPECT_EQ (picker.getMaximum(), 79.0);
    EXPECT_EQ (picker.getBounds().getHeight(), 54);

    struct Case { int device; double shown; };
    const Case cases[] = { { 0x1400, 20.0 }, { 0x4F00, 79.0 }, { 0x5000, 79.0 }, { 0x7F00, 79.0 }, { 0, 0.0 }, { 0x14FF, 20.0 } };
    for (const auto& c : cases)
    {
        fromDevice (Sound_DVCOOscConfig, c.device);
        EXPECT_EQ (picker.getValue(), c.shown) << c.device;
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());

    fromDevice (Sound_DVCOOscConfig, 0x1400);
    recorder.clear();
    edit::drag (picker, 800.0f);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_DVCOOscConfig, 0x4F00 } }));
}

//==============================================================================
// Watched identifiers without a control: a device change moves nothing,
// nothing writes them, and no control answers for them.
TEST_F (AnalogPanels, WatchedIdentifiersWithoutAControlAreInert)
{
    struct Case { int type; int track; juce::Identifier id; };
    const Case cases[] = {
        { 26, cymbalTrack, Sound_ChMetallicColor }, { 27, cymbalTrack, Sound_OhMetallicColor },
        { 28, cymbalTrack, Sound_CyMetallicColor }, { 18, drumTrack, Sound_RsHardSymmetry },
        { 19, drumTrack, Sound_RsClassicSymmetry },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.id.toString());
        const auto& watched = machineIdList (c.type);
        EXPECT_NE (std::find (watched.begin(), watched.end(), c.id), watched.end()) << "the machine's list holds it";

        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (c.type, context, c.track));
        ASSERT_NE (panel, nullptr);
        panel->setBounds (0, 0, 800, 200);
        auto& sound = *context.getKit().getSound (c.track);
        WriteRecorder writes (sound, { c.id });
        poll();

        std::vector<double> before;
        for (size_t i = 0; i < panel->getTable().columns.size(); ++i)
            before.push_back (dynamic_cast<juce::Slider&> (*panel->getControlComponents (i).at (0)).getValue());

        int min = 0, max = 0;
        ASSERT_TRUE (sound.getRange (c.id, min, max));
        sound.setValueFromMachine (c.id, max, false);
        poll();
        sound.setValueFromMachine (c.id, min, false);
        poll();
        pump();

        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ (dynamic_cast<juce::Slider&> (*panel->getControlComponents (i).at (0)).getValue(), before[i]) << i;
        EXPECT_TRUE (panel->findBindings (c.id).empty());
        EXPECT_TRUE (writes.writes().empty());
        for (size_t i = 0; i < panel->getTable().columns.size(); ++i)
            EXPECT_NE (*panel->getTable().columns[i].id, c.id);
    }
}

//==============================================================================
TEST_F (AnalogPanels, ColumnsFillTheirEighthsAndLeaveTheRestOfTheBandEmpty)
{
    struct Case { int type; int track; int columns; };
    const Case cases[] = {
        { 26, cymbalTrack, 3 }, { 27, cymbalTrack, 3 }, { 22, cymbalTrack, 4 }, { 23, cymbalTrack, 4 },
        { 25, cymbalTrack, 4 }, { 29, cymbalTrack, 4 }, { 24, cymbalTrack, 5 }, { 28, cymbalTrack, 5 },
        { 31, cymbalTrack, 6 }, { 18, drumTrack, 7 }, { 19, drumTrack, 7 }, { 21, drumTrack, 8 },
        { 14, drumTrack, 8 }, { 16, drumTrack, 8 }, { 17, drumTrack, 8 }, { 20, drumTrack, 8 }, { 32, drumTrack, 8 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.type);
        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (c.type, context, c.track));
        ASSERT_NE (panel, nullptr);
        panel->setBounds (0, 0, 805, 200);   // c = 100, top = 57
        ASSERT_EQ (static_cast<int> (panel->getTable().columns.size()), c.columns);

        for (int i = 0; i < c.columns; ++i)
        {
            auto& control = *panel->getControlComponents (static_cast<size_t> (i)).at (0);
            EXPECT_EQ (control.getX(), 100 * i) << i;
            EXPECT_EQ (control.getWidth(), 100) << i;
        }
        int rightmost = 0;
        for (auto* child : panel->getChildren())
            rightmost = std::max (rightmost, child->getRight());
        EXPECT_EQ (rightmost, 100 * c.columns) << "nothing beyond the last column";
    }
}

TEST_F (AnalogPanels, AdjustedCaptionsAndControlHeights)
{
    struct Case
    {
        int type;
        int track;
        int width;
        size_t column;
        const char* caption;
        juce::Rectangle<int> captionBounds;
        juce::Rectangle<int> controlBounds;
    };
    const Case cases[] = {
        { 31, cymbalTrack, 800, 2, "Transient Decay", { 192, 57, 116, 20 }, { 200, 77, 100, 54 } },
        { 31, cymbalTrack, 800, 4, "Osc Reset", { 400, 57, 100, 20 }, { 400, 77, 100, 32 } },
        { 28, cymbalTrack, 800, 2, "Transient Decay", { 196, 57, 108, 20 }, { 200, 77, 100, 54 } },
        { 16, drumTrack, 800, 2, "FM Decay Time", { 198, 57, 104, 20 }, { 200, 77, 100, 54 } },
        { 17, drumTrack, 805, 5, "Noise LPF", { 504, 57, 92, 20 }, { 500, 77, 100, 54 } },
        { 17, drumTrack, 805, 6, "Noise Resonance", { 594, 57, 112, 20 }, { 600, 77, 100, 54 } },
        { 20, drumTrack, 800, 2, "Osc 1 Decay", { 200, 57, 100, 20 }, { 200, 77, 100, 57 } },
        { 20, drumTrack, 800, 4, "Osc Config", { 400, 57, 100, 20 }, { 400, 77, 100, 54 } },
        { 32, drumTrack, 800, 7, "Level", { 700, 57, 100, 20 }, { 700, 77, 100, 54 } },
        { 19, drumTrack, 800, 1, "Tune Osc2", { 100, 57, 100, 20 }, { 100, 77, 100, 57 } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.caption);
        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (c.type, context, c.track));
        ASSERT_NE (panel, nullptr);
        panel->setBounds (0, 0, c.width, 200);
        EXPECT_EQ (panel->getCaption (c.column)->getText(), c.caption);
        EXPECT_EQ (panel->getCaption (c.column)->getBounds(), c.captionBounds);
        EXPECT_EQ (panel->getControlComponents (c.column).at (0)->getBounds(), c.controlBounds);
    }
}

TEST_F (AnalogPanels, HelpTextsKeepTheirOddEndings)
{
    struct Case { int type; int track; size_t column; const char* help; };
    const Case cases[] = {
        { 29, cymbalTrack, 0, "Sets the base pitch of the two oscillators" },
        { 31, cymbalTrack, 2, "Sets the early decay rate of the sound. Shorter settings emphasize the transient. " },
        { 20, drumTrack, 4,
          "Configures the two oscillators, which wave they use and how they interact. + is add, F is feedback, R is Ring mod and FR is "
          "feedback + ring mod. The bottom line means reset." },
        { 24, cymbalTrack, 4, "Sets the overdrive (gain increase boost of the amp), located before the multi-mode filter in the signal path." },
    };
    for (const auto& c : cases)
    {
        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (c.type, context, c.track));
        ASSERT_NE (panel, nullptr);
        auto* tooltip = dynamic_cast<juce::SettableTooltipClient*> (panel->getControlComponents (c.column).at (0));
        ASSERT_NE (tooltip, nullptr);
        EXPECT_EQ (tooltip->getTooltip(), c.help) << c.type;
    }
}
} // namespace
