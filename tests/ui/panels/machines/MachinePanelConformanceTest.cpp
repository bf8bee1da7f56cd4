// Every column of every machine panel against a table typed from the panels'
// descriptions, apart from the panel tables themselves: what the column shows,
// that each user edit its control takes writes once in the family's encoding,
// that a device value is shown and never written back, and the double-click
// value.
#include "../PanelTestSupport.h"
#include "../modulation/MenuTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/MachinePanel.h"
#include "ui/panels/machines/MachinePanelFactory.h"

#include <functional>
#include <string>
#include <vector>

using namespace paneltest;

namespace
{
struct ExpectedColumn
{
    const char* caption;
    const juce::Identifier& id;
    ControlKind kind;
};

struct ExpectedPanel
{
    const char* name;
    int type;
    int track;
    bool digital;
    std::vector<ExpectedColumn> columns;
};

std::vector<ExpectedPanel> expectedPanels()
{
    return {
        { "SdClassic", 15, 8, false,
          {
              { "Tune", Sound_SdClassicTune, ControlKind::tune },
              { "Detune", Sound_SdClassicDetune, ControlKind::unipolar },
              { "Osc Balance", Sound_SdClassicOscBalance, ControlKind::bipolar },
              { "Decay Time", Sound_SdClassicDecayTime, ControlKind::unipolar },
              { "Snap Amount", Sound_SdClassicSnapAmount, ControlKind::unipolar },
              { "Noise Decay", Sound_SdClassicNoiseDecay, ControlKind::unipolar },
              { "Noise Level", Sound_SdClassicNoiseLevel, ControlKind::unipolar },
              { "Overdrive", Sound_SdClassicLevel, ControlKind::overdrive },
          } },
        { "BdModern", 0, 2, true,
          {
              { "Tune", Sound_MCKickTune, ControlKind::tune },
              { "Pitch Sweep", Sound_MCMachinePitchSweep, ControlKind::unipolar },
              { "Punch", Sound_MCKickPunch, ControlKind::onOff },
              { "Decay", Sound_MCKickDecay, ControlKind::unipolar },
              { "Square Mod", Sound_MCKickSquareModulation, ControlKind::unipolar },
              { "Mod+Fdbk", Sound_MCKickTriangleModFdbk, ControlKind::unipolar },
              { "Modulation Env", Sound_MCMachineModulationEnv, ControlKind::unipolar },
              { "Overdrive", Sound_MCKickLevel, ControlKind::overdrive },
          } },
    };
}

// A device value per kind and what the control shows for it.
struct DeviceCase
{
    int value;
    double shown;
};

DeviceCase deviceCaseFor (ControlKind kind, bool digital)
{
    switch (kind)
    {
        case ControlKind::bipolar: return { 0x4A00, 10.0 };
        case ControlKind::tune: return { 0x4123, 0x123 };
        case ControlKind::onOff: return { 0x80, digital ? 1.0 : 0.0 };
        default: return { 0x2B40, 43.0 };
    }
}

// What a number typed into the control's value box sets it to.
struct TypedCase
{
    const char* text;
    double value;
};

TypedCase typedCaseFor (ControlKind kind)
{
    switch (kind)
    {
        case ControlKind::bipolar: return { "-10", -10.0 };
        case ControlKind::tune: return { "1.5", 384.0 };
        case ControlKind::overdrive: return { "12.7", 12.7 };
        default: return { "42", 42.0 };
    }
}

juce::Label* valueBoxOf (juce::Component& control)
{
    if (auto* fine = dynamic_cast<UniHighResKnob*> (&control))
        return &fine->getOwnLabel();
    if (auto* knob = dynamic_cast<BaseKnob*> (&control))
        return &knob->getValueLabel();
    for (auto* child : control.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            return label;
    return nullptr;
}

double shownValue (juce::Component& control)
{
    if (auto* slider = dynamic_cast<juce::Slider*> (&control))
        return slider->getValue();
    if (auto* button = dynamic_cast<juce::Button*> (&control))
        return button->getToggleState() ? 1.0 : 0.0;
    ADD_FAILURE() << "a control that is neither a slider nor a button";
    return 0.0;
}

class MachinePanelConformance : public PanelTest, public ::testing::WithParamInterface<ExpectedPanel>
{
protected:
    MachinePanelConformance() : PanelTest (GetParam().track)
    {
        auto made = createMachinePanel (GetParam().type, context, GetParam().track);
        panel = std::dynamic_pointer_cast<MachinePanel> (made);
        if (panel == nullptr)
            return;
        panel->setBounds (0, 0, 800, 200);
        poll();
        recorder.clear();
    }

    juce::Component& controlOf (size_t column) { return *panel->getControlComponents (column).at (0); }

    // Puts the control at the device value silently, so an edit starts from it.
    void startFrom (const ExpectedColumn& column, int deviceValue)
    {
        poll();   // takes in the last edit's write, so the device value below is a change
        recorder.showFromDevice (column.id, deviceValue);
        poll();
        recorder.clear();
    }

    // Runs one edit and expects exactly one write: the family's encoding of the
    // value the control then shows.
    void expectOneWrite (const ExpectedColumn& column, size_t index, const char* editName, const std::function<void()>& edit)
    {
        SCOPED_TRACE (editName);
        auto& control = controlOf (index);
        const double before = shownValue (control);
        edit();
        const double after = shownValue (control);
        EXPECT_NE (after, before) << "the edit changed nothing";
        ASSERT_EQ (recorder.writes().size(), 1u);
        EXPECT_EQ (recorder.writes()[0], (Write { column.id, ValueMapping::toDevice (column.kind, after) }));
        recorder.clear();
    }

    std::shared_ptr<MachinePanel> panel;
};

TEST_P (MachinePanelConformance, ColumnsShowTheTablesCaptionsKindsAndIdentifiers)
{
    ASSERT_NE (panel, nullptr);
    const auto& expected = GetParam().columns;
    ASSERT_EQ (panel->getSpec().columns.size(), expected.size());

    for (size_t i = 0; i < expected.size(); ++i)
    {
        SCOPED_TRACE (expected[i].caption);
        ASSERT_NE (panel->getCaption (i), nullptr);
        EXPECT_EQ (panel->getCaption (i)->getText(), expected[i].caption);

        auto& control = controlOf (i);
        const auto centre = control.getScreenBounds().getCentre();
        auto* binding = panel->findBindingAt (centre);
        ASSERT_NE (binding, nullptr);
        EXPECT_EQ (binding->getIdentifier(), expected[i].id);
        EXPECT_EQ (binding->getKind(), expected[i].kind);

        switch (expected[i].kind)
        {
            case ControlKind::tune: EXPECT_NE (dynamic_cast<UniHighResKnob*> (&control), nullptr); break;
            case ControlKind::unipolar: EXPECT_NE (dynamic_cast<UnidirectionalKnob*> (&control), nullptr); break;
            case ControlKind::bipolar: EXPECT_NE (dynamic_cast<DuodirectionalKnob*> (&control), nullptr); break;
            case ControlKind::overdrive: EXPECT_NE (dynamic_cast<OverdriveSlider*> (&control), nullptr); break;
            case ControlKind::onOff: EXPECT_NE (dynamic_cast<LabeledOnOffButton*> (&control), nullptr); break;
            default: ADD_FAILURE() << "no such kind in the tables yet";
        }
    }
}

TEST_P (MachinePanelConformance, EveryUserEditWritesOnceInTheFamilysEncoding)
{
    ASSERT_NE (panel, nullptr);
    setWheelPreference (true);
    const auto& expected = GetParam().columns;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        const auto& column = expected[i];
        SCOPED_TRACE (column.caption);
        auto& control = controlOf (i);
        const auto start = deviceCaseFor (column.kind, GetParam().digital).value;

        if (column.kind == ControlKind::onOff)
        {
            startFrom (column, 0);
            expectOneWrite (column, i, "click on", [&] { edit::click (control); });
            expectOneWrite (column, i, "click off", [&] { edit::click (control); });
            continue;
        }

        startFrom (column, start);
        expectOneWrite (column, i, "drag", [&] { edit::drag (control, 20.0f); });

        startFrom (column, start);
        if (column.kind == ControlKind::overdrive && GetParam().digital)
        {
            edit::wheel (control, 0.5f);
            EXPECT_EQ (shownValue (control), ValueMapping::toControl (column.kind, start)) << "the wheel moved the slider";
            EXPECT_TRUE (recorder.writes().empty()) << "the wheel wrote";
        }
        else
        {
            expectOneWrite (column, i, "wheel", [&] { edit::wheel (control, 0.5f); });
        }

        startFrom (column, start);
        const auto typed = typedCaseFor (column.kind);
        expectOneWrite (column, i, "typed value", [&] {
            auto* box = valueBoxOf (control);
            ASSERT_NE (box, nullptr);
            box->setText (typed.text, juce::sendNotificationSync);
        });
        EXPECT_NEAR (shownValue (control), typed.value, 0.01);

        const double resetTo = ValueMapping::toControl (column.kind, defaultOf (column.id));
        ASSERT_NE (ValueMapping::toControl (column.kind, start), resetTo) << "pick a start value away from the default";

        startFrom (column, start);
        expectOneWrite (column, i, "double-click", [&] { edit::doubleClick (control); });
        EXPECT_EQ (shownValue (control), resetTo);

        startFrom (column, start);
        expectOneWrite (column, i, "Alt-click", [&] { edit::altClick (control); });
        EXPECT_EQ (shownValue (control), resetTo);
    }
}

TEST_P (MachinePanelConformance, DeviceValuesAreShownAndNeverWritten)
{
    ASSERT_NE (panel, nullptr);
    const auto& expected = GetParam().columns;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        SCOPED_TRACE (expected[i].caption);
        const auto device = deviceCaseFor (expected[i].kind, GetParam().digital);
        recorder.showFromDevice (expected[i].id, device.value);
        poll();
        EXPECT_EQ (shownValue (controlOf (i)), device.shown);
    }

