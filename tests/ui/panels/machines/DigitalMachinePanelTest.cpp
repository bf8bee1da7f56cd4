// The particulars of the digital machine panels that their tables carry: the
// named classes, SY TONE's and SY CHORD's list knobs, SY BITS's two fine
// knobs, texts kept as they have always read, and the layout numbers.
#include "MachineTypeFixture.h"

#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/DigitalMachinePanels.h"
#include "ui/panels/machines/MachinePanelFactory.h"
#include "ui/widgets/knobs/ListKnob.h"

#include <typeindex>

using namespace paneltest;

namespace
{
constexpr int digitalTrack = 0;   // T1
constexpr int rawTrack = 9;       // T10, where SY RAW runs

class DigitalPanels : public MachineTypeTest
{
protected:
    DigitalPanels() : MachineTypeTest (digitalTrack) {}
};

//==============================================================================
TEST_F (DigitalPanels, TheFactoryBuildsEachNamedPanel)
{
    struct Case { int type; int track; std::type_index panelClass; };
    const Case cases[] = {
        { 0, 0, typeid (DigitalKickPanel) },     { 1, 1, typeid (DigitalSnarePanel) },   { 2, 2, typeid (DigitalMetalPanel) },
        { 3, 3, typeid (DigitalPercPanel) },     { 4, 4, typeid (DigitalTonePanel) },    { 5, 5, typeid (DigitalChordPanel) },
        { 6, 6, typeid (DigitalSnare2Panel) },   { 7, 7, typeid (DigitalClapPanel) },    { 36, 0, typeid (DigitalToyPanel) },
        { 37, 1, typeid (DigitalBitsPanel) },    { 38, 2, typeid (DigitalSuperSawPanel) }, { 39, 8, typeid (VCOPanel) },
        { 39, 10, typeid (VCOPanel) },
    };
    for (const auto& c : cases)
    {
        auto panel = createMachinePanel (c.type, context, c.track);
        ASSERT_NE (panel, nullptr) << c.type;
        EXPECT_EQ (std::type_index (typeid (*panel)), c.panelClass) << c.type;
        auto& machinePanel = dynamic_cast<MachinePanel&> (*panel);
        EXPECT_EQ (machinePanel.getDataObject(), context.getKit().getSound (c.track)) << c.type;
        EXPECT_EQ (machinePanel.hue, 6) << c.type;
    }
}

//==============================================================================
struct ListKnobCase
{
    const char* name;
    int type;
    size_t column;
    const juce::Identifier& id;
    int items;
    std::vector<std::pair<int, const char*>> texts;   // index, text
    int defaultIndex;
    const char* defaultText;
};

class ListKnobs : public DigitalPanels, public ::testing::WithParamInterface<ListKnobCase>
{
protected:
    ListKnob& knobOf (MachinePanel& panel) { return partOf<ListKnob> (panel, GetParam().column); }
};

std::vector<ListKnobCase> listKnobCases()
{
    return {
        { "ModRatio", 4, 1, Sound_MCToneModRatio, 128,
          { { 0, ".0125" }, { 1, "0.075" }, { 4, "0.500" }, { 8, "1.000" }, { 9, "1.001" }, { 23, "1.998" }, { 63, "4.300" },
            { 119, "7.992" }, { 120, "8.000" }, { 121, "9.000" }, { 122, "10.00" }, { 127, "15.00" } },
          4, "0.500" },
        { "ModeChord", 5, 4, Sound_MCChordModeChord, 38,
          { { 0, "Unison x2" }, { 2, "Unison x4" }, { 3, "Minor" }, { 4, "Major" }, { 7, "m7" }, { 8, "M7" }, { 9, "mMaj7" },
            { 10, "Maj7" }, { 21, "M#5" }, { 30, "sus4#5b9" }, { 34, "Maj7/6no5" }, { 36, "Fourths" }, { 37, "Fifths" } },
          3, "Minor" },
    };
}

TEST_P (ListKnobs, ShowTheirItemsOverTheirRange)
{
    auto panel = build (GetParam().type);
    ASSERT_NE (panel, nullptr);
    auto& knob = knobOf (*panel);
    EXPECT_EQ (knob.getName(), "") << "an empty caption for the knob itself";
    EXPECT_EQ (knob.getMinimum(), 0.0);
    EXPECT_EQ (knob.getMaximum(), GetParam().items - 1.0);
    EXPECT_EQ (knob.getInterval(), 1.0);
    EXPECT_EQ (knob.getHeight(), 57) << "drawn as tall as the Tune knob";

    for (const auto& [index, text] : GetParam().texts)
    {
        freshFromDevice (GetParam().id, index << 8);
        EXPECT_EQ (knob.getValue(), index);
        EXPECT_EQ (knob.getShownText(), text) << index;
    }
    EXPECT_EQ (knob.textFunction (GetParam().items), "");

    freshFromDevice (GetParam().id, 0x7F00);
    EXPECT_EQ (knob.getValue(), GetParam().items - 1.0) << "a value above the range puts the knob on its last item";
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_P (ListKnobs, WriteTheirIndexAndReturnToTheDefaultItem)
{
    auto panel = build (GetParam().type);
    ASSERT_NE (panel, nullptr);
    auto& knob = knobOf (*panel);
    const auto& id = GetParam().id;

    freshFromDevice (id, 0x100);
    recorder.clear();
    knob.setValue (8.0, juce::sendNotificationSync);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { id, 0x800 } }));
    EXPECT_GT (knob.highlightLevel, 0.9f) << "a user edit lights the knob";

    recorder.clear();
    knob.setValue (GetParam().items + 5.0, juce::sendNotificationSync);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { id, (GetParam().items - 1) << 8 } })) << "not past the last item";

    freshFromDevice (id, 0x1000);
    recorder.clear();
    edit::doubleClick (knob);
    EXPECT_EQ (knob.getValue(), GetParam().defaultIndex);
    EXPECT_EQ (knob.getShownText(), GetParam().defaultText);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { id, GetParam().defaultIndex << 8 } }));
}

