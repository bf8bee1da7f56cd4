// A machine panel on the processor the plug-in factory builds, against the
// emulator's virtual Kolvane over loopback sockets: a change made at the
// device shows on the panel and nothing goes back; a knob turn arrives at the
// device as one parameter write.
#include "../PanelOnProcessorTest.h"
#include "../PanelTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/DigitalMachinePanels.h"

using namespace processortest;
using fhemu::VirtualProject;

namespace
{
class MachinePanelEndToEnd : public paneltest::PanelOnProcessorTest
{
protected:
    // A digital track (T1 to T8) running BD MODERN: the device keeps the values
    // of the track's current machine only.
    int track = -1;

    void SetUp() override
    {
        startWithDevice();
        if (HasFatalFailure())
            return;

        auto& project = open->device->getProject();
        for (int t = 0; t < 8 && track < 0; ++t)
            if (project.getSound (t).setup.machineType == 0)
                track = t;
        if (track < 0)
        {
            track = 1;
            ASSERT_TRUE (open->device->announce (project.setMachineType (track, 0)));
            ASSERT_TRUE (fhtest::pumpUntil ([&] {
                int type = -1;
                processor->getDeviceInterface().getKit().getSound (track)->getValue (juce::Identifier ("Sound_MachineType"), type);
                return type == 0 && processor->getNumDeviceJobs() == 0;
            }, 5s));
        }

        panel = std::make_unique<DigitalKickPanel> (*processor, track);
        panel->setBounds (0, 0, 800, 200);
        poll();
    }

    void TearDown() override
    {
        panel.reset();
        PanelOnProcessorTest::TearDown();
    }

    Vantu::Sound& sound() { return *processor->getKit().getSound (track); }

    int objectIdOf (const juce::Identifier& id) { return sound().getParameterInfos().find (id)->objectId; }

    // The sound-parameter writes the device received for one object, as values.
    std::vector<int> writesTo (int objectId) const
    {
        std::vector<int> values;
        for (const auto& w : received (*open, 0x10))
            if (w.header.subType == VirtualProject::soundParameter && w.payload.size() == 6
                && fhemu::wire::get16 (&w.payload[0]) == track && fhemu::wire::get16 (&w.payload[2]) == objectId)
                values.push_back (fhemu::wire::get16 (&w.payload[4]));
        return values;
    }

    std::unique_ptr<DigitalKickPanel> panel;
};

TEST_F (MachinePanelEndToEnd, ADeviceChangeShowsOnThePanelAndIsNotWrittenBack)
{
    const int decay = objectIdOf (Sound_MCKickDecay);
    auto& knob = dynamic_cast<juce::Slider&> (*panel->getControlComponents (3).at (0));
    auto& project = open->device->getProject();

    ASSERT_TRUE (open->device->announce (project.setSoundParameter (track, decay, 0x3300)));
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        poll();
        return knob.getValue() == 0x33;
    }, 5s));

    // An echo would leave on the transmit thread once the echo hold ends.
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! sound().isEchoHeld (Sound_MCKickDecay); }, 5s));
    fhtest::pumpFor (300ms);
    poll();
    EXPECT_TRUE (writesTo (decay).empty());
}

TEST_F (MachinePanelEndToEnd, AKnobTurnArrivesAsOneParameterWrite)
{
    const int sweep = objectIdOf (Sound_MCMachinePitchSweep);
    auto& knob = dynamic_cast<juce::Slider&> (*panel->getControlComponents (1).at (0));
    const double before = knob.getValue();

    // The knob's value came from the device as the model was read: until its echo hold
    // ends, a change through its host parameter is stored but not sent.
    ASSERT_TRUE (fhtest::pumpUntil ([&] { return ! sound().isEchoHeld (Sound_MCMachinePitchSweep); }, 5s));
    paneltest::edit::drag (knob, 12.0f);
    const int expected = static_cast<int> (knob.getValue()) * 256;
    ASSERT_NE (knob.getValue(), before);

    EXPECT_TRUE (fhtest::pumpUntil ([&] { return open->device->getProject().getSoundParameter (track, sweep) == expected; }, 5s));
    fhtest::pumpFor (200ms);
    EXPECT_EQ (writesTo (sweep), std::vector<int> { expected });
}
} // namespace
