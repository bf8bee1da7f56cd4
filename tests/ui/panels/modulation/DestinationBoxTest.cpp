// The destination boxes on a real kit without a worker: the groups of each
// kind, the root menus they build, what a choice writes, how device values and
// machine changes show, and the drawing of the "None" item.
#include "model/tables/ParameterIds.h"
#include "ui/panels/modulation/DestinationBox.h"
#include "ui/panels/modulation/DestinationGroups.h"
#include "ui/panels/modulation/ItalicComponent.h"

#include "support/TestEnvironment.h"
#include "ui/panels/PanelTestSupport.h"
#include "ui/panels/modulation/MenuTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
using Lines = std::vector<std::string>;
using paneltest::Write;
using menutest::describeMenu;

constexpr int t1 = 0;
constexpr int t9 = 8;
constexpr int fxTrack = 12;

constexpr int bdModern = 0;
constexpr int bdHard = 8;
constexpr int chClassic = 22;   // four parameters
constexpr int disable = 34;

constexpr int filterFrequencyIndex = 28;   // Sound_FilterFrequency
constexpr int ampAttackIndex = 40;         // Sound_AmpAttack

Lines rootMenuOf (DestinationBox& box) { return describeMenu (*box.getComboBox().getRootMenu()); }

// The submenu titles and the "None" line of a root menu.
Lines topLevelOf (const Lines& lines)
{
    Lines out;
    for (const auto& line : lines)
        if (line.rfind ("  ", 0) != 0)
            out.push_back (line);
    return out;
}

class DestinationBoxTest : public paneltest::PanelTest
{
protected:
    explicit DestinationBoxTest (int track = t1) : PanelTest (track) {}

    std::unique_ptr<DestinationBox> makeBox (const juce::Identifier& id, int kind)
    {
        auto box = std::make_unique<DestinationBox> (context, &object, id, trackIndex == fxTrack);
        box->setKind (kind);
        box->setSize (200, 28);
        return box;
    }

    void fromDevice (const juce::Identifier& id, int value)
    {
        recorder.showFromDevice (id, value);
        poll();
    }

    // The user picks an item of the open menu.
    static void choose (DestinationBox& box, int itemId)
    {
        box.getComboBox().setSelectedId (itemId, juce::sendNotificationSync);
    }
};

class FxDestinationBoxTest : public DestinationBoxTest
{
protected:
    FxDestinationBoxTest() : DestinationBoxTest (fxTrack) {}
};

class AnalogDestinationBoxTest : public DestinationBoxTest
{
protected:
    AnalogDestinationBoxTest() : DestinationBoxTest (t9) {}
};
} // namespace

TEST (DestinationGroups, EachKindListsItsGroupsInMenuOrder)
{
    const std::vector<std::pair<int, std::vector<int>>> cases {
        { 0, { 8, 4, 1 } },
        { 1, { 16, 8, 4, 1 } },
        { 2, { 8, 2, 1 } },
        { 3, { 16, 8, 2, 1 } },
        { 4, { 16, 32, 8, 4, 1 } },
        { 5, { 16, 32, 8, 2, 1 } },
        { 6, { 64, 128, 512, 2, 1 } },
        { 7, { 16, 64, 128, 512, 2, 1 } },
        { 8, { 16, 32, 64, 128, 512, 2, 1 } },
        { 9, {} },
        { -1, {} },
    };
    for (const auto& [kind, groups] : cases)
        EXPECT_EQ (getDestinationGroups (kind), groups) << "kind " << kind;
}

TEST (DestinationGroups, MachineGroupIsTitledWithTheMixedCaseMachineNameOrError)
{
    const std::vector<std::tuple<int, int, std::string>> cases {
        { 1, 0, "Amp" },
        { 4, 0, "Filter" },
        { 512, 0, "Ext-In" },
        { 8, bdModern, "BD Modern" },
        { 8, 40, "ERROR" },
        { 8, -1, "ERROR" },
        { 3, 0, "Error" },
    };
    for (const auto& [group, machine, name] : cases)
        EXPECT_EQ (getDestinationGroupName (group, machine).toStdString(), name) << group << " " << machine;

    EXPECT_TRUE (getDestinationGroupIds (8, false, 40).empty());
    EXPECT_TRUE (getDestinationGroupIds (8, true, bdModern).empty());
    EXPECT_TRUE (getDestinationGroupIds (64, false, 0).empty());
    EXPECT_EQ (getDestinationGroupIds (4, false, 0).size(), 11u);
    EXPECT_EQ (getDestinationGroupIds (2, false, 0).size(), 9u);
}

