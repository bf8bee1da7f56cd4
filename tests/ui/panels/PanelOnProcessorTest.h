#pragma once

// A panel's fixture on the processor the plug-in factory builds, with the
// emulator's virtual Kolvane opened and the whole model read.
#include "../../processor/ProcessorFixture.h"
#include "ui/lookandfeel/LookAndFeelCorvanel.h"

namespace paneltest
{
class PanelOnProcessorTest : public processortest::ProcessorTest
{
protected:
    // Starts the engine and the processor and waits for the whole model.
    void startWithDevice()
    {
        juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
        startEngine();
        makeProcessor();
        ASSERT_TRUE (waitForWholeModel());
        open = engine->openDevice (processortest::kUid);
        ASSERT_NE (open, nullptr);
    }

    void TearDown() override { juce::LookAndFeel::setDefaultLookAndFeel (nullptr); }

    // The data-update timer's poll, driven by hand.
    void poll() { processor->getMachineDataUpdateTimer()->timerCallback(); }

    LookAndFeelCorvanel lookAndFeel;
    fhemu::EmulatorSession::OpenDevice* open = nullptr;
};
} // namespace paneltest
