// The "EFFECTS" tab: its four sections and "Global Mode" switches, the mask
// copy that a switch writes with only its own bit changed, the switches
// following the device's mask without a write, the layout, and the mixer's
// meter subscriptions ending with the tab.
#include "../panels/PanelTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "processor/SamplePublisher.h"
#include "ui/editor/FxTab.h"
#include "ui/panels/effects/MixerPanel.h"

using namespace paneltest;
using namespace std::chrono_literals;

namespace
{
const FxTab::Section allSections[] = { FxTab::mixer, FxTab::delay, FxTab::reverb, FxTab::externalInput };

class FxTabTest : public uitest::LookAndFeelTest
{
protected:
    FxTabTest() { tab->setSize (1199, 497); }

    void showMask (int mask)
    {
        recorder.showFromDevice (Settings_GlobalModeMask, mask);
        context.poll();
    }

    DetachedPanelContext context;
    WriteRecorder recorder { context.getSettings(), { Settings_GlobalModeMask } };
    std::unique_ptr<FxTab> tab = std::make_unique<FxTab> (context, nullptr);
};

TEST_F (FxTabTest, TheDevicesMaskSetsTheSwitchesWithoutAWrite)
{
    struct Case { int mask; bool mixer, delay, reverb, input; };
    const Case cases[] = {
        { 0xC1, true, true, true, false },
        { 0x02, false, false, false, true },
        { 0x3C, false, false, false, false },   // the other tab's bits only
        { 0xFF, true, true, true, true },
        { 0, false, false, false, false },
    };
    for (const auto& c : cases)
    {
        showMask (c.mask);
        EXPECT_EQ (tab->getMaskCopy(), c.mask);
        EXPECT_EQ (tab->getSwitch (FxTab::mixer).getToggleState(), c.mixer) << c.mask;
        EXPECT_EQ (tab->getSwitch (FxTab::delay).getToggleState(), c.delay) << c.mask;
        EXPECT_EQ (tab->getSwitch (FxTab::reverb).getToggleState(), c.reverb) << c.mask;
        EXPECT_EQ (tab->getSwitch (FxTab::externalInput).getToggleState(), c.input) << c.mask;
    }
    fhtest::pumpFor (20ms);
    EXPECT_TRUE (recorder.writes().empty());
}

TEST_F (FxTabTest, AClickedSwitchWritesTheMaskWithOnlyItsBitChanged)
{
    ShownWindow window;
    window.setSize (1199, 497);
    window.addAndMakeVisible (*tab);

    struct Case { int deviceMask; FxTab::Section clicked; int written; };
    const Case cases[] = {
        { 0xC1, FxTab::externalInput, 0xC3 },
        { 0x7F, FxTab::delay, 0x3F },          // bits 2 to 5 stay as the device reported them
        { 0x3C, FxTab::reverb, 0xBC },
        { 0x3D, FxTab::mixer, 0x3C },
        { 0x00, FxTab::delay, 0x40 },
    };
    for (const auto& c : cases)
    {
        showMask (c.deviceMask);
        recorder.clear();
        auto& button = tab->getSwitch (c.clicked);
        edit::clickThroughPeer (window, button.getBoundsInParent().getCentre(), edit::left);
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { Settings_GlobalModeMask, c.written } }))
            << "mask " << c.deviceMask << " section " << c.clicked;
        EXPECT_EQ (button.getToggleState(), (c.written & FxTab::maskBit (c.clicked)) != 0);
        recorder.clear();
        context.poll();   // the written mask comes back: no second write
        EXPECT_TRUE (recorder.writes().empty());
        EXPECT_EQ (tab->getMaskCopy(), c.written);
    }

    recorder.clear();
    edit::clickThroughPeer (window, tab->getSwitch (FxTab::mixer).getBoundsInParent().getCentre(), edit::right);
    EXPECT_TRUE (recorder.writes().empty()) << "a right click switches nothing";
    window.removeChildComponent (tab.get());
}

