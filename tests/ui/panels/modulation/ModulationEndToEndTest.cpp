// A MIDI-source page on the processor the plug-in factory builds, against the
// emulator's virtual Kolvane over loopback sockets: a destination changed at
// the device selects its item without anything going back; a destination the
// user picks arrives at the device as one sound setup write.
#include "../PanelOnProcessorTest.h"
#include "../PanelTestSupport.h"

#include "model/Sound.h"
#include "model/storage/StorageIndexTables.h"
#include "model/tables/ParameterIds.h"
#include "ui/panels/modulation/ModulationTabContent.h"

using namespace processortest;
using fhemu::VirtualProject;

namespace
{
constexpr int track = 0;                     // T1
constexpr int filterFrequencyIndex = 28;     // Sound_FilterFrequency's destination index

// The byte a sound setup record stores for the filter frequency.
int filterFrequencyByte()
{
    for (int b = 0; b < 256; ++b)
        if (Vantu::indexTables::slotOf (Vantu::indexTables::sound, b) == filterFrequencyIndex)
            return b;
    return -1;
}

class ModulationEndToEnd : public paneltest::PanelOnProcessorTest
{
protected:
    void SetUp() override
    {
        startWithDevice();
        if (HasFatalFailure())
            return;

        page = std::make_unique<ModulationTabContent> (*processor, &sound(), &Vantu::Sound::velocityDestinationId,
                                                       &Vantu::Sound::velocityDepthId, 0);
        page->setBounds (0, 0, 800, 400);
        poll();
    }

    void TearDown() override
    {
        page.reset();
        PanelOnProcessorTest::TearDown();
    }

    Vantu::Sound& sound() { return *processor->getKit().getSound (track); }

    // The sound setup records (which hold the destinations) the device received for the track.
    std::vector<fhemu::RecordedTransaction> setupWrites() const
    {
        std::vector<fhemu::RecordedTransaction> writes;
        for (const auto& w : received (*open, 0x10))
            if (w.header.subType == VirtualProject::soundSetup && w.payload.size() >= 2 && fhemu::wire::get16 (&w.payload[0]) == track)
                writes.push_back (w);
        return writes;
    }

    int velocityDestinationAtDevice (int slot) const
    {
        return open->device->getProject().getSound (track).setup.modulation[0][slot].destination;
    }

    std::unique_ptr<ModulationTabContent> page;
};

TEST_F (ModulationEndToEnd, ADestinationChangedAtTheDeviceIsSelectedAndNotWrittenBack)
{
    auto& combo = page->getDestinationBox (1).getComboBox();

    ASSERT_TRUE (open->device->announce (open->device->getProject().setModulationDestination (track, 0, 1, filterFrequencyByte())));
    ASSERT_TRUE (fhtest::pumpUntil ([&] {
        poll();
        return combo.getSelectedId() == filterFrequencyIndex + 1;
    }, 5s));
    EXPECT_EQ (combo.getText(), "Filter Frequency");

    fhtest::pumpFor (300ms);
    poll();
    EXPECT_TRUE (setupWrites().empty());
}

TEST_F (ModulationEndToEnd, APickedDestinationArrivesAsOneSetupWrite)
{
    page->getDestinationBox (2).getComboBox().setSelectedId (filterFrequencyIndex + 1, juce::sendNotificationSync);

    EXPECT_TRUE (fhtest::pumpUntil ([&] { return velocityDestinationAtDevice (2) == filterFrequencyByte(); }, 5s));
    fhtest::pumpFor (200ms);
    poll();
    EXPECT_EQ (setupWrites().size(), 1u);
    EXPECT_EQ (page->getDestinationBox (2).getComboBox().getSelectedId(), filterFrequencyIndex + 1);
}
} // namespace