TEST_F (DestinationBoxTest, MidiSourceBoxOfADigitalTrackOffersItsGroupsForTheMachine)
{
    recorder.showFromDevice (Sound_MachineType, bdModern);
    recorder.showFromDevice (Sound_VelocityADestination, filterFrequencyIndex * 256);
    auto box = makeBox (Sound_VelocityADestination, 4);

    const auto lines = rootMenuOf (*box);
    EXPECT_EQ (topLevelOf (lines), (Lines { "1 None", "Lfo1 >", "Lfo2 >", "BD Modern >", "Filter > [ticked]", "Amp >" }));
    EXPECT_NE (std::find (lines.begin(), lines.end(), "  29 Filter Frequency [ticked]"), lines.end());
    const auto filter = std::find (lines.begin(), lines.end(), "Filter > [ticked]");
    EXPECT_EQ (std::find (filter, lines.end(), "Amp >") - filter, 1 + 11) << "the filter group with base and width";
}

TEST_F (AnalogDestinationBoxTest, Lfo2BoxOfAnAnalogTrackOffersItsGroupsForTheMachine)
{
    recorder.showFromDevice (Sound_MachineType, bdHard);
    auto box = makeBox (Sound_Lfo2Dest, 3);
    const auto lines = rootMenuOf (*box);
    EXPECT_EQ (topLevelOf (lines), (Lines { "1 None", "Lfo1 >", "BD Hard >", "Filter >", "Amp >" }));
    const Lines machineGroup (std::find (lines.begin(), lines.end(), "BD Hard >"), std::find (lines.begin(), lines.end(), "Filter >"));
    EXPECT_EQ (machineGroup, (Lines { "BD Hard >", "  18 BDHD Overdrive", "  19 BDHD Tune", "  20 BDHD Decay Time",
                                      "  21 BDHD Hold Time", "  22 BDHD Sweep Time", "  23 BDHD Snap Amount",
                                      "  24 BDHD Waveform", "  25 BDHD Tick Level" }));
    EXPECT_EQ (std::count_if (lines.begin(), lines.end(), [] (const std::string& l) { return l.rfind ("  ", 0) == 0; }), 7 + 8 + 9 + 12);
}

TEST_F (FxDestinationBoxTest, Lfo2BoxOfTheEffectsBlockOffersItsGroups)
{
    auto box = makeBox (FX_Lfo2Dest, 7);
    const auto lines = rootMenuOf (*box);
    EXPECT_EQ (topLevelOf (lines), (Lines { "1 None", "Lfo1 >", "Delay >", "Reverb >", "Ext-In >", "Filter >", "Amp >" }));
    const Lines extIn (std::find (lines.begin(), lines.end(), "Ext-In >"), std::find (lines.begin(), lines.end(), "Filter >"));
    EXPECT_EQ (extIn, (Lines { "Ext-In >", "  36 Ext-in In Left/Right", "  38 Ext-in Balance", "  39 Ext-in Delay Send",
                               "  41 Ext-in Reverb Send", "  44 Ext-in In FX Routing" }));
    EXPECT_EQ (std::find (lines.begin(), lines.end(), "Dist >"), lines.end());
}

TEST_F (DestinationBoxTest, ChoosingAnItemWritesItsIndexOnceAndTicksItAtTheNextOpening)
{
    recorder.showFromDevice (Sound_MachineType, bdModern);
    recorder.showFromDevice (Sound_Lfo1Dest, ampAttackIndex * 256);
    auto box = makeBox (Sound_Lfo1Dest, 0);
    poll();
    recorder.clear();

    choose (*box, filterFrequencyIndex + 1);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_Lfo1Dest, filterFrequencyIndex * 256 } }));
    const auto lines = rootMenuOf (*box);
    EXPECT_NE (std::find (lines.begin(), lines.end(), "Filter > [ticked]"), lines.end());
    EXPECT_NE (std::find (lines.begin(), lines.end(), "  29 Filter Frequency [ticked]"), lines.end());

    recorder.clear();
    choose (*box, 1);
    EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_Lfo1Dest, 0 } }));
    EXPECT_EQ (topLevelOf (rootMenuOf (*box)).front(), "1 None");

    // The next poll reports the new value: the same item, nothing written.
    recorder.clear();
    poll();
    EXPECT_TRUE (recorder.writes().empty());
    EXPECT_EQ (box->getComboBox().getSelectedId(), 1);
}