TEST_P (ListKnobs, ADraggedKnobIgnoresTheDevice)
{
    auto panel = build (GetParam().type);
    ASSERT_NE (panel, nullptr);
    auto& knob = knobOf (*panel);
    freshFromDevice (GetParam().id, 0x500);
    edit::pressAndDrag (knob, 6.0f);
    const double dragged = knob.getValue();
    fromDevice (GetParam().id, 0x1100);
    EXPECT_EQ (knob.getValue(), dragged);
    edit::release (knob);
}

INSTANTIATE_TEST_SUITE_P (Digital, ListKnobs, ::testing::ValuesIn (listKnobCases()),
                          [] (const ::testing::TestParamInfo<ListKnobCase>& info) { return std::string (info.param.name); });

//==============================================================================
// SY BITS: Tune and Detune are both fine knobs, -6144..6144 around 0x4000.
TEST_F (DigitalPanels, BitsHasTwoFineKnobs)
{
    auto panel = build (37);
    ASSERT_NE (panel, nullptr);

    struct DeviceCase { size_t column; const juce::Identifier& id; int device; double shown; const char* label; };
    const DeviceCase deviceCases[] = {
        { 1, Sound_MCBitsDetune, 0x4C00, 3072.0, "12.00" },   { 1, Sound_MCBitsDetune, 0x2800, -6144.0, "-24.00" },
        { 1, Sound_MCBitsDetune, 0x5800, 6144.0, "24.00" },   { 1, Sound_MCBitsDetune, 0x4080, 128.0, "0.50" },
        { 0, Sound_MCBitsTune, 0x4000, 0.0, "0.00" },         { 0, Sound_MCBitsTune, 0x3400, -3072.0, "-12.00" },
    };
    for (const auto& c : deviceCases)
    {
        auto& knob = partOf<UniHighResKnob> (*panel, c.column);
        freshFromDevice (c.id, c.device);
        EXPECT_EQ (knob.getValue(), c.shown) << c.device;
        EXPECT_EQ (knob.getOwnLabel().getText(), c.label) << c.device;
    }
    pump();
    EXPECT_TRUE (recorder.writes().empty());

    struct UserCase { size_t column; const juce::Identifier& id; double value; int written; };
    const UserCase userCases[] = {
        { 1, Sound_MCBitsDetune, -6144.0, 0x2800 }, { 1, Sound_MCBitsDetune, 6144.0, 0x5800 }, { 1, Sound_MCBitsDetune, -0.5, 0x4000 },
        { 1, Sound_MCBitsDetune, 1.75, 0x4001 },    { 0, Sound_MCBitsTune, -6144.0, 0x2800 },  { 0, Sound_MCBitsTune, 300.0, 0x412C },
    };
    for (const auto& c : userCases)
    {
        auto& knob = partOf<UniHighResKnob> (*panel, c.column);
        freshFromDevice (c.id, 0x4C00);
        recorder.clear();
        knob.setValue (c.value, juce::sendNotificationSync);
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { c.id, c.written } })) << c.value;
    }

    struct ResetCase { size_t column; const juce::Identifier& id; double value; const char* label; int written; };
    for (const auto& c : { ResetCase { 1, Sound_MCBitsDetune, -3072.0, "-12.00", 0x3400 }, ResetCase { 0, Sound_MCBitsTune, 0.0, "0.00", 0x4000 } })
    {
        auto& knob = partOf<UniHighResKnob> (*panel, c.column);
        freshFromDevice (c.id, 0x5000);
        recorder.clear();
        edit::doubleClick (knob);
        EXPECT_EQ (knob.getValue(), c.value);
        EXPECT_EQ (knob.getOwnLabel().getText(), c.label);
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { c.id, c.written } }));
    }
}