    pump();
    EXPECT_TRUE (recorder.writes().empty());
    for (const auto& column : expected)
        EXPECT_EQ (valueOf (column.id), deviceCaseFor (column.kind, GetParam().digital).value) << column.caption;
}

TEST_P (MachinePanelConformance, DoubleClickValuesComeFromTheDefaults)
{
    ASSERT_NE (panel, nullptr);
    const auto& expected = GetParam().columns;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        SCOPED_TRACE (expected[i].caption);
        auto* slider = dynamic_cast<juce::Slider*> (&controlOf (i));
        if (slider == nullptr)
            continue;
        EXPECT_TRUE (slider->isDoubleClickReturnEnabled());
        EXPECT_EQ (slider->getDoubleClickReturnValue(), ValueMapping::toControl (expected[i].kind, defaultOf (expected[i].id)));
    }
}

TEST_P (MachinePanelConformance, ARightClickOpensTheMenuOfTheControlsParameterAndResetWritesItsDefault)
{
    ASSERT_NE (panel, nullptr);
    ShownWindow window;
    window.addAndMakeVisible (*panel);
    const auto& expected = GetParam().columns;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        const auto& column = expected[i];
        SCOPED_TRACE (column.caption);
        recorder.showFromDevice (column.id, deviceCaseFor (column.kind, GetParam().digital).value);
        poll();
        recorder.clear();

        menutest::ScopedModalStep step ([] { return ModulationPopupMenu::resetItemId; });
        const auto at = window.getLocalPoint (&controlOf (i), controlOf (i).getLocalBounds().getCentre());
        edit::clickThroughPeer (window, at, edit::left);
        EXPECT_TRUE (step.shown.empty()) << "a left click opened the menu";
        recorder.clear();
        poll();
        recorder.showFromDevice (column.id, deviceCaseFor (column.kind, GetParam().digital).value);
        poll();

        edit::clickThroughPeer (window, at, edit::right);
        ASSERT_EQ (step.shown.size(), 1u);
        EXPECT_EQ (panel->getModulationMenu().getParameterId(), column.id);
        EXPECT_EQ (step.shown[0].at (0), "99998 " + object.getParameterName (column.id).toStdString() + " [disabled]");
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { column.id, defaultOf (column.id) } })) << "the default, unchanged";
    }
}

TEST_P (MachinePanelConformance, APanelDestroyedWhileItsMenuIsOpenIsNotTouchedAfterwards)
{
    ASSERT_NE (panel, nullptr);
    ShownWindow window;
    window.addAndMakeVisible (*panel);
    const auto& column = GetParam().columns.at (1);
    auto& control = controlOf (1);
    const auto at = window.getLocalPoint (&control, control.getLocalBounds().getCentre());

    menutest::ScopedModalStep step ([this] {
        panel.reset();
        return ModulationPopupMenu::resetItemId;
    });
    edit::clickThroughPeer (window, at, edit::right);

    EXPECT_EQ (panel, nullptr);
    EXPECT_EQ (step.shown.size(), 1u);
    EXPECT_TRUE (recorder.writes().empty()) << column.caption;
}

INSTANTIATE_TEST_SUITE_P (MachineTypes, MachinePanelConformance, ::testing::ValuesIn (expectedPanels()),
                          [] (const ::testing::TestParamInfo<ExpectedPanel>& info) { return std::string (info.param.name); });
} // namespace