TEST_F (DestinationBoxTest, ADeviceValueSelectsItsItemWithoutWritingAndAnUnknownIndexKeepsTheText)
{
    recorder.showFromDevice (Sound_MachineType, bdModern);
    auto box = makeBox (Sound_Lfo1Dest, 0);
    poll();

    fromDevice (Sound_Lfo1Dest, filterFrequencyIndex * 256);
    EXPECT_EQ (box->getComboBox().getSelectedId(), filterFrequencyIndex + 1);
    EXPECT_EQ (box->getComboBox().getText(), "Filter Frequency");

    fromDevice (Sound_Lfo1Dest, 99 * 256);   // no parameter has index 99
    EXPECT_EQ (box->getComboBox().getText(), "Filter Frequency");

    fromDevice (Sound_Lfo1Dest, 0);
    EXPECT_EQ (box->getComboBox().getSelectedId(), 1);
    EXPECT_EQ (box->getComboBox().getText(), "None");
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (DestinationBoxTest, AMachineChangeRenamesAMachineTargetAndKeepsOtherTargets)
{
    struct Case
    {
        int target;
        int newMachine;
        const char* text;
        bool logsError;
    };
    const std::vector<Case> cases {
        { 19, disable, "Disabled", false },
        { 24, chClassic, "Disabled", true },
        { filterFrequencyIndex, disable, "Filter Frequency", false },
        { ampAttackIndex, chClassic, "Amp Attack Time", false },
    };
    for (const auto& c : cases)
    {
        recorder.showFromDevice (Sound_MachineType, bdModern);
        recorder.showFromDevice (Sound_Lfo1Dest, c.target * 256);
        auto box = makeBox (Sound_Lfo1Dest, 0);
        poll();
        recorder.clear();

        fhtest::ScopedLogCapture log;
        fromDevice (Sound_MachineType, c.newMachine);
        EXPECT_EQ (box->getComboBox().getText(), c.text) << c.target << " " << c.newMachine;
        EXPECT_EQ (log.contains ("Index out of range. Index " + std::to_string (c.target)), c.logsError) << c.target;
        EXPECT_TRUE (recorder.writes().empty());
    }
}

TEST_F (DestinationBoxTest, AMachineTargetNamesTheNewMachinesParameterWithItsIndex)
{
    recorder.showFromDevice (Sound_MachineType, bdModern);
    recorder.showFromDevice (Sound_Lfo1Dest, 19 * 256);
    auto box = makeBox (Sound_Lfo1Dest, 0);
    poll();
    const auto before = box->getComboBox().getText();

    fromDevice (Sound_MachineType, 1);
    EXPECT_NE (box->getComboBox().getText(), before);
    EXPECT_TRUE (box->getComboBox().getText().isNotEmpty());
    EXPECT_NE (box->getComboBox().getText(), "Disabled");
    EXPECT_EQ (box->getComboBox().getSelectedId(), 20);
}

TEST_F (DestinationBoxTest, SetDestinationIdWatchesTheNewParameter)
{
    recorder.showFromDevice (Sound_Lfo1Dest, filterFrequencyIndex * 256);
    recorder.showFromDevice (Sound_Lfo2Dest, ampAttackIndex * 256);
    auto box = makeBox (Sound_Lfo1Dest, 1);
    poll();
    EXPECT_EQ (box->getComboBox().getSelectedId(), filterFrequencyIndex + 1);

    box->setDestinationId (Sound_Lfo2Dest);
    poll();
    EXPECT_EQ (box->getComboBox().getSelectedId(), ampAttackIndex + 1);

    fromDevice (Sound_Lfo1Dest, 0);   // no longer watched
    EXPECT_EQ (box->getComboBox().getSelectedId(), ampAttackIndex + 1);
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (FxDestinationBoxTest, EffectsBoxesIgnoreTheMachineType)
{
    auto box = makeBox (FX_Lfo1Dest, 6);
    poll();
    const auto before = rootMenuOf (*box);
    auto& t1Sound = *context.getKit().getSound (t1);
    t1Sound.setValueFromMachine (Sound_MachineType, disable, false);
    poll();
    EXPECT_EQ (rootMenuOf (*box), before);
    EXPECT_EQ (topLevelOf (before), (Lines { "1 None", "Delay >", "Reverb >", "Ext-In >", "Filter >", "Amp >" }));
}

TEST_F (DestinationBoxTest, NoneItemIsBrightBoldWhenCurrentAndGreyOtherwise)
{
    for (const bool current : { true, false })
    {
        ItalicComponent item (current);
        item.setSize (120, 21);
        juce::Image image (juce::Image::RGB, 120, 21, true);   // on black
        {
            juce::Graphics g (image);
            item.paintEntireComponent (g, false);
        }
        int brightest = 0;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                brightest = juce::jmax (brightest, (int) image.getPixelAt (x, y).getRed());
        const int expected = (int) ((current ? ItalicComponent::currentColour : ItalicComponent::otherColour) >> 16 & 0xff);
        EXPECT_LE (brightest, expected + 2) << current;
        EXPECT_GT (brightest, expected - 48) << current;
        EXPECT_EQ (item.getTextFont().getTypefaceName(), current ? "Grotesk Text 75" : "Grotesk Text 56");
        EXPECT_EQ (uitest::pixel (image, 2, 10), 0xff000000u);   // left of the text: nothing drawn when not highlighted
    }
}