TEST_F (DigitalPanels, BitsAndSwarmHaveNoPunchSwitchAndRawNone)
{
    for (const auto& [type, track] : { std::pair { 37, digitalTrack }, std::pair { 38, digitalTrack }, std::pair { 39, rawTrack } })
    {
        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (type, context, track));
        ASSERT_NE (panel, nullptr);
        for (size_t i = 0; i < panel->getTable().columns.size(); ++i)
        {
            EXPECT_NE (panel->getTable().columns[i].kind, ControlKind::onOff) << type << " column " << i;
            EXPECT_NE (panel->getCaption (i)->getText(), "Punch") << type;
        }
    }
}

//==============================================================================
TEST_F (DigitalPanels, LayoutNumbers)
{
    struct Case { int type; int track; int width; size_t column; bool caption; juce::Rectangle<int> bounds; const char* what; };
    const Case cases[] = {
        { 1, 0, 800, 2, true, { 200, 57, 100, 16 }, "SD BASIC Punch caption" },
        { 1, 0, 800, 2, false, { 236, 90, 28, 16 }, "SD BASIC Punch switch" },
        { 1, 0, 800, 4, true, { 400, 57, 100, 20 }, "SD BASIC Inharmonicity caption, not widened" },
        { 1, 0, 800, 5, true, { 500, 57, 100, 20 }, "SD BASIC Mod+Fdbk caption, not widened" },
        { 2, 0, 800, 1, false, { 100, 77, 100, 54 }, "CY ALLOY Shimmer knob" },
        { 3, 0, 800, 6, false, { 600, 77, 100, 54 }, "PC CARBON Modulation Env knob" },
        { 4, 0, 800, 1, true, { 100, 57, 100, 20 }, "SY TONE Mod Ratio caption" },
        { 4, 0, 800, 1, false, { 100, 77, 100, 57 }, "SY TONE Mod Ratio knob, as tall as Tune" },
        { 5, 0, 800, 4, false, { 400, 77, 100, 57 }, "SY CHORD Mode/Chord knob" },
        { 5, 0, 800, 2, false, { 236, 90, 28, 16 }, "SY CHORD Punch switch" },
        { 6, 0, 816, 5, true, { 510, 57, 102, 20 }, "SD VINTAGE Freq. Compl. caption" },
        { 7, 0, 800, 5, true, { 500, 57, 100, 20 }, "CP VINTAGE Body character caption" },
        { 36, 0, 800, 2, false, { 236, 90, 28, 16 }, "SY TOY Punch switch" },
        { 36, 0, 800, 7, false, { 700, 77, 100, 57 }, "SY TOY Overdrive" },
        { 37, 0, 800, 1, false, { 100, 77, 100, 57 }, "SY BITS Detune knob" },
        { 37, 0, 800, 2, false, { 200, 77, 100, 54 }, "SY BITS Balance knob" },
        { 37, 0, 800, 5, true, { 492, 57, 116, 20 }, "SY BITS Sample Rate Redux caption, 8 wider each side" },
        { 37, 0, 800, 6, true, { 600, 57, 100, 20 }, "SY BITS Bit Redux caption" },
        { 37, 0, 100, 5, true, { 52, 57, 28, 20 }, "SY BITS widened caption in a 12-wide column" },
        { 37, 0, 800, 7, false, { 700, 77, 100, 57 }, "SY BITS Overdrive" },
        { 37, 0, 805, 7, false, { 700, 77, 100, 57 }, "SY BITS, the 5 spare pixels stay empty" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (c.type, context, c.track));
        ASSERT_NE (panel, nullptr);
        panel->setBounds (0, 0, c.width, 200);
        if (c.caption)
            EXPECT_EQ (panel->getCaption (c.column)->getBounds(), c.bounds);
        else
            EXPECT_EQ (panel->getControlComponents (c.column).at (0)->getBounds(), c.bounds);
    }
}

