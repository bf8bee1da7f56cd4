// The parameter right-click menu on a real kit without a device: the built
// menus, what a choice writes, how destinations are named for the track's
// machine, the reset through the opener, and openings whose owner goes away.
#include "model/Kit.h"
#include "model/tables/ParameterIds.h"
#include "ui/panels/modulation/ModulationPopupMenu.h"
#include "ui/panels/modulation/ShowModulationPopupMenu.h"

#include "support/TestEnvironment.h"
#include "ui/UiTestSupport.h"
#include "ui/panels/modulation/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace
{
using Lines = std::vector<std::string>;
using menutest::describeMenu;
using menutest::KitValueRecorder;
using menutest::ScopedModalStep;

constexpr int t3 = 2;
constexpr int fxTrack = 12;

// Destination indices of the kit's parameters.
constexpr int filterFrequencyIndex = 28;     // Sound_FilterFrequency "Filter Frequency"
constexpr int ampAttackIndex = 40;           // Sound_AmpAttack "Amp Attack Time"
constexpr int fxFilterFrequencyIndex = 45;   // FX_FilterFrequency
constexpr int fxExtInLevelIndex = 35;        // FX_ExtInInputLevel, and FX_ExtInInputLevelMeta too

class ModulationMenu : public fhtest::AppTest
{
protected:
    // Sets a value as the device would have it before the test looks.
    void preset (MachineDataObject& object, const juce::Identifier& id, int value)
    {
        ASSERT_TRUE (object.setValueFromGui (id, value)) << id.toString();
    }

    Vantu::Sound& sound() { return *kit.getSound (t3); }
    Vantu::Fx& fx() { return kit.getFx(); }

    Vantu::Kit kit { nullptr };
};

Lines topLevelSubMenus (const Lines& menu)
{
    Lines out;
    for (const auto& line : menu)
        if (line.size() > 2 && line.compare (line.size() - 2, 2, " >") == 0)
            out.push_back (line);
    return out;
}
} // namespace

