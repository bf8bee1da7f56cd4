// The kit editor on the processor the plug-in factory builds, against the
// emulator's virtual Kolvane: a machine chosen at the device shows in the
// track tab's selector and machine host without a write back; a machine
// chosen in the selector reaches the device as a plain machine type.
#include "../panels/PanelOnProcessorTest.h"

#include "model/tables/ParameterIds.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/TrackTab.h"
#include "ui/editor/VantuKitSoundEditor.h"
#include "ui/panels/track/SynthPanel.h"

using namespace processortest;

namespace
{
class KitEditorEndToEnd : public paneltest::PanelOnProcessorTest
{
protected:
    static constexpr int track = 2;   // T3

    void SetUp() override
    {
        startWithDevice();
        if (HasFatalFailure())
            return;
        editor = std::make_unique<VantuKitSoundEditor> (*processor);
        editor->setSize (1201, 536);
        poll();
    }

    void TearDown() override
    {
        editor.reset();
        PanelOnProcessorTest::TearDown();
    }

    int machineOnDevice() { return open->device->getProject().getSound (track).setup.machineType; }

    std::unique_ptr<VantuKitSoundEditor> editor;
};

TEST_F (KitEditorEndToEnd, MachineChangesTravelBothWaysWithoutAnEcho)
{
    auto& tab = *editor->getTrackTab (track);
    auto& project = open->device->getProject();
    const int start = machineOnDevice() == 5 ? 4 : 5;   // SY CHORD or SY TONE

    ASSERT_TRUE (open->device->announce (project.setMachineType (track, start)));
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        poll();
        return tab.getMachineSelector().getSelectedId() == start + 1;
    }, 5s));
    EXPECT_EQ (tab.getSynthPanel().getCurrentMachineType(), start);
    fhtest::pumpFor (300ms);
    EXPECT_EQ (machineOnDevice(), start);

    tab.getMachineSelector().setSelectedId (39, juce::sendNotificationSync);   // "SY Swarm"
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        poll();
        return machineOnDevice() == 38;
    }, 5s));
    EXPECT_EQ (tab.getSynthPanel().getCurrentMachineType(), 38);
}
} // namespace
