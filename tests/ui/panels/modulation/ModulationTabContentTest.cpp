// The page of one MIDI source of a track on a real kit without a worker:
// captions, depth values from the device, user edits of the depths, the
// highlight fade and the layout.
#include "model/Sound.h"
#include "model/tables/ParameterIds.h"
#include "ui/panels/modulation/DestinationGroups.h"
#include "ui/panels/modulation/ModulationTabContent.h"

#include "ui/panels/PanelTestSupport.h"

#include <gtest/gtest.h>

namespace
{
using paneltest::Write;

constexpr int t1 = 0;
constexpr int t10 = 9;

class ModulationTabContentTest : public paneltest::PanelTest
{
protected:
    explicit ModulationTabContentTest (int track = t1) : PanelTest (track)
    {
        page = std::make_unique<ModulationTabContent> (context, &object, &Vantu::Sound::velocityDestinationId,
                                                       &Vantu::Sound::velocityDepthId, track < 8 ? 0 : 1);
        page->setSize (800, 400);
    }

    void fromDevice (const juce::Identifier& id, int value)
    {
        recorder.showFromDevice (id, value);
        poll();
    }

    std::unique_ptr<ModulationTabContent> page;
};

class AnalogModulationTabContentTest : public ModulationTabContentTest
{
protected:
    AnalogModulationTabContentTest() : ModulationTabContentTest (t10) {}
};

juce::String textOf (HighResKnob& knob) { return knob.getOwnLabel().getText(); }
} // namespace

TEST_F (ModulationTabContentTest, SlotsCarryTheirNumberedCaptionsAndBoxesOfTheDigitalKind)
{
    for (int slot = 0; slot < 4; ++slot)
    {
        const juce::String n (slot + 1);
        EXPECT_EQ (page->getDestinationLabel (slot).getText(), "Destination " + n);
        EXPECT_EQ (page->getDepthLabel (slot).getText(), "Depth " + n);
        EXPECT_EQ (page->getDestinationBox (slot).getDestinationId(), Vantu::Sound::velocityDestinationId (slot));
        EXPECT_EQ (page->getDestinationBox (slot).getKind(), DestinationBoxKind::midiSourceDigital);
    }
}

TEST_F (AnalogModulationTabContentTest, BoxesOfTheLaterTracksAreOfTheAnalogKind)
{
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ (page->getDestinationBox (slot).getKind(), DestinationBoxKind::midiSourceAnalog);
}

TEST_F (ModulationTabContentTest, DepthShowsTheDeviceValueOver256WithoutWritingBack)
{
    const std::vector<std::pair<int, const char*>> cases {
        { 32512, "127.00" }, { -32768, "-128.00" }, { 0, "0.00" }, { 384, "1.50" }, { -640, "-2.50" },
    };
    for (const auto& [value, text] : cases)
    {
        fromDevice (Sound_VelocityCDepth, value);
        EXPECT_EQ (textOf (page->getDepthKnob (2)), text) << value;
        EXPECT_EQ (page->getDepthKnob (2).getValue(), value);
    }
    EXPECT_TRUE (recorder.writes().empty());
    EXPECT_EQ (textOf (page->getDepthKnob (0)), "0.00");   // the other slots keep theirs
}

TEST_F (ModulationTabContentTest, TypedDepthIsReadAsTheKnobShowsItAndWrittenTruncatedAndUnshifted)
{
    const std::vector<std::pair<const char*, int>> cases {
        { "-0.5", -128 }, { "1.5", 386 }, { "0", 2 }, { "500", 32512 }, { "-500", -32768 },
    };
    auto& knob = page->getDepthKnob (1);
    for (const auto& [typed, written] : cases)
    {
        recorder.clear();
        knob.getOwnLabel().setText (typed, juce::sendNotificationSync);
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Sound_VelocityBDepth, written } })) << typed;
        EXPECT_FLOAT_EQ (knob.highlightLevel, 1.0f);
    }
}

TEST_F (ModulationTabContentTest, DraggedDepthWritesTheKnobsValueUnshiftedAndADeviceValueDuringTheDragIsDropped)
{
    poll();
    auto& knob = page->getDepthKnob (3);
    paneltest::edit::pressAndDrag (knob, 30.0f);

    ASSERT_EQ (recorder.writes().size(), 1u);
    const int written = recorder.writes()[0].value;
    EXPECT_EQ (recorder.writes()[0].id, Sound_VelocityDDepth);
    EXPECT_NE (written, 0);
    EXPECT_EQ (written, (int) knob.getValue());
    EXPECT_LT (std::abs (written), 32768 / 4);   // a short drag moves the raw value, not a shifted one

    recorder.showFromDevice (Sound_VelocityDDepth, 9000);
    poll();
    EXPECT_EQ ((int) knob.getValue(), written);
    paneltest::edit::release (knob);
}

TEST_F (ModulationTabContentTest, ADeviceChangeLightsTheKnobAndTheTimerFadesIt)
{
    fromDevice (Sound_VelocityADepth, 5000);
    auto& knob = page->getDepthKnob (0);
    EXPECT_FLOAT_EQ (knob.highlightLevel, 1.0f);
    fhtest::pumpFor (std::chrono::milliseconds (300));
    EXPECT_LT (knob.highlightLevel, 1.0f);
}

TEST_F (ModulationTabContentTest, LayoutPlacesTheFourSlotsInTwoColumns)
{
    EXPECT_EQ (page->getDestinationLabel (0).getBounds(), juce::Rectangle<int> (8, 8, 302, 16));
    EXPECT_EQ (page->getDestinationBox (0).getBounds(), juce::Rectangle<int> (12, 30, 294, 28));
    EXPECT_EQ (page->getDepthLabel (0).getBounds(), juce::Rectangle<int> (310, 8, 90, 16));
    EXPECT_EQ (page->getDepthKnob (0).getBounds(), juce::Rectangle<int> (310, 98, 90, 28));
    EXPECT_EQ (page->getDestinationBox (1).getBounds(), juce::Rectangle<int> (12, 222, 294, 28));
    EXPECT_EQ (page->getDestinationBox (2).getBounds(), juce::Rectangle<int> (404, 30, 294, 28));
    EXPECT_EQ (page->getDepthKnob (3).getBounds(), juce::Rectangle<int> (702, 290, 90, 28));
}

TEST_F (ModulationTabContentTest, ATinyPageKeepsTheKnobSizeAndShrinksTheLabels)
{
    page->setSize (30, 20);
    EXPECT_EQ (page->getDepthKnob (0).getBounds(), juce::Rectangle<int> (-33, -4, 90, 28));
    EXPECT_EQ (page->getDestinationBox (0).getBounds(), juce::Rectangle<int> (12, -4, 0, 28));
    EXPECT_EQ (page->getDestinationLabel (0).getHeight(), 2);
    EXPECT_EQ (page->getDepthLabel (3).getHeight(), 2);
}