//==============================================================================
TEST_F (DigitalPanels, HelpTextsReadAsTheyAlwaysHave)
{
    struct Case { int type; int track; size_t column; const char* help; };
    const Case cases[] = {
        { 1, 0, 0, "Offsets the incoming note value. This paramter is bipolar. A setting of 0 leaves the pitch unchanged." },
        { 0, 0, 0, "Offsets the incoming note value. This parameter is bipolar. A setting of 0 leaves the pitch unchanged." },
        { 2, 0, 1, "Sets the amount of tune offset B." },
        { 2, 0, 4, "Sets the amount of tune offset A." },
        { 4, 0, 2, "Adds pseudo-compression and distortion to the sound, which results in something similar to accent. (On, Off)" },
        { 5, 0, 2, "Adds pseudo-compression and distortion to the sound, which results in something similar to accent." },
        { 5, 0, 4, "Sets the unison mode and selects chord. For more information about the MODE settings, please see" },
        { 6, 0, 6, "Sets the length of the Decay time of the modulation envelope." },
        { 7, 0, 4, "Sets the balance between noise (0) and FM body (127). Both will play at equal strength at a value of 64." },
        { 36, 0, 3, "Sets the length of the decay phase of the machines internal amp envelope." },
        { 37, 0, 4,
          "Sets the waveform of the oscillators.  The parameter snaps to the pure waveforms. A value above 64 narrows the duty cycle of the "
          "square waveform. Setting WAVE to 96, and then modulate it with an LFO with DEPTH set to 32 will create full range pulse width "
          "modulation." },
        { 38, 0, 3, "Sets the length of the decay phase of the machine's internal amp envelope." },
        { 38, 0, 7, "Sets the gain amount into the digital overdrive." },
        { 39, rawTrack, 7, "Sets the gain amount into the analog overdrive." },
        { 39, rawTrack, 0, "Sets the tuning of oscillator 1. Value 0 corresponds to note C-2." },
    };
    for (const auto& c : cases)
    {
        auto panel = std::dynamic_pointer_cast<MachinePanel> (createMachinePanel (c.type, context, c.track));
        ASSERT_NE (panel, nullptr);
        auto* tooltip = dynamic_cast<juce::SettableTooltipClient*> (panel->getControlComponents (c.column).at (0));
        ASSERT_NE (tooltip, nullptr);
        EXPECT_EQ (tooltip->getTooltip(), c.help) << c.type << " column " << c.column;
    }
}

//==============================================================================
// A device value of one identifier moves its own column and no other, where
// captions name their parameter otherwise than its identifier.
TEST_F (DigitalPanels, ADeviceValueMovesOnlyItsOwnColumn)
{
    struct Case { int type; const juce::Identifier& id; size_t column; };
    const Case cases[] = {
        { 1, Sound_MCSnareDecay, 3 },      { 2, Sound_MCMetalTuneOffsetB, 1 }, { 2, Sound_MCMetalTuneOffsetA, 4 },
        { 6, Sound_MCSnare2Color, 4 },     { 6, Sound_MCSnare2Sweep, 1 },      { 6, Sound_MCSnare2Contour, 6 },
        { 7, Sound_MCClapShape, 4 },       { 7, Sound_MCClapColor, 5 },        { 7, Sound_MCClapSweep, 1 },
        { 36, Sound_MCToyStructure, 1 },   { 37, Sound_MCBitsSampleRateRedux, 5 }, { 38, Sound_SuperSawDeune, 1 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.id.toString());
        auto panel = build (c.type);
        ASSERT_NE (panel, nullptr);
        std::vector<double> before;
        for (size_t i = 0; i < panel->getTable().columns.size(); ++i)
            before.push_back (dynamic_cast<juce::Slider*> (panel->getControlComponents (i).at (0)) != nullptr
                                  ? dynamic_cast<juce::Slider*> (panel->getControlComponents (i).at (0))->getValue()
                                  : 0.0);
        freshFromDevice (c.id, 0x4000);
        for (size_t i = 0; i < before.size(); ++i)
        {
            auto* slider = dynamic_cast<juce::Slider*> (panel->getControlComponents (i).at (0));
            if (slider == nullptr)
                continue;
            if (i == c.column)
                EXPECT_EQ (slider->getValue(), 64.0);
            else
                EXPECT_EQ (slider->getValue(), before[i]) << "column " << i;
        }
    }
}
} // namespace
