// The kit editor as the real editor's "Kit Editor" section, on the processor
// the plug-in factory builds, against the emulator's virtual Kolvane: the
// device's active edit track choosing the tab, tab clicks and section
// switches setting the volatile state's track without a device write, and
// machine changes travelling both ways without an echo.
#include "../ChangeCounter.h"
#include "EditorTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/editor/TrackTab.h"
#include "ui/editor/VantuKitSoundEditor.h"
#include "ui/panels/track/SynthPanel.h"

namespace editortest
{
namespace
{
    class KitEditorInEditor : public EditorTest
    {
    protected:
        void SetUp() override
        {
            h = &make (standalone);
            kit = dynamic_cast<VantuKitSoundEditor*> (&h->content().getSection (MainContentComponent::kitEditorSection));
            ASSERT_NE (kit, nullptr);
            h->tick();   // the first poll opens the section on the device's active edit track
            h->pumpFor (50ms);
        }

        MyTabbedButtonBar& bar() { return kit->getTabs().getTabbedButtonBar(); }
        int selectedTrack() { return h->processor().getVolatileState().getSelectedTrack(); }
        int selectedTab() { return h->processor().getVolatileState().getSelectedTab(); }
        int activeEditTrack()
        {
            int v = -99;
            h->processor().getSettings().getValue (Settings_ActiveEditTrack, v);
            return v;
        }
        void clickTab (int index)
        {
            h->click (*bar().getTabButton (index));
            h->pumpFor (30ms);
        }
        void clickSection (const juce::String& text)
        {
            h->click (*h->findByText (text));
            h->pumpFor (30ms);
        }

        fhtest::EditorHarness* h = nullptr;
        VantuKitSoundEditor* kit = nullptr;
    };

    TEST_F (KitEditorInEditor, IsTheFirstSectionWithItsFourteenTabs)
    {
        EXPECT_EQ (h->findByName ("KitSoundEditor"), kit);
        EXPECT_TRUE (fhtest::EditorHarness::isShowing (*kit));
        EXPECT_EQ (kit->getTabs().getNumTabs(), 14);
        EXPECT_EQ (h->boundsInContent (*kit), juce::Rectangle<int> (0, 36, 1201, 536));
        auto* page = kit->getTabs().getCurrentContentComponent();
        ASSERT_NE (page, nullptr);
        EXPECT_EQ (page->getWidth(), 1199);
        EXPECT_EQ (page->getHeight(), 497);
        EXPECT_EQ (kit->getCurrentTabIndex(), activeEditTrack()) << "opens on the device's active edit track";
        EXPECT_EQ (selectedTrack(), activeEditTrack());
    }

    // Each device value in turn, starting from T4.
    TEST_F (KitEditorInEditor, TheDevicesActiveEditTrackChoosesTheTab)
    {
        struct Case { int value; int tab; int track; };
        const Case cases[] = { { 3, 3, 3 },   { 9, 9, 9 },   { 12, 12, -1 }, { 13, 12, -1 }, { 0, 0, 0 },
                               { 255, 0, 0 }, { -1, 0, 0 },  { 0x0b00, 0, 0 }, { 11, 11, 11 } };
        const auto mark = h->markWrites();
        for (const auto& c : cases)
        {
            fhtest::EditorHarness::showFromDevice (h->processor().getSettings(), Settings_ActiveEditTrack, c.value);
            h->tick();
            h->pumpFor (20ms);
            EXPECT_EQ (kit->getCurrentTabIndex(), c.tab) << c.value;
            EXPECT_EQ (selectedTrack(), c.track) << c.value;
            EXPECT_EQ (selectedTab(), c.tab) << c.value;
        }
        h->pumpFor (200ms);
        EXPECT_TRUE (h->writesSince (mark).empty()) << "a device value is never written back";
    }