TEST_F (ModulationMenu, SoundParameterMenuNamesEachSlotsTargetForTheTracksMachine)
{
    preset (sound(), Sound_MachineType, 0);                                 // BD MODERN
    preset (sound(), Sound_Lfo1Dest, 20 * 256);                             // its third parameter
    preset (sound(), Sound_Lfo2Dest, 0);                                    // none
    preset (sound(), Vantu::Sound::pitchBendDestinationId (0), ampAttackIndex * 256);
    preset (sound(), Vantu::Sound::pitchBendDestinationId (1), 17 * 256);  // a parameter of other machines
    preset (sound(), Vantu::Sound::pitchBendDestinationId (2), 99 * 256);  // nothing has index 99
    preset (sound(), Vantu::Sound::velocityDestinationId (3), filterFrequencyIndex * 256);
    preset (sound(), Vantu::Sound::aftertouchDestinationId (1), 26 * 256);
    const KitValueRecorder recorder (kit);

    ModulationPopupMenu menu (&kit, t3, true, true);
    menu.setParameterId (Sound_FilterFrequency);
    MachineDataObject::Listener<int, Vantu::Sound> listener (nullptr, &sound(), {});
    ScopedModalStep step;
    showModulationPopupMenu<Vantu::Sound> (sound(), menu, listener);

    ASSERT_EQ (step.shown.size(), 1u);
    EXPECT_EQ (step.shown[0], (Lines {
        "99998 Filter Frequency [disabled]",
        "---",
        "99999 Reset to default value",
        "---",
        "LFO1 >",
        "  20 Destination 1 (BDMD Triangle Mod+Fdbk)",
        "LFO2 >",
        "  30 Destination 1 (None)",
        "Pitch Bend >",
        "  140 Destination 1 (Amp Attack Time)",
        "  141 Destination 2 ()",
        "  142 Destination 3 ()",
        "  143 Destination 4 (None)",
        "Velocity >",
        "  120 Destination 1 (None)",
        "  121 Destination 2 (None)",
        "  122 Destination 3 (None)",
        "  123 Destination 4 (Filter Frequency)",
        "Mod Wheel >",
        "  130 Destination 1 (None)",
        "  131 Destination 2 (None)",
        "  132 Destination 3 (None)",
        "  133 Destination 4 (None)",
        "Breath >",
        "  150 Destination 1 (None)",
        "  151 Destination 2 (None)",
        "  152 Destination 3 (None)",
        "  153 Destination 4 (None)",
        "Aftertouch >",
        "  160 Destination 1 (None)",
        "  161 Destination 2 (BDMD Overdrive)",
        "  162 Destination 3 (None)",
        "  163 Destination 4 (None)",
    }));
    EXPECT_EQ (describeMenu (menu.getMenu()), step.shown[0]);
    EXPECT_EQ (menu.getDestinationValue(), filterFrequencyIndex * 256);
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (ModulationMenu, EffectsBlockMenuNamesEffectsParametersAndLeavesTheSourceSlotsEmpty)
{
    preset (fx(), FX_Lfo1Dest, fxExtInLevelIndex * 256);   // shared by two effects parameters
    preset (fx(), FX_Lfo2Dest, 20 * 256);                   // a machine index on a sound
    // The sound's own slots are never read for the effects block.
    preset (*kit.getSound (11), Vantu::Sound::velocityDestinationId (0), ampAttackIndex * 256);
    const KitValueRecorder recorder (kit);

    ModulationPopupMenu menu (&kit, fxTrack, true, true);
    menu.setParameterId (FX_DelayTime);
    MachineDataObject::Listener<int, Vantu::Fx> listener (nullptr, &fx(), {});
    ScopedModalStep step;
    showModulationPopupMenu<Vantu::Fx> (fx(), menu, listener);

    ASSERT_EQ (step.shown.size(), 1u);
    Lines expected {
        "99998 Delay Delay Time [disabled]",
        "---",
        "99999 Reset to default value",
        "---",
        "LFO1 >",
        "  20 Destination 1 (Ext-in In Left/Right)",
        "LFO2 >",
        "  30 Destination 1 (Delay Feedback Gain)",
    };
    for (const auto& [name, first] : { std::pair { "Pitch Bend", 140 }, { "Velocity", 120 }, { "Mod Wheel", 130 },
                                       { "Breath", 150 }, { "Aftertouch", 160 } })
    {
        expected.push_back (std::string (name) + " >");
        for (int slot = 0; slot < 4; ++slot)
            expected.push_back ("  " + std::to_string (first + slot) + " Destination " + std::to_string (slot + 1) + " ()");
    }
    EXPECT_EQ (step.shown[0], expected);
    EXPECT_EQ (menu.getDestinationValue(), 17 * 256);
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (ModulationMenu, FlagsChooseTheSubMenus)
{
    struct Case { bool lfo; bool midi; Lines subMenus; };
    const Case cases[] = {
        { true, true, { "LFO1 >", "LFO2 >", "Pitch Bend >", "Velocity >", "Mod Wheel >", "Breath >", "Aftertouch >" } },
        { true, false, { "LFO1 >", "LFO2 >" } },
        { false, true, { "Pitch Bend >", "Velocity >", "Mod Wheel >", "Breath >", "Aftertouch >" } },
        { false, false, {} },
    };
    for (const auto& c : cases)
    {
        ModulationPopupMenu menu (&kit, t3, c.lfo, c.midi);
        menu.setParameterId (Sound_AmpAttack);
        menu.buildMenu();
        const auto lines = describeMenu (menu.getMenu());
        EXPECT_EQ (Lines (lines.begin(), lines.begin() + 4),
                   (Lines { "99998 Amp Attack Time [disabled]", "---", "99999 Reset to default value", "---" }));
        EXPECT_EQ (topLevelSubMenus (lines), c.subMenus) << c.lfo << c.midi;
    }
}

TEST_F (ModulationMenu, TitleOfAnUnregisteredParameterIsItsIdentifier)
{
    ModulationPopupMenu menu (&kit, t3, false, false);
    menu.setParameterId (juce::Identifier ("Sound_NotAParameter"));
    menu.buildMenu();
    EXPECT_EQ (describeMenu (menu.getMenu()).front(), "99998 Sound_NotAParameter [disabled]");
}

TEST_F (ModulationMenu, MenuBuiltTwiceHoldsOnlyTheLatestItems)
{
    ModulationPopupMenu menu (&kit, t3, true, false);
    menu.setParameterId (Sound_AmpAttack);
    menu.buildMenu();
    preset (sound(), Sound_Lfo1Dest, filterFrequencyIndex * 256);
    menu.setParameterId (Sound_AmpHold);
    menu.buildMenu();
    const auto lines = describeMenu (menu.getMenu());
    ASSERT_EQ (lines.size(), 8u);
    EXPECT_EQ (lines[0], "99998 Amp Hold Time [disabled]");
    EXPECT_EQ (lines[5], "  20 Destination 1 (Filter Frequency)");
}

//==============================================================================
// What a chosen item writes: the parameter's destination index × 256 into the
// item's destination parameter, on a sound and on the effects block.
TEST_F (ModulationMenu, ChoiceWritesTheParametersIndexToTheItemsDestination)
{
    struct Case { int result; const char* soundWrite; const char* fxWrite; };
    const Case cases[] = {
        { 0, nullptr, nullptr },
        { 20, "T3 Sound_Lfo1Dest=7168", "FX FX_Lfo1Dest=11520" },
        { 30, "T3 Sound_Lfo2Dest=7168", "FX FX_Lfo2Dest=11520" },
        { 120, "T3 Sound_VelocityADestination=7168", nullptr },
        { 121, "T3 Sound_VelocityBDestination=7168", nullptr },
        { 122, "T3 Sound_VelocityCDestination=7168", nullptr },
        { 123, "T3 Sound_VelocityDDestination=7168", nullptr },
        { 130, "T3 Sound_ModWheelADestination=7168", nullptr },
        { 131, "T3 Sound_ModWheelBDestination=7168", nullptr },
        { 132, "T3 Sound_ModWheelCDestination=7168", nullptr },
        { 133, "T3 Sound_ModWheelDDestination=7168", nullptr },
        { 140, "T3 Sound_PitchBendADestination=7168", nullptr },
        { 141, "T3 Sound_PitchBendBDestination=7168", nullptr },
        { 142, "T3 Sound_PitchBendCDestination=7168", nullptr },
        { 143, "T3 Sound_PitchBendDDestination=7168", nullptr },
        { 150, "T3 Sound_BreathADestination=7168", nullptr },
        { 151, "T3 Sound_BreathBDestination=7168", nullptr },
        { 152, "T3 Sound_BreathCDestination=7168", nullptr },
        { 153, "T3 Sound_BreathDDestination=7168", nullptr },
        { 160, "T3 Sound_AftertouchADestination=7168", nullptr },
        { 161, "T3 Sound_AftertouchBDestination=7168", nullptr },
        { 162, "T3 Sound_AftertouchCDestination=7168", nullptr },
        { 163, "T3 Sound_AftertouchDDestination=7168", nullptr },
        { 99998, nullptr, nullptr },
        { 99999, nullptr, nullptr },
        // Unknown ids.
        { 124, nullptr, nullptr },
        { 129, nullptr, nullptr },
        { 170, nullptr, nullptr },
        { 10, nullptr, nullptr },
        { 110, nullptr, nullptr },
        { -20, nullptr, nullptr },
        { 99997, nullptr, nullptr },
    };

    for (const auto& c : cases)
    {
        for (const bool onFx : { false, true })
        {
            Vantu::Kit freshKit { nullptr };
            ModulationPopupMenu menu (&freshKit, onFx ? fxTrack : t3, true, true);
            menu.setParameterId (onFx ? FX_FilterFrequency : Sound_FilterFrequency);
            const KitValueRecorder recorder (freshKit);
            fhtest::ScopedLogCapture log;

            menu.handleMenuResult (c.result);

            const char* expected = onFx ? c.fxWrite : c.soundWrite;
            EXPECT_EQ (recorder.writes(), expected != nullptr ? Lines { expected } : Lines {})
                << c.result << (onFx ? " on the effects block" : " on a sound");

            // The effects block holds no MIDI-source destination: it refuses the
            // write and says so.
            const bool refusedOnFx = onFx && c.result >= 120 && c.result <= 163 && c.result % 10 < 4;
            EXPECT_EQ (log.contains ("unknown id Sound_"), refusedOnFx) << c.result;
        }
    }
}

TEST_F (ModulationMenu, ChoiceForAParameterWithoutDestinationIndexWritesNothing)
{
    const juce::Identifier parameters[] = {
        juce::Identifier ("Sound_NotAParameter"),   // not registered
        juce::Identifier(),                         // none chosen yet
        Sound_Portamento_Type,                      // registered, without a destination index
        FX_DelayTime,                               // the effects block's, not the sound's
    };
    for (const auto& id : parameters)
    {
        ModulationPopupMenu menu (&kit, t3, true, true);
        menu.setParameterId (id);
        const KitValueRecorder recorder (kit);
        for (const int result : { 20, 30, 120, 163 })
            menu.handleMenuResult (result);
        EXPECT_TRUE (recorder.writes().empty()) << id.toString();
    }
}

//==============================================================================
TEST_F (ModulationMenu, DestinationNamesFollowTheTracksMachine)
{
    struct Case
    {
        const char* what;
        int track;
        juce::Identifier destination;
        int machineType;              // of T3; -1 leaves it
        std::optional<int> value;     // of the destination; none leaves it
        const char* expected;
    };
    const Case cases[] = {
        { "the current machine's third parameter", t3, Sound_Lfo1Dest, 0, 20 * 256, "BDMD Triangle Mod+Fdbk" },
        { "fraction bits ignored", t3, Sound_Lfo1Dest, 0, 20 * 256 + 255, "BDMD Triangle Mod+Fdbk" },
        { "renamed for another machine", t3, Sound_Lfo1Dest, 8, 20 * 256, "BDHD Hold Time" },
        { "renamed for a four-parameter machine", t3, Sound_Lfo1Dest, 22, 20 * 256, "CHCL Noise Color" },
        { "a machine without that index", t3, Sound_Lfo1Dest, 22, 23 * 256, "" },
        { "another machine's index", t3, Sound_Lfo1Dest, 0, 17 * 256, "" },
        { "a machine without parameters", t3, Sound_Lfo1Dest, 34, 20 * 256, "" },
        { "the MIDI machine", t3, Sound_Lfo1Dest, 35, 20 * 256, "" },
        { "a machine type outside the table", t3, Sound_Lfo1Dest, 77, 20 * 256, "" },
        { "a parameter outside the machines", t3, Sound_Lfo1Dest, 0, ampAttackIndex * 256, "Amp Attack Time" },
        { "outside the machines after a change", t3, Sound_Lfo1Dest, 34, ampAttackIndex * 256, "Amp Attack Time" },
        { "the no-destination value", t3, Sound_Lfo1Dest, 0, 0, "None" },
        { "an index nothing has", t3, Sound_Lfo1Dest, 0, 99 * 256, "" },
        { "a negative value", t3, Sound_Lfo1Dest, 0, -256, "" },
        { "a MIDI-source slot", t3, Vantu::Sound::breathDestinationId (2), 0, 19 * 256, "BDMD Square Modulation" },
        { "unset: the effects block's destination on a sound", t3, FX_Lfo1Dest, 0, std::nullopt, "" },
        { "unset: no identifier", t3, juce::Identifier(), 0, std::nullopt, "" },
        { "effects block: shared index named as its group offers it", fxTrack, FX_Lfo1Dest, -1, fxExtInLevelIndex * 256,
          "Ext-in In Left/Right" },
        { "effects block: never a machine parameter", fxTrack, FX_Lfo1Dest, 0, 20 * 256, "Delay Feedback Gain" },
        { "effects block: an index nothing has", fxTrack, FX_Lfo2Dest, -1, 26 * 256, "" },
        { "effects block: the no-destination value", fxTrack, FX_Lfo2Dest, -1, 0, "None" },
        { "effects block: a sound's slot is unset there", fxTrack, Vantu::Sound::velocityDestinationId (0), -1,
          std::nullopt, "" },
    };

    for (const auto& c : cases)
    {
        Vantu::Kit freshKit { nullptr };
        auto& object = c.track == fxTrack ? static_cast<MachineDataObject&> (freshKit.getFx())
                                          : static_cast<MachineDataObject&> (*freshKit.getSound (c.track));
        if (c.machineType >= 0)
            freshKit.getSound (t3)->setValueFromGui (Sound_MachineType, c.machineType);
        if (c.value.has_value())
        {
            ASSERT_TRUE (object.setValueFromGui (c.destination, *c.value)) << c.what;
        }

        const ModulationPopupMenu menu (&freshKit, c.track, true, true);
        EXPECT_EQ (menu.getDestinationName (c.destination).toStdString(), c.expected) << c.what;
    }
}

TEST_F (ModulationMenu, DataObjectIsTheTracksSoundClampedOrTheEffectsBlock)
{
    struct Case { int track; MachineDataObject* expected; };
    const Case cases[] = {
        { 0, kit.getSound (0) },
        { 5, kit.getSound (5) },
        { 11, kit.getSound (11) },
        { 12, &kit.getFx() },
        { 13, kit.getSound (11) },
        { 100, kit.getSound (11) },
        { -1, kit.getSound (0) },
    };
    for (const auto& c : cases)
        EXPECT_EQ (ModulationPopupMenu (&kit, c.track, true, true).getDataObject(), c.expected) << c.track;

    ModulationPopupMenu withoutKit (nullptr, 0, true, true);
    EXPECT_EQ (withoutKit.getDataObject(), nullptr);
    withoutKit.setParameterId (Sound_AmpAttack);
    withoutKit.buildMenu();
    EXPECT_EQ (describeMenu (withoutKit.getMenu())[0], "99998 Sound_AmpAttack [disabled]");
    withoutKit.handleMenuResult (20);
}

//==============================================================================
// "Reset to default value" is the opener's: it writes the parameter's default,
// unchanged, through the listener's data object.
TEST_F (ModulationMenu, ResetWritesTheDefaultOnlyThroughTheOpener)
{
    int soundDefault = 0, fxDefault = 0;
    ASSERT_TRUE (sound().getDefaultValue (Sound_FilterFrequency, soundDefault));
    ASSERT_TRUE (fx().getDefaultValue (FX_DelayTime, fxDefault));
    preset (sound(), Sound_FilterFrequency, soundDefault + 256);
    preset (fx(), FX_DelayTime, fxDefault + 256);

    ScopedModalStep step ([] { return ModulationPopupMenu::resetItemId; });

    {
        ModulationPopupMenu menu (&kit, t3, true, true);
        menu.setParameterId (Sound_FilterFrequency);
        const KitValueRecorder recorder (kit);
        menu.handleMenuResult (ModulationPopupMenu::resetItemId);
        EXPECT_EQ (menu.showMenu(), ModulationPopupMenu::resetItemId);
        EXPECT_TRUE (recorder.writes().empty()) << "the menu itself never resets";

        MachineDataObject::Listener<int, Vantu::Sound> listener (nullptr, &sound(), {});
        showModulationPopupMenu<Vantu::Sound> (sound(), menu, listener);
        EXPECT_EQ (recorder.writes(), Lines { "T3 Sound_FilterFrequency=" + std::to_string (soundDefault) });
    }
    {
        // The effect panels' listeners watch the effects block; a listener of
        // the base class works alike.
        ModulationPopupMenu menu (&kit, fxTrack, true, false);
        menu.setParameterId (FX_DelayTime);
        const KitValueRecorder recorder (kit);
        MachineDataObject::Listener<int, MachineDataObject> listener (nullptr, &fx(), {});
        showModulationPopupMenu<MachineDataObject> (fx(), menu, listener);
        EXPECT_EQ (recorder.writes(), Lines { "FX FX_DelayTime=" + std::to_string (fxDefault) });
    }
    EXPECT_EQ (step.shown.size(), 3u);
}

namespace
{
// A data object that registers a parameter with a destination index but has no defaults.
class ObjectWithoutDefaults : public Vantu::VantuDataObject
{
public:
    ObjectWithoutDefaults() { addParameter (Sound_FilterFrequency, 0, { 0, 32512 }, -1, filterFrequencyIndex, 0); }
    ~ObjectWithoutDefaults() override { stopTransmitThread(); }

    bool getDefaultValue (const juce::Identifier&, int&) const override { return false; }
    bool sendParameterChange (const juce::Identifier&, int) override { return false; }
    bool transmitParameter (const juce::Identifier&) override { return false; }
};
} // namespace

TEST_F (ModulationMenu, ResetWithoutDefaultParameterInformationOrWatchedObjectWritesNothing)
{
    preset (sound(), Sound_FilterFrequency, 1234);
    preset (sound(), Sound_MachineType, 0);
    ObjectWithoutDefaults withoutDefaults;
    MachineDataObject::Listener<int, Vantu::Sound> soundListener (nullptr, &sound(), {});
    MachineDataObject::Listener<int, Vantu::Sound> watchingNothing (nullptr, nullptr, {});

    struct Case
    {
        const char* what;
        MachineDataObject* object;
        juce::Identifier parameter;
        MachineDataObject::Listener<int, Vantu::Sound>* listener;
        size_t menusShown;
    };
    const Case cases[] = {
        { "no default", &withoutDefaults, Sound_FilterFrequency, &soundListener, 1 },
        { "listener watches no object", &sound(), Sound_FilterFrequency, &watchingNothing, 1 },
        { "no parameter information: no menu", &sound(), juce::Identifier ("Sound_NotAParameter"), &soundListener, 0 },
        { "no parameter chosen: no menu", &sound(), juce::Identifier(), &soundListener, 0 },
        { "a machine parameter that the effects block does not hold: no menu", &fx(), Sound_MCKickDecay, &soundListener, 0 },
    };
    for (const auto& c : cases)
    {
        ScopedModalStep step ([] { return ModulationPopupMenu::resetItemId; });
        ModulationPopupMenu menu (&kit, t3, true, true);
        menu.setParameterId (c.parameter);
        const KitValueRecorder recorder (kit);
        showModulationPopupMenu<Vantu::Sound> (*c.object, menu, *c.listener);
        EXPECT_TRUE (recorder.writes().empty()) << c.what;
        EXPECT_EQ (step.shown.size(), c.menusShown) << c.what;
    }
}

TEST_F (ModulationMenu, ChoiceThroughTheOpenerIsAppliedOnce)
{
    ScopedModalStep step ([] { return 121; });
    ModulationPopupMenu menu (&kit, t3, true, true);
    menu.setParameterId (Sound_AmpAttack);
    MachineDataObject::Listener<int, Vantu::Sound> listener (nullptr, &sound(), {});
    const KitValueRecorder recorder (kit);
    showModulationPopupMenu<Vantu::Sound> (sound(), menu, listener);
    EXPECT_EQ (recorder.writes(), Lines { "T3 Sound_VelocityBDestination=" + std::to_string (ampAttackIndex * 256) });
}

//==============================================================================
namespace
{
// A panel as the machine panels are: it watches its sound and holds its menu by value.
struct OwningPanel : juce::Component, MachineDataObject::Listener<int, Vantu::Sound>
{
    OwningPanel (Vantu::Kit& kit, int track)
        : MachineDataObject::Listener<int, Vantu::Sound> (nullptr, kit.getSound (track), {}),
          menu (&kit, track, true, true)
    {
        menu.setParameterId (Sound_AmpAttack);
    }

    ModulationPopupMenu menu;
};
} // namespace

// The host may close the editor while the modal loop runs; the menu then
// touches nothing of itself or its owner (the address-sanitizer build checks).
TEST_F (ModulationMenu, OwnerDestroyedWhileTheMenuIsOpenIsNotTouchedAfterwards)
{
    for (const int answer : { ModulationPopupMenu::resetItemId, 20, 123, 0 })
    {
        for (const bool throughOpener : { true, false })
        {
            auto panel = std::make_unique<OwningPanel> (kit, t3);
            ScopedModalStep step ([&panel, answer] {
                panel.reset();
                return answer;
            });
            const KitValueRecorder recorder (kit);
            auto& menu = panel->menu;

            if (throughOpener)
                showModulationPopupMenu<Vantu::Sound> (sound(), menu, *panel);
            else
                EXPECT_EQ (menu.showMenu(), 0) << answer;

            EXPECT_TRUE (panel == nullptr);
            EXPECT_EQ (step.shown.size(), 1u);
            EXPECT_TRUE (recorder.writes().empty()) << answer << throughOpener;
        }
    }
}

//==============================================================================
namespace
{
// Message thread: dismisses every pop-up menu that it finds open.
class MenuDismisser : public juce::Timer
{
public:
    MenuDismisser() { startTimer (50); }

    void timerCallback() override
    {
        if (juce::PopupMenu::dismissAllActiveMenus())
            ++dismissals;
    }

    int dismissals = 0;
};
} // namespace

TEST_F (ModulationMenu, RealMenuClosedWithoutChoiceIsDismissedAndWritesNothing)
{
    OwningPanel panel (kit, t3);
    const KitValueRecorder recorder (kit);
    MenuDismisser dismisser;

    EXPECT_EQ (panel.menu.showMenu(), 0);
    EXPECT_EQ (dismisser.dismissals, 1);
    showModulationPopupMenu (sound(), panel.menu, panel);
    EXPECT_EQ (dismisser.dismissals, 2);
    EXPECT_TRUE (recorder.writes().empty());
}
