// The effects tab on the processor the plug-in factory builds, against the
// emulator's virtual Kolvane: the global-mode mask and the mixer's levels
// travel both ways, and a value the device reports is never sent back.
#include "../panels/PanelOnProcessorTest.h"

#include "model/tables/ParameterIds.h"
#include "processor/VantuAudioProcessor.h"
#include "ui/editor/FxTab.h"
#include "ui/panels/effects/DelayPanel.h"
#include "ui/panels/effects/MixerPanel.h"

using namespace processortest;

namespace
{
class FxTabEndToEnd : public paneltest::PanelOnProcessorTest
{
protected:
    void SetUp() override
    {
        startWithDevice();
        if (HasFatalFailure())
            return;
        tab = std::make_unique<FxTab> (*processor, processor->findSamplePublisher());
        tab->setSize (1199, 497);
        poll();
    }

    void TearDown() override
    {
        tab.reset();
        PanelOnProcessorTest::TearDown();
    }

    fhemu::VirtualProject& project() { return open->device->getProject(); }

    // Writes (command 0x10) that reached the device.
    std::size_t writeCount() { return received (*open, 0x10).size(); }

    bool pollUntil (const std::function<bool()>& condition)
    {
        return fhtest::pumpUntil ([&] {
            poll();
            return condition();
        }, 5s);
    }

    std::unique_ptr<FxTab> tab;
};

TEST_F (FxTabEndToEnd, TheMaskTravelsBothWaysWithoutAnEcho)
{
    ASSERT_TRUE (open->device->announce (project().setGlobalModeMask (0xC1)));
    ASSERT_TRUE (pollUntil ([&] { return tab->getSwitch (FxTab::delay).getToggleState(); }));
    EXPECT_TRUE (tab->getSwitch (FxTab::mixer).getToggleState());
    EXPECT_TRUE (tab->getSwitch (FxTab::reverb).getToggleState());
    EXPECT_FALSE (tab->getSwitch (FxTab::externalInput).getToggleState());
    const auto writes = writeCount();
    fhtest::pumpFor (300ms);
    poll();
    EXPECT_EQ (writeCount(), writes) << "the device's mask is not sent back";

    auto& input = tab->getSwitch (FxTab::externalInput);
    input.triggerClick();
    EXPECT_TRUE (pollUntil ([&] { return project().getGlobalModeMask() == 0xC3; })) << project().getGlobalModeMask();
}

TEST_F (FxTabEndToEnd, MixerLevelsTravelBothWaysWithoutAnEcho)
{
    auto& mixer = dynamic_cast<MixerPanel&> (*tab->getSection (FxTab::mixer).getContent());
    auto& strip = mixer.getStrip (2);

    ASSERT_TRUE (open->device->announce (project().setTrackLevel (2, 40 * 256)));
    ASSERT_TRUE (pollUntil ([&] { return strip.getLevelFader().getValue() == 40.0; }));
    const auto writes = writeCount();
    fhtest::pumpFor (300ms);
    poll();
    EXPECT_EQ (writeCount(), writes) << "the device's level is not sent back";

    // A value the device just reported (also by the model read) is held from the device for a second.
    fhtest::pumpFor (1100ms);
    mixer.getStrip (5).getLevelFader().setValue (90.0, juce::sendNotificationSync);
    EXPECT_TRUE (pollUntil ([&] { return project().getTrackLevel (5) == 90 * 256; })) << project().getTrackLevel (5);

    mixer.getFxStrip().getLevelFader().setValue (64.0, juce::sendNotificationSync);
    EXPECT_TRUE (pollUntil ([&] { return project().getTrackLevel (12) == 64 * 256; })) << project().getTrackLevel (12);
}
TEST_F (FxTabEndToEnd, TheDelayTimeTravelsBothWaysWithoutAnEcho)
{
    constexpr int delayTimeObject = 100;   // the device's object id of the delay time
    auto& delay = dynamic_cast<DelayPanel&> (*tab->getSection (FxTab::delay).getContent());

    ASSERT_TRUE (open->device->announce (project().setFxParameter (delayTimeObject, 5000)));
    ASSERT_TRUE (pollUntil ([&] { return delay.getTimeKnob().getValue() == 5256.0; }));
    EXPECT_DOUBLE_EQ (delay.getDiagram().time, 5000 / 256.0 + 1);
    const auto writes = writeCount();
    fhtest::pumpFor (1100ms);   // past the hold of the device's value
    poll();
    EXPECT_EQ (writeCount(), writes) << "the device's delay time is not sent back";

    delay.getTimeKnob().setValue (8448.0, juce::sendNotificationSync);
    EXPECT_TRUE (pollUntil ([&] { return project().getFxParameter (delayTimeObject) == 8192; }))
        << project().getFxParameter (delayTimeObject).value_or (-1);
}
} // namespace