    TEST_F (KitEditorInEditor, TabClicksSelectTheTrackAndWriteNothing)
    {
        const int before = activeEditTrack();
        const auto mark = h->markWrites();
        struct Case { int tab; int track; };
        for (const auto& c : { Case { 2, 2 }, Case { 13, -1 }, Case { 12, -1 }, Case { 0, 0 }, Case { 11, 11 } })
        {
            clickTab (c.tab);
            EXPECT_EQ (kit->getCurrentTabIndex(), c.tab);
            EXPECT_EQ (selectedTrack(), c.track) << c.tab;
            EXPECT_EQ (selectedTab(), c.tab) << c.tab;
        }
        uitest::ChangeCounter changes (h->processor().getVolatileState());
        clickTab (11);
        EXPECT_EQ (changes.count, 0) << "the tab already selected sends nothing";
        h->tick();
        h->pumpFor (200ms);
        EXPECT_EQ (kit->getCurrentTabIndex(), 11) << "an unchanged device value does not pull the tab back";
        EXPECT_EQ (activeEditTrack(), before);
        EXPECT_TRUE (h->writesSince (mark).empty()) << "a tab click writes nothing to the device";
    }

    // The sound browser clears the selected track; back in the kit editor the
    // current tab's track is selected again (none for the two effects tabs).
    TEST_F (KitEditorInEditor, ReturningFromTheSoundBrowserSelectsTheCurrentTabsTrack)
    {
        struct Case { int tab; int trackAfterReturn; };
        for (const auto& c : { Case { 5, 5 }, Case { 0, 0 }, Case { 12, -1 }, Case { 13, -1 }, Case { 11, 11 } })
        {
            clickTab (c.tab);
            clickSection ("Sound Browser");
            ASSERT_TRUE (h->pumpUntil ([&] { return h->content().getSection (1).isVisible(); }));
            EXPECT_EQ (selectedTrack(), -1) << c.tab;
            clickSection ("Kit Editor");
            ASSERT_TRUE (h->pumpUntil ([&] { return kit->isVisible(); }));
            EXPECT_EQ (kit->getCurrentTabIndex(), c.tab);
            EXPECT_EQ (selectedTrack(), c.trackAfterReturn) << c.tab;
        }
    }

    // T3: a machine chosen at the device shows in the selector and the machine
    // host without a write back; one picked from the selector's menu reaches
    // the device as a plain machine type.
    TEST_F (KitEditorInEditor, MachineChangesTravelBothWaysWithoutAnEcho)
    {
        constexpr int track = 2;
        clickTab (track);
        auto& tab = *kit->getTrackTab (track);
        auto& project = h->project();
        const auto machineOnDevice = [&] { return project.getSound (track).setup.machineType; };
        const int start = machineOnDevice() == 5 ? 4 : 5;   // SY CHORD or SY TONE

        const auto mark = h->markWrites();
        ASSERT_TRUE (h->announce (project.setMachineType (track, start)));
        ASSERT_TRUE (h->pumpUntil ([&] {
            h->tick();
            return tab.getMachineSelector().getSelectedId() == start + 1;
        }));
        EXPECT_EQ (tab.getSynthPanel().getCurrentMachineType(), start);
        h->pumpFor (300ms);
        EXPECT_TRUE (h->writesSince (mark).empty());
        EXPECT_EQ (machineOnDevice(), start);

        h->pickFromNextMenu ("SY Swarm");
        h->click (tab.getMachineSelector());
        ASSERT_TRUE (h->pumpUntil ([&] {
            h->tick();
            return h->menuPickDone() && machineOnDevice() == 38 && tab.getSynthPanel().getCurrentMachineType() == 38;
        }));
        EXPECT_EQ (tab.getMachineSelector().getSelectedId(), 39);
        EXPECT_EQ (tab.getSynthPanel().getCurrentMachineType(), 38);
        EXPECT_FALSE (h->writesSince (mark).empty());
    }
}   // namespace
}   // namespace editortest
