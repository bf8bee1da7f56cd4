// The machine host: which panels a track gets and in which order, that
// exactly one shows after construction and after every report, what a report
// outside the group or of the current type does, the hue of hidden panels,
// the layout and a bad type given to the factory.
#include "../PanelTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "support/TestEnvironment.h"
#include "ui/panels/machines/AnalogMachinePanels.h"
#include "ui/panels/machines/DigitalMachinePanels.h"
#include "ui/panels/machines/MidiMachinePanel.h"
#include "ui/panels/track/SynthPanel.h"
#include "ui/panels/track/TrackGroup.h"

using namespace paneltest;

namespace
{
TEST (TrackGroupTest, GroupsTheTracksAndGivesEachGroupItsPanelOrder)
{
    const std::pair<int, int> groups[] = { { -1, 2 }, { 0, 2 }, { 4, 2 }, { 7, 2 }, { 8, 0 }, { 9, 0 },
                                           { 10, 0 }, { 11, 1 }, { 12, 2 }, { 100, 2 }, { -9, 2 } };
    for (const auto& [track, group] : groups)
        EXPECT_EQ (trackGroup (track), group) << track;

    EXPECT_EQ (machinePanelTypes (2), (std::vector<int> { 0, 1, 2, 3, 4, 5, 6, 7, 36, 37, 38, 35 }));
    EXPECT_EQ (machinePanelTypes (1), (std::vector<int> { 22, 26, 23, 27, 31, 24, 28, 30, 25, 29, 32, 33, 35, 34 }));
    EXPECT_EQ (machinePanelTypes (0),
               (std::vector<int> { 19, 18, 21, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 39, 32, 33, 35, 34 }));
    EXPECT_EQ (&machinePanelTypes (7), &machinePanelTypes (2));
}

// Counts how often any machine panel of a host changes its visibility or bounds.
struct PanelChangeCounter : juce::ComponentListener
{
    explicit PanelChangeCounter (SynthPanel& hostToWatch) : host (hostToWatch)
    {
        for (auto& [type, panel] : host.getPanels())
            panel->addComponentListener (this);
    }
    ~PanelChangeCounter() override
    {
        for (auto& [type, panel] : host.getPanels())
            panel->removeComponentListener (this);
    }
    void componentVisibilityChanged (juce::Component&) override { ++changes; }
    void componentMovedOrResized (juce::Component&, bool, bool) override { ++changes; }

    SynthPanel& host;
    int changes = 0;
};

std::vector<int> visibleTypes (const SynthPanel& host)
{
    std::vector<int> types;
    for (const auto& [type, panel] : host.getPanels())
        if (panel->isVisible())
            types.push_back (type);
    return types;
}

class SynthPanelTest : public PanelTest, public ::testing::WithParamInterface<int>
{
protected:
    SynthPanelTest() : PanelTest (GetParam(), { Sound_MachineType }) {}

    void report (int machineType)
    {
        recorder.showFromDevice (Sound_MachineType, machineType);
        poll();
    }