TEST_F (FxTabTest, SectionsCarryTheirHeadingsHuesAndSwitches)
{
    struct Case { FxTab::Section section; const char* heading; int hue; int bit; const char* tooltip; };
    const Case cases[] = {
        { FxTab::mixer, "MIXER", 9, 0x01, "Switch between Pattern Mix Levels or Global Mix Levels" },
        { FxTab::delay, "DELAY", 11, 0x40, "Switch between Pattern Delay Settings or Global Delay Settings" },
        { FxTab::reverb, "REVERB", 14, 0x80, "Switch between Pattern Reverb Settings or Global Reverb Settings" },
        { FxTab::externalInput, "EXT-IN MIXER", 14, 0x02,
          "Switch between Pattern External Input Settings or Global External Input Settings" },
    };
    for (const auto& c : cases)
    {
        auto& section = tab->getSection (c.section);
        EXPECT_EQ (section.getHeading()->getText(), c.heading);
        ASSERT_NE (section.getContent(), nullptr);
        EXPECT_EQ (section.getContent()->hue, c.hue) << c.heading;
        EXPECT_EQ (FxTab::maskBit (c.section), c.bit);
        auto& button = tab->getSwitch (c.section);
        EXPECT_EQ (button.getButtonText(), "Global Mode");
        EXPECT_EQ (button.getTooltip(), c.tooltip);
        EXPECT_EQ (button.hue, 16);
        EXPECT_FALSE (button.isOpaque());
    }
    EXPECT_NE (dynamic_cast<MixerPanel*> (tab->getSection (FxTab::mixer).getContent()), nullptr);
    EXPECT_TRUE (tab->isOpaque());
}

TEST_F (FxTabTest, LaysOutTwoRowsWithTheSwitchesAtTheRightOfTheHeadings)
{
    struct Case { FxTab::Section section; juce::Rectangle<int> bounds, button; };
    const Case cases[] = {
        { FxTab::delay, { 4, 6, 518, 242 }, { 425, 6, 89, 24 } },
        { FxTab::reverb, { 526, 6, 671, 242 }, { 1100, 6, 89, 24 } },
        { FxTab::externalInput, { 4, 252, 212, 239 }, { 119, 252, 89, 24 } },
        { FxTab::mixer, { 220, 252, 975, 239 }, { 1098, 252, 89, 24 } },
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ (tab->getSection (c.section).getBounds(), c.bounds) << c.section;
        EXPECT_EQ (tab->getSwitch (c.section).getBounds(), c.button) << c.section;
    }

    tab->setSize (100, 30);   // far too small: nothing negative
    for (auto s : allSections)
    {
        EXPECT_GE (tab->getSection (s).getWidth(), 0);
        EXPECT_GE (tab->getSection (s).getHeight(), 0);
        EXPECT_GE (tab->getSwitch (s).getWidth(), 0);
    }
}

// Pictures to look at: with FH_SCREENSHOT_DIR set, the tab in both global modes.
TEST_F (FxTabTest, PicturesInBothGlobalModes)
{
    const char* folder = std::getenv ("FH_SCREENSHOT_DIR");
    for (int mask : { 0, 0xC3 })
    {
        showMask (mask);
        const auto image = tab->createComponentSnapshot (tab->getLocalBounds());
        EXPECT_EQ (image.getWidth(), 1199);
        if (folder == nullptr)
            continue;
        juce::FileOutputStream out (juce::File (folder).getChildFile (mask == 0 ? "fx-tab.png" : "fx-tab-global.png"));
        out.setPosition (0);
        out.truncate();
        EXPECT_TRUE (juce::PNGImageFormat().writeImageToStream (image, out));
    }
}

TEST_F (FxTabTest, TheMetersListenWhileTheTabLives)
{
    SamplePublisher publisher;
    auto withMeters = std::make_unique<FxTab> (context, &publisher);
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return publisher.getNumSources (SamplePublisher::kOutputRow) == 14; }, 5s));
    withMeters.reset();
    EXPECT_TRUE (fhtest::pumpUntil ([&] { return publisher.getNumSources (SamplePublisher::kOutputRow) == 0; }, 5s));
}
} // namespace