    std::unique_ptr<SynthPanel> makeHost()
    {
        auto host = std::make_unique<SynthPanel> (context, &object, trackIndex);
        host->setMachineTypeIdentifier (Sound_MachineType);
        return host;
    }
};

TEST_P (SynthPanelTest, BuildsEveryPanelOfTheGroupAndShowsExactlyOne)
{
    const auto& types = machinePanelTypes (trackGroup (trackIndex));
    SynthPanel host (context, &object, trackIndex);

    EXPECT_EQ (host.getMachineTypes(), types);
    EXPECT_EQ (host.getPanels().size(), types.size());
    EXPECT_EQ (host.getNumChildComponents(), (int) types.size());
    EXPECT_EQ (visibleTypes (host), std::vector<int> { types.front() }) << "before any identifier is watched";
    EXPECT_EQ (host.getCurrentMachineType(), types.front());

    auto* midi = dynamic_cast<MidiMachinePanel*> (host.getPanel (35));
    ASSERT_NE (midi, nullptr);
    EXPECT_EQ (midi->getLabel().getText(), "MIDI settings available on device");
    EXPECT_EQ (host.getPanel (34) != nullptr, trackGroup (trackIndex) != 2) << "no disabled machine on T1..T8";
}

TEST_P (SynthPanelTest, FollowsEveryReportedTypeOfTheGroupAndKeepsThePanelForOthers)
{
    const auto& types = machinePanelTypes (trackGroup (trackIndex));
    recorder.showFromDevice (Sound_MachineType, types.back());
    auto host = makeHost();
    EXPECT_EQ (visibleTypes (*host), std::vector<int> { types.back() }) << "the current type shows at once";

    for (const int type : types)
    {
        report (type);
        EXPECT_EQ (visibleTypes (*host), std::vector<int> { type });
    }

    const int shown = types.front();
    report (shown);
    for (int outside = 0; outside < 40; ++outside)
    {
        if (std::find (types.begin(), types.end(), outside) != types.end())
            continue;
        host->valueChanged (&object, Sound_MachineType, outside);
        EXPECT_EQ (visibleTypes (*host), std::vector<int> { shown }) << "type " << outside;
    }
    for (const int bad : { -1, 40, 255, 0x2300 })
    {
        host->valueChanged (&object, Sound_MachineType, bad);
        EXPECT_EQ (visibleTypes (*host), std::vector<int> { shown }) << "value " << bad;
    }
    host->valueChanged (&object, Sound_Name, types.back());
    EXPECT_EQ (visibleTypes (*host), std::vector<int> { shown }) << "another identifier";
    pump();
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_P (SynthPanelTest, TheCurrentTypeAgainChangesNothing)
{
    auto host = makeHost();
    host->setBounds (0, 0, 800, 200);
    const int type = machinePanelTypes (trackGroup (trackIndex)).at (3);
    report (type);

    PanelChangeCounter counter (*host);
    host->showPanel (type);
    host->valueChanged (&object, Sound_MachineType, type);
    EXPECT_EQ (counter.changes, 0);
    EXPECT_EQ (visibleTypes (*host), std::vector<int> { type });
}

TEST_P (SynthPanelTest, TheHueReachesHiddenPanelsAndThePanelsFillTheHostBelowAMargin)
{
    auto host = makeHost();
    host->setHue (14);
    host->setBounds (0, 0, 636, 198);
    for (const auto& [type, panel] : host->getPanels())
    {
        EXPECT_EQ (panel->hue, 14) << type;
        EXPECT_EQ (panel->getBounds(), juce::Rectangle<int> (8, 8, 620, 182)) << type;
    }
    host->setSize (10, 4);
    EXPECT_EQ (host->getPanels().begin()->second->getBounds(), juce::Rectangle<int> (8, 8, 0, 0));
}

INSTANTIATE_TEST_SUITE_P (Groups, SynthPanelTest, ::testing::Values (4, 9, 11),
                          [] (const auto& info) { return "T" + std::to_string (info.param + 1); });

class SynthPanelFactoryTest : public PanelTest
{
protected:
    SynthPanelFactoryTest() : PanelTest (9, { Sound_MachineType }) {}
};

TEST_F (SynthPanelFactoryTest, TheHandClapShowsOnTheAnalogDrumTracksAndBadTypesAreLogged)
{
    SynthPanel host (context, &object, trackIndex);
    host.setMachineTypeIdentifier (Sound_MachineType);
    host.valueChanged (&object, Sound_MachineType, 21);
    EXPECT_NE (dynamic_cast<HandClapClassicPanel*> (host.getPanel (21)), nullptr);
    EXPECT_EQ (visibleTypes (host), std::vector<int> { 21 });

    fhtest::ScopedLogCapture log;
    const auto before = host.getPanels().size();
    for (const int bad : { 40, -1 })
        host.createPanel (bad);
    EXPECT_EQ (host.getPanels().size(), before);
    EXPECT_TRUE (log.contains ("No such panel: 40"));
    EXPECT_TRUE (log.contains ("No such panel: -1"));

    // Creating a type again replaces its panel; the old one leaves the host.
    auto* old = host.getPanel (8);
    host.createPanel (8);
    EXPECT_NE (host.getPanel (8), old);
    EXPECT_EQ (host.getNumChildComponents(), (int) before);
}
} // namespace
